#pragma once

#include "catalogue.h"
#include "simulationclock.h"
#include "townstate.h"

#include <QPointer>
#include <QWidget>

#include <array>

class LandPriceWindow;
class LotPicker;
class QLabel;
class QMessageBox;
class QPushButton;
class QRadioButton;
class SettingsDialog;
class SpokenNotice;
class SpokenStatusBar;
class TownView;
namespace ControlNames {
enum class Command;
}

// The game's one lasting window: the town, the palette of kinds, the
// balance, population and year, the clock options and the four commands.
// It owns the town and its clock; the secondary windows it opens never
// outlive it.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The size of the window's client area, frame not included.
    static QSize clientSize();

    TownState &town() { return m_town; }
    SimulationClock &clock() { return m_clock; }
    TownView *townView() const { return m_townView; }

    // The secondary windows while they are open, otherwise nullptr.
    LotPicker *lotPicker() const;
    LandPriceWindow *landPriceWindow() const;
    SettingsDialog *settingsDialog() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildPalette();
    void buildTownView();
    void buildFigures();
    void buildClockFrame();
    void buildCommands();
    void buildKeys();

    void fieldChanged(Field field);
    void openLotPicker(int kind);
    void openLandPriceWindow();
    void openSettingsDialog();
    void showAbout();
    void reportStalledTown();
    void closeSecondaryWindows();
    void pressCommand(ControlNames::Command command);
    void sayOnceActive(const QString &text);

    TownState m_town;
    SimulationClock m_clock{m_town};
    TownView *m_townView = nullptr;
    QLabel *m_balance = nullptr;
    QLabel *m_population = nullptr;
    QLabel *m_year = nullptr;
    SpokenStatusBar *m_status = nullptr;
    std::array<QPushButton *, kKindCount> m_kindButtons{};
    QRadioButton *m_stopOption = nullptr;
    QRadioButton *m_startOption = nullptr;
    SpokenNotice *m_notice = nullptr;
    QPointer<LotPicker> m_lotPicker;
    QPointer<LandPriceWindow> m_landPriceWindow;
    QPointer<SettingsDialog> m_settingsDialog;
    QPointer<QMessageBox> m_stalledMessage;
    // What a screen reader should hear once this window is active again.
    QString m_noticeOnceActive;
};
