#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <utility>

class QLabel;

// A window's figures as a status bar that only a screen reader meets: the
// reader's status-bar command says each figure after its caption, as it stands
// at that moment ("残高 980 人口 0 年 2"). It lies outside the window's client
// area and draws nothing. Readers hear of its changes but never speak them, so
// a ticking clock does not interrupt what the player is doing.
//
// On Windows each figure's value is also named with its caption ("残高 980"):
// UI Automation offers readers the two labels as unrelated texts, and a
// reader moving over them would hear a bare number.
class SpokenStatusBar : public QWidget {
    Q_OBJECT

public:
    explicit SpokenStatusBar(QWidget *window);

    // Adds a figure, read from its labels.
    void addFigure(const QLabel *caption, QLabel *value);

    // Takes up the figures as their labels now show them.
    void refresh();

private:
    QList<std::pair<QPointer<const QLabel>, QPointer<QLabel>>> m_figures;
};
