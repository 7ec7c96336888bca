#pragma once

#include <QLabel>

// What a screen reader says of a window as it opens or comes back, after its
// title: a label that only the reader meets, outside the client area. Orca
// reads a window's labels of three words or more (it passes over the game's
// captions, which have no spaces between their words), while it would read a
// dialog's description twice (Orca 48). Readers hear of its changes but never
// speak them.
class SpokenSummary : public QLabel {
    Q_OBJECT

public:
    explicit SpokenSummary(QWidget *window);

    // The text to say, of at least three words parted by spaces.
    void say(const QString &text);
};
