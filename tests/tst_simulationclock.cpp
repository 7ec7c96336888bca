#include "figuretesting.h"
#include "simulationclock.h"
#include "townstate.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

// The clock that drives the town, its stop and start, and its failures.
class TestSimulationClock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void runsFromTheMomentItIsMade();
    void stoppedTimersNeverFire();
    void stopAndStartSetAllThreePeriods_data();
    void stopAndStartSetAllThreePeriods();
    void ticksDriveTheTown();
    void aFailedTickChangesNothingAndSaysWhy();
};

void TestSimulationClock::runsFromTheMomentItIsMade()
{
    TownState town;
    SimulationClock clock(town);
    QCOMPARE(clock.periods(), kRunningPeriods);
    QVERIFY(clock.isRunning());
    QCOMPARE(kRunningPeriods, (ClockPeriods{1000, 1000, 20000}));
    // Coarse timers may fire up to 5% late and drift; precise ones keep the year on time.
    const QList<std::pair<const char *, int>> timers{{"Timer1", 1000}, {"Timer2", 1000}, {"Timer3", 20000}};
    for (const auto &[name, interval] : timers) {
        auto *timer = clock.findChild<QTimer *>(QLatin1String(name));
        QVERIFY2(timer, name);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), interval);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }
}

// A QTimer with interval 0 fires on every pass of the event loop; a stopped
// clock must not.
void TestSimulationClock::stoppedTimersNeverFire()
{
    TownState town;
    SimulationClock clock(town);
    clock.stop();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(town.text(Fields::yearCounter), std::string("0"));
    QCOMPARE(town.text(Fields::balance), std::string("1000"));
    QCOMPARE(town.text(Fields::totalLandValue), std::string("Text29"));
}

void TestSimulationClock::stopAndStartSetAllThreePeriods_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("running");
    QTest::newRow("stop") << "S" << false;
    QTest::newRow("stop twice") << "SS" << false;
    QTest::newRow("start after stop") << "SG" << true;
    QTest::newRow("start while running") << "G" << true;
    QTest::newRow("stop after start") << "GS" << false;
}

void TestSimulationClock::stopAndStartSetAllThreePeriods()
{
    QFETCH(QString, options);
    QFETCH(bool, running);
    TownState town;
    SimulationClock clock(town);
    for (QChar option : options) {
        if (option == 'S')
            clock.stop();
        else
            clock.start();
    }
    QCOMPARE(clock.periods(), running ? kRunningPeriods : kStoppedPeriods);
    QCOMPARE(clock.isRunning(), running);
}

void TestSimulationClock::ticksDriveTheTown()
{
    TownState town;
    FigureTesting::zeroOthers(town);
    SimulationClock clock(town);
    clock.stop();
    clock.landValueTick();
    clock.economyTick();
    clock.upkeepTick();
    QCOMPARE(town.text(Fields::totalLandValue), std::string("7.05547523498535"));
    QCOMPARE(town.text(Fields::balance), std::string("890"));
    QCOMPARE(town.text(Fields::yearCounter), std::string("1"));
    clock.landValueTick();
    QCOMPARE(town.text(Fields::totalLandValue), std::string("5.3342399597168"));
}

void TestSimulationClock::aFailedTickChangesNothingAndSaysWhy()
{
    TownState town;
    SimulationClock clock(town);
    clock.stop();
    town.setText(Fields::consumptionTax, "abc");
    QSignalSpy failures(&clock, &SimulationClock::tickFailed);
    clock.economyTick();
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures.at(0).at(0).toString().contains("Text32"));
    QCOMPARE(town.text(Fields::balance), std::string("1000"));
    QCOMPARE(town.text(Fields::yearCounter), std::string("0"));

    // Said once while the economy keeps failing, though the land value and
    // upkeep ticks between its years succeed, as they do on the real clock.
    for (int second = 1; second <= 40; ++second) {
        clock.landValueTick();
        clock.economyTick();
        if (second % 20 == 0)
            clock.upkeepTick();
    }
    QCOMPARE(failures.size(), 1);
    QCOMPARE(town.text(Fields::yearCounter), std::string("0"));

    // Once the economy has run through again, a new failure is news.
    town.setText(Fields::consumptionTax, "10");
    clock.economyTick();
    QCOMPARE(town.text(Fields::yearCounter), std::string("1"));
    town.setText(Fields::consumptionTax, "abc");
    clock.economyTick();
    clock.economyTick();
    QCOMPARE(failures.size(), 2);
}

QTEST_GUILESS_MAIN(TestSimulationClock)
#include "tst_simulationclock.moc"
