#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <utility>

class QLabel;

// A window's figures as a status bar that only a screen reader meets: the
// reader's status-bar command says each figure after its caption, as it stands
// at that moment ("残高 980 人口 0 年 2"). It lies outside the window's client
// area and draws nothing. It tells the reader nothing when a figure changes,
// so a ticking clock never interrupts what the player is doing.
class SpokenStatusBar : public QWidget {
    Q_OBJECT

public:
    explicit SpokenStatusBar(QWidget *window);

    // Adds a figure, read from its labels whenever the status bar is read.
    void addFigure(const QLabel *caption, const QLabel *value);

    // The captions and figures as the reader says them.
    QString summary() const;

private:
    QList<std::pair<QPointer<const QLabel>, QPointer<const QLabel>>> m_figures;
};
