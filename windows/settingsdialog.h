#pragma once

#include "policyfigures.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class SpokenNotice;
class SpokenSummary;
class TownState;

// The window "基本設定" where the player types the policy figures (the
// consumption tax, the transport spending and the education spending), one
// row each, and sees the gross domestic product and the population as they
// stood when the window was opened.
class SettingsDialog : public QWidget {
    Q_OBJECT

public:
    explicit SettingsDialog(TownState &town, QWidget *parent = nullptr);

    // Shows the gross domestic product and the population as they stand now.
    void refreshOverview();

signals:
    // "OK" set the town's figures, as a screen reader should hear them.
    void applied(const QString &figures);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void describe();
    void apply();
    void refuse(QLineEdit *figure, const QString &message);

    TownState &m_town;
    // The boxes of the figures, in the order of kPolicyFigures.
    std::array<QLineEdit *, kPolicyFigureCount> m_figures{};
    QLabel *m_grossDomesticProduct = nullptr;
    QLabel *m_population = nullptr;
    SpokenSummary *m_summary = nullptr;
    SpokenNotice *m_notice = nullptr;
};
