#include "fielderror.h"
#include "figuretesting.h"
#include "randomsource.h"
#include "ticks.h"
#include "townstate.h"

#include <QTest>

namespace {

using FieldTexts = QList<QPair<QString, QString>>;

void setFields(TownState &town, const FieldTexts &texts)
{
    for (const auto &[name, text] : texts)
        town.setText(*fieldNamed(name.toStdString()), text.toStdString());
}

QString textOf(const TownState &town, const QString &name)
{
    return QString::fromStdString(town.text(*fieldNamed(name.toStdString())));
}

bool sameFields(const TownState &a, const TownState &b)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (a.text(static_cast<Field>(i)) != b.text(static_cast<Field>(i)))
            return false;
    }
    return true;
}

} // namespace

// The land-value, economy and upkeep ticks, one call each, on hand-made towns.
class TestTicks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomSourceRepeatsTheSameSequenceEveryGame();
    void landValueIsTheLotSumPlusThatTicksAddend_data();
    void landValueIsTheLotSumPlusThatTicksAddend();
    void landValueNeverBuildsOnThePreviousTotal();
    void landValueTickWithAnUnreadableLotChangesNothing();
    void economyTickRunsOneYearOfAccounts_data();
    void economyTickRunsOneYearOfAccounts();
    void economyStepsReadBackWhatEarlierStepsWrote();
    void debtChargeStartsOnlyBelowZero();
    void yearCounterCountsNumerically();
    void economyTickWithAnUnusableFieldChangesNothing_data();
    void economyTickWithAnUnusableFieldChangesNothing();
    void upkeepTakesOneHundredWhateverTheBalance_data();
    void upkeepTakesOneHundredWhateverTheBalance();
    void upkeepWithAnUnreadableBalanceChangesNothing();
};

// Golden draws of the unseeded generator, worked out independently.
void TestTicks::randomSourceRepeatsTheSameSequenceEveryGame()
{
    RandomSource random;
    const QList<std::uint32_t> states{11837123, 8949370, 9722709, 4858052, 5065847};
    for (std::uint32_t state : states) {
        const float value = random.next();
        QCOMPARE(random.state(), state);
        QCOMPARE(value, float(state) / 16777216.0f);
        QVERIFY(value >= 0.0f && value < 1.0f);
    }
    RandomSource again;
    for (int i = 0; i < 5; ++i)
        again.next();
    QCOMPARE(again, random);
}

void TestTicks::landValueIsTheLotSumPlusThatTicksAddend_data()
{
    QTest::addColumn<FieldTexts>("lots");
    QTest::addColumn<QString>("total");

    QTest::newRow("empty town shows only the addend") << FieldTexts{} << "7.05547523498535";
    QTest::newRow("lots 3 and 17") << FieldTexts{{"Text3", "5"}, {"Text17", "20"}} << "32.0554752349854";
    FieldTexts everyLot;
    for (int lot = 1; lot <= kLotCount; ++lot)
        everyLot.append({QString("Text%1").arg(lot), "20"});
    QTest::newRow("twenty on every lot") << everyLot << "507.055475234985";
}

void TestTicks::landValueIsTheLotSumPlusThatTicksAddend()
{
    QFETCH(FieldTexts, lots);
    QFETCH(QString, total);
    TownState town;
    setFields(town, lots);
    RandomSource random;
    runLandValueTick(town, random);
    QCOMPARE(textOf(town, "Text29"), total);
}

void TestTicks::landValueNeverBuildsOnThePreviousTotal()
{
    TownState town;
    setFields(town, {{"Text3", "5"}, {"Text17", "20"}});
    RandomSource random;
    const QStringList expected{"32.0554752349854", "30.3342399597168", "30.7951860427856"};
    for (const QString &total : expected) {
        runLandValueTick(town, random);
        QCOMPARE(textOf(town, "Text29"), total);
    }
}

void TestTicks::landValueTickWithAnUnreadableLotChangesNothing()
{
    TownState town;
    town.setText(lotField(25), "abc");
    RandomSource random;
    QVERIFY_THROWS_EXCEPTION(FieldError, runLandValueTick(town, random));
    QCOMPARE(textOf(town, "Text29"), QString("Text29"));
    // The draw is not spent, so the sequence goes on where it stood.
    QCOMPARE(random, RandomSource());
}

