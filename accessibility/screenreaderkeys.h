#pragma once

#include <QElapsedTimer>
#include <QObject>

class QKeyEvent;

// Keeps a screen reader's own keys from acting in the game. On Linux a
// listening reader hears every key first: Qt's AT-SPI bridge holds the key
// back, asks the reader whether it is one of its commands, and sends it on
// to the game when the reader says no, or when the reader has not answered
// within 100 ms. A reader on a busy machine answers late, and its command
// then reaches the game too: the keypad's Enter, Orca's "where am I", would
// press the focused button and build. So a key that came through the reader
// never acts if readers keep it for themselves, nor while a reader's own
// modifier key is held. Keys that come straight from the window system, as
// they do without a reader (and on Windows, where a reader takes its keys
// before the game sees them), all work as ever.
class ScreenReaderKeys : public QObject {
    Q_OBJECT

public:
    // Watches the application's keys; installing twice is harmless.
    static void install();

    // Whether readers keep the key for themselves: the keypad's command keys
    // (Enter, + - * /, and with Num Lock off its arrows, page keys, Insert
    // and Delete), and Insert and Caps Lock, which they take as their
    // modifier. The keypad's digits and point type as the main keys do.
    static bool isReaderKey(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScreenReaderKeys(QObject *parent);

    bool readerModifierHeld() const;

    // Since a reader's modifier came through the reader, until it is let go.
    QElapsedTimer m_modifierPressed;
};
