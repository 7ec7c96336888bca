#pragma once

#include "randomsource.h"

#include <QObject>
#include <QString>
#include <QTimer>

class TownState;

// The timer periods of the clock, in milliseconds; 0 means that timer is stopped.
struct ClockPeriods {
    int landValueMs = 0;
    int economyMs = 0;
    int upkeepMs = 0;

    friend bool operator==(const ClockPeriods &, const ClockPeriods &) = default;
};

inline constexpr ClockPeriods kRunningPeriods{1000, 1000, 20000};
inline constexpr ClockPeriods kStoppedPeriods{0, 0, 0};

// Drives the town: the land-value and economy ticks every second, the upkeep
// tick every twenty seconds. It owns the random source of the land-value tick.
// It runs from the moment it is made; whether it runs is its state, and its
// timers' periods follow from that.
class SimulationClock : public QObject {
    Q_OBJECT

public:
    explicit SimulationClock(TownState &town, QObject *parent = nullptr);

    // Starting a clock that runs, or stopping one that stands, changes
    // nothing: a running timer keeps its countdown.
    void stop() { setRunning(false); }
    void start() { setRunning(true); }
    bool isRunning() const { return m_running; }

    // The periods the timers run with: kRunningPeriods or kStoppedPeriods.
    ClockPeriods periods() const;

    // The ticks themselves, for the timers and for whoever drives time by hand.
    void landValueTick();
    void economyTick();
    void upkeepTick();

    const RandomSource &randomSource() const { return m_random; }

Q_SIGNALS:
    // Time began to run, or stopped running.
    void runningChanged(bool running);

    // A tick met a field it could not use and changed nothing. Said once when
    // that tick begins to fail, and not again until the same tick has run
    // through in between: another tick succeeding says nothing about it.
    void tickFailed(const QString &message);

private:
    void setRunning(bool running);
    static void setPeriod(QTimer &timer, int periodMs);
    template<typename Tick>
    void runTick(bool &failing, Tick tick);

    TownState &m_town;
    RandomSource m_random;
    bool m_running = false;
    bool m_landValueFailing = false;
    bool m_economyFailing = false;
    bool m_upkeepFailing = false;
    // Children of the clock, so that they can be found by name: Timer1..Timer3.
    QTimer m_landValueTimer{this};
    QTimer m_economyTimer{this};
    QTimer m_upkeepTimer{this};
};