void TestTicks::economyTickRunsOneYearOfAccounts_data()
{
    QTest::addColumn<FieldTexts>("before");
    QTest::addColumn<FieldTexts>("after");

    QTest::newRow("initial town")
        << FieldTexts{}
        << FieldTexts{{"Label12", "990"}, {"Text31", "0"}, {"Text30", "0"}, {"Label14", "0"}, {"Label23", "1"}};
    QTest::newRow("housing, commerce and industry")
        << FieldTexts{{"Text26", "3"}, {"Text27", "5"}, {"Text28", "20"}}
        << FieldTexts{{"Label12", "994"}, {"Text31", "7"}, {"Text30", "9"}, {"Label14", "9"}};
    QTest::newRow("fractional tax")
        << FieldTexts{{"Text32", "2.5"}} << FieldTexts{{"Label12", "982.5"}};
    QTest::newRow("industry counts a tenth")
        << FieldTexts{{"Text28", "50"}} << FieldTexts{{"Label12", "995"}, {"Text31", "5"}};
    QTest::newRow("a tenth is a fraction, not integer division")
        << FieldTexts{{"Text28", "5"}} << FieldTexts{{"Label12", "990.5"}, {"Text31", "0.5"}};
    QTest::newRow("debt charge below zero")
        << FieldTexts{{"Label12", "5"}} << FieldTexts{{"Label12", "-105"}};
    QTest::newRow("debt charge after the housing charge")
        << FieldTexts{{"Label12", "10"}, {"Text26", "1"}} << FieldTexts{{"Label12", "-101"}};
    QTest::newRow("typed figures with blanks and zeros")
        << FieldTexts{{"Text32", " 007 "}, {"Text34", "+3"}, {"Text35", "0"}}
        << FieldTexts{{"Label12", "1004"}};
    QTest::newRow("population replaces the dialog's credit")
        << FieldTexts{{"Text26", "2"}, {"Text30", "60"}}
        << FieldTexts{{"Text30", "6"}, {"Label14", "6"}, {"Label12", "988"}};
    QTest::newRow("expenditure and spares are never touched")
        << FieldTexts{{"Text33", "0"}, {"Text36", "0"}, {"Text37", "0"}}
        << FieldTexts{{"Text33", "0"}, {"Text36", "0"}, {"Text37", "0"}};
}

void TestTicks::economyTickRunsOneYearOfAccounts()
{
    QFETCH(FieldTexts, before);
    QFETCH(FieldTexts, after);
    TownState town;
    setFields(town, before);
    runEconomyTick(town);
    for (const auto &[name, text] : after)
        QCOMPARE(textOf(town, name), text);
}

// The balance passes through its 15-digit text after the tax step, so the
// housing charge is taken from the cut value, not the exact one.
void TestTicks::economyStepsReadBackWhatEarlierStepsWrote()
{
    TownState town;
    FigureTesting::zeroOthers(town);
    setFields(town, {{"Text32", "0.1234567890123456789"}, {"Text34", "0"}, {"Text35", "0"}, {"Text26", "1"}});
    runEconomyTick(town);
    QCOMPARE(textOf(town, "Label12"), QString("999.12345678901"));
}

void TestTicks::debtChargeStartsOnlyBelowZero()
{
    TownState town;
    FigureTesting::zeroOthers(town);
    town.setText(Fields::balance, "10");
    runEconomyTick(town);
    QCOMPARE(textOf(town, "Label12"), QString("0"));
    runEconomyTick(town);
    QCOMPARE(textOf(town, "Label12"), QString("-110"));
    runEconomyTick(town);
    QCOMPARE(textOf(town, "Label12"), QString("-220"));
}

void TestTicks::yearCounterCountsNumerically()
{
    TownState town;
    FigureTesting::zeroOthers(town);
    for (int year = 0; year < 60; ++year)
        runEconomyTick(town);
    QCOMPARE(textOf(town, "Label23"), QString("60"));
    QCOMPARE(textOf(town, "Label12"), QString("400")); // ten a year, never below zero
}

void TestTicks::economyTickWithAnUnusableFieldChangesNothing_data()
{
    QTest::addColumn<FieldTexts>("before");
    QTest::newRow("word as tax") << FieldTexts{{"Text32", "abc"}};
    QTest::newRow("full-width transport") << FieldTexts{{"Text34", QStringLiteral("１０")}};
    QTest::newRow("empty education") << FieldTexts{{"Text35", ""}};
    QTest::newRow("housing read late in the year") << FieldTexts{{"Text26", "x"}};
    QTest::newRow("balance would overflow") << FieldTexts{{"Label12", "1e308"}, {"Text32", "1.7e308"}};
    QTest::newRow("population would overflow") << FieldTexts{{"Text26", "1e308"}};
}

// All or nothing: never half a year of accounts.
void TestTicks::economyTickWithAnUnusableFieldChangesNothing()
{
    QFETCH(FieldTexts, before);
    TownState town;
    setFields(town, before);
    const TownState untouched = town;
    QVERIFY_THROWS_EXCEPTION(FieldError, runEconomyTick(town));
    QVERIFY(sameFields(town, untouched));
}

void TestTicks::upkeepTakesOneHundredWhateverTheBalance_data()
{
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("after");
    QTest::newRow("initial") << "1000" << "900";
    QTest::newRow("negative") << "-5" << "-105";
    QTest::newRow("fraction") << "991.5" << "891.5";
    QTest::newRow("exactly the charge") << "100" << "0";
}

void TestTicks::upkeepTakesOneHundredWhateverTheBalance()
{
    QFETCH(QString, balance);
    QFETCH(QString, after);
    TownState town;
    town.setText(Fields::balance, balance.toStdString());
    runUpkeepTick(town);
    QCOMPARE(textOf(town, "Label12"), after);
}

void TestTicks::upkeepWithAnUnreadableBalanceChangesNothing()
{
    TownState town;
    town.setText(Fields::balance, "");
    QVERIFY_THROWS_EXCEPTION(FieldError, runUpkeepTick(town));
    QCOMPARE(textOf(town, "Label12"), QString());
}

QTEST_APPLESS_MAIN(TestTicks)
#include "tst_ticks.moc"
