#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class SpokenSummary;
class TownState;

// The window "基本設定" where the player types the consumption tax, the
// transport spending and the education spending, and sees the gross domestic
// product and the population as they stood when the window was opened.
class SettingsDialog : public QWidget {
    Q_OBJECT

public:
    explicit SettingsDialog(TownState &town, QWidget *parent = nullptr);

    // Shows the gross domestic product and the population as they stand now.
    void refreshOverview();

signals:
    // "OK" set the town's figures, as a screen reader should hear them.
    void applied(const QString &figures);

private:
    void describe();
    void apply();
    void refuse(QLineEdit *figure, const QString &message);

    TownState &m_town;
    QLineEdit *m_tax = nullptr;
    QLineEdit *m_transport = nullptr;
    QLineEdit *m_education = nullptr;
    QLabel *m_grossDomesticProduct = nullptr;
    QLabel *m_population = nullptr;
    SpokenSummary *m_summary = nullptr;
};
