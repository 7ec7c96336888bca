#include "windowtestcase.h"

#include "windowtesting.h"

#include <QPushButton>
#include <QTest>

WindowTestCase::WindowTestCase(Time time)
    : m_time(time)
{
}

QPushButton *WindowTestCase::kindButton(int kind) const
{
    return WindowTesting::child<QPushButton>(m_window.get(), ControlNames::kindButton(kind));
}

QPushButton *WindowTestCase::commandButton(ControlNames::Command command) const
{
    return WindowTesting::child<QPushButton>(m_window.get(), ControlNames::commandButton(command));
}

void WindowTestCase::initTestCase()
{
    WindowTesting::setUpGameApplication();
}

void WindowTestCase::init()
{
    m_window = std::make_unique<MainWindow>();
    if (m_time == Time::Stopped)
        m_window->clock().stop();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WindowTestCase::cleanup()
{
    m_window.reset();
    WindowTesting::flushDeletes();
}
