#pragma once

#include <QWidget>

// A line that a screen reader speaks at once and the eye never sees: what a
// press of a button did, where the button itself cannot say it. From Qt 6.8
// it is Qt's announcement. Qt 6.4 has none, and gives a screen reader a
// changed name without its text, which Orca cannot speak; a notification
// that appears is spoken, name and all: there the notice appears, outside its
// window's client area, like the hidden fields, and draws nothing.
class SpokenNotice : public QWidget {
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget *window);

    // Has the screen reader speak the text now, even if it said it last time.
    void say(const QString &text);
};
