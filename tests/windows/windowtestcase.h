#pragma once

#include "controlnames.h"
#include "mainwindow.h"

#include <QObject>

#include <memory>

class QPushButton;

// The fixture of the window tests: the game's application set up once, and
// for each test a new main window on screen, with time stopped unless the
// test is about time, and every window gone afterwards.
class WindowTestCase : public QObject {
    Q_OBJECT

public:
    enum class Time { Stopped, Running };
    explicit WindowTestCase(Time time = Time::Stopped);

protected:
    // The main window's palette button of a kind, and its command buttons.
    QPushButton *kindButton(int kind) const;
    QPushButton *commandButton(ControlNames::Command command) const;

    std::unique_ptr<MainWindow> m_window;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

private:
    Time m_time;
};
