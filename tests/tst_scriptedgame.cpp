#include "figuretesting.h"
#include "placement.h"
#include "policy.h"
#include "randomsource.h"
#include "ticks.h"
#include "townstate.h"

#include <QTest>

// A short game played through the rules, with every figure worked out by hand.
class TestScriptedGame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aSmallTownGrowsAndFallsIntoDebt();

private:
    void expect(const char *field, const char *text);

    TownState m_town;
};

void TestScriptedGame::expect(const char *field, const char *text)
{
    QCOMPARE(QString::fromStdString(m_town.text(*fieldNamed(field))), QString::fromUtf8(text));
}

void TestScriptedGame::aSmallTownGrowsAndFallsIntoDebt()
{
    RandomSource random;
    FigureTesting::zeroOthers(m_town);

    // A house, a shop and a small factory.
    placeBuilding(m_town, "1", 1);
    placeBuilding(m_town, "7", 13);
    placeBuilding(m_town, "29", 25);
    expect("Label12", "935"); // 1000 - 5 - 30 - 30
    expect("Text26", "3");
    expect("Text27", "50");
    expect("Text28", "50");

    // Year 1: 935 - 10 - 10 + (50 + 5) + 10 - 3.
    runEconomyTick(m_town);
    expect("Text31", "55");
    expect("Label12", "977");
    expect("Text30", "9");
    expect("Label14", "9");
    expect("Label23", "1");

    runLandValueTick(m_town, random);
    expect("Text29", "19.0554752349854"); // 1 + 10 + 1 + first addend

    // Tax 5, transport 20, no education: 9 + 3 x 0 + 3 x 20 people for now.
    applyPolicy(m_town, FigureTesting::typed("5", "20", "0"));
    expect("Text30", "69");

    // Year 2: 977 - 0 - 20 + 55 + 5 - 3; the population is recounted from housing.
    runEconomyTick(m_town);
    expect("Label12", "1014");
    expect("Text30", "9");
    runUpkeepTick(m_town);
    expect("Label12", "914");

    // A head office over the shop: the shop's commerce stays in the totals.
    placeBuilding(m_town, "10", 13);
    expect("Label12", "714");
    expect("Text13", "20");
    expect("Text27", "100");
    expect("Text28", "150");

    // Year 3: 714 - 20 + (100 + 15) + 5 - 3.
    runEconomyTick(m_town);
    expect("Text31", "115");
    expect("Label12", "811");

    runLandValueTick(m_town, random);
    expect("Text29", "27.3342399597168"); // 1 + 20 + 1 + second addend

    // Rail over the house: the lot is worth nothing, the homes remain.
    placeBuilding(m_town, "22", 1);
    expect("Text1", "0");
    expect("Text26", "3");
    expect("Label12", "801");

    // Spending far beyond income.
    applyPolicy(m_town, FigureTesting::typed("0", "1000", "0.5"));
    expect("Text30", "3010.5"); // 9 + 1.5 + 3000
    runEconomyTick(m_town);
    // 801 - 0.5 - 1000 + 115 + 0 - 3 = -87.5, below zero: a further 100.
    expect("Label12", "-187.5");
    expect("Label23", "4");
    runUpkeepTick(m_town);
    expect("Label12", "-287.5");
    runEconomyTick(m_town);
    expect("Label12", "-1276"); // -287.5 - 1000.5 + 115 - 3 - 100

    // Nothing in the game ever touches the expenditure or the spares.
    expect("Text33", "0");
    expect("Text36", "0");
    expect("Text37", "0");
    QCOMPARE(m_town.lotPicture(1), 22);
    QCOMPARE(m_town.lotPicture(13), 10);
    QCOMPARE(m_town.lotPicture(25), 29);
    QCOMPARE(m_town.lotPicture(2), TownState::kBareLand);
}

QTEST_APPLESS_MAIN(TestScriptedGame)
#include "tst_scriptedgame.moc"
