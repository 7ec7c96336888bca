#include "simulationclock.h"

#include "fielderror.h"
#include "ticks.h"

#include <utility>

SimulationClock::SimulationClock(TownState &town, QObject *parent)
    : QObject(parent)
    , m_town(town)
{
    // Precise timers schedule each timeout from the previous one, so the year
    // counter keeps pace with the wall clock instead of drifting.
    for (QTimer *timer : {&m_landValueTimer, &m_economyTimer, &m_upkeepTimer})
        timer->setTimerType(Qt::PreciseTimer);
    m_landValueTimer.setObjectName(QStringLiteral("Timer1"));
    m_economyTimer.setObjectName(QStringLiteral("Timer2"));
    m_upkeepTimer.setObjectName(QStringLiteral("Timer3"));
    connect(&m_landValueTimer, &QTimer::timeout, this, &SimulationClock::landValueTick);
    connect(&m_economyTimer, &QTimer::timeout, this, &SimulationClock::economyTick);
    connect(&m_upkeepTimer, &QTimer::timeout, this, &SimulationClock::upkeepTick);
    start();
}

void SimulationClock::setPeriod(QTimer &timer, int periodMs)
{
    // A QTimer with interval 0 would fire on every pass of the event loop;
    // here 0 means the timer is stopped.
    if (periodMs <= 0)
        timer.stop();
    else
        timer.start(periodMs);
}

void SimulationClock::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    const ClockPeriods &periods = running ? kRunningPeriods : kStoppedPeriods;
    // Land value first, then economy, then upkeep.
    setPeriod(m_landValueTimer, periods.landValueMs);
    setPeriod(m_economyTimer, periods.economyMs);
    setPeriod(m_upkeepTimer, periods.upkeepMs);
    Q_EMIT runningChanged(running);
}

ClockPeriods SimulationClock::periods() const
{
    const auto period = [](const QTimer &timer) { return timer.isActive() ? timer.interval() : 0; };
    return {period(m_landValueTimer), period(m_economyTimer), period(m_upkeepTimer)};
}

template<typename Tick>
void SimulationClock::runTick(bool &failing, Tick tick)
{
    try {
        tick();
        failing = false;
    } catch (const FieldError &error) {
        if (!std::exchange(failing, true))
            Q_EMIT tickFailed(QString::fromStdString(error.what()));
    }
}

void SimulationClock::landValueTick()
{
    runTick(m_landValueFailing, [this] { runLandValueTick(m_town, m_random); });
}

void SimulationClock::economyTick()
{
    runTick(m_economyFailing, [this] { runEconomyTick(m_town); });
}

void SimulationClock::upkeepTick()
{
    runTick(m_upkeepFailing, [this] { runUpkeepTick(m_town); });
}
