#include "fielderror.h"
#include "figuretesting.h"
#include "policy.h"
#include "townstate.h"

#include <QTest>

// The three policy figures the settings dialog sets, and the figures it shows.
class TestPolicy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void overviewComputesTheProductAfresh_data();
    void overviewComputesTheProductAfresh();
    void figuresAreCopiedAsTypedAndCreditThePopulation_data();
    void figuresAreCopiedAsTypedAndCreditThePopulation();
    void aFigureThatIsNotANumberChangesNothing_data();
    void aFigureThatIsNotANumberChangesNothing();
};

void TestPolicy::overviewComputesTheProductAfresh_data()
{
    QTest::addColumn<QString>("commerce");
    QTest::addColumn<QString>("industry");
    QTest::addColumn<QString>("product");
    QTest::newRow("empty town") << "0" << "0" << "0";
    QTest::newRow("tenth of industry") << "30" << "5" << "30.5";
    QTest::newRow("head office") << "50" << "100" << "60";
}

void TestPolicy::overviewComputesTheProductAfresh()
{
    QFETCH(QString, commerce);
    QFETCH(QString, industry);
    QFETCH(QString, product);
    TownState town;
    town.setText(Fields::commerceTotal, commerce.toStdString());
    town.setText(Fields::industryTotal, industry.toStdString());
    town.setText(Fields::grossDomesticProduct, "999"); // stale: never shown
    town.setText(Fields::population, "0.50");
    const PolicyOverview overview = policyOverview(town);
    QCOMPARE(QString::fromStdString(overview.grossDomesticProduct), product);
    QCOMPARE(overview.population, std::string("0.50"));
}

void TestPolicy::figuresAreCopiedAsTypedAndCreditThePopulation_data()
{
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("transport");
    QTest::addColumn<QString>("education");
    QTest::addColumn<QString>("populationBefore");
    QTest::addColumn<QString>("populationAfter");
    QTest::newRow("design values") << "10" << "10" << "10" << "0" << "60";
    QTest::newRow("other figures") << "5" << "20" << "0" << "0" << "60";
    QTest::newRow("fractions") << "10" << "0" << "2.5" << "0" << "7.5";
    QTest::newRow("leading zeros kept") << "007" << "010" << " 1" << "9" << "42";
    QTest::newRow("credit on the current population") << "10" << "1" << "1" << "300" << "306";
    QTest::newRow("negative spending") << "10" << "-10" << "0" << "30" << "0";
}

void TestPolicy::figuresAreCopiedAsTypedAndCreditThePopulation()
{
    QFETCH(QString, tax);
    QFETCH(QString, transport);
    QFETCH(QString, education);
    QFETCH(QString, populationBefore);
    QFETCH(QString, populationAfter);
    TownState town;
    town.setText(Fields::population, populationBefore.toStdString());
    applyPolicy(town, FigureTesting::typed(tax.toStdString(), transport.toStdString(), education.toStdString()));
    QCOMPARE(QString::fromStdString(town.text(Fields::consumptionTax)), tax);
    QCOMPARE(QString::fromStdString(town.text(Fields::transportSpending)), transport);
    QCOMPARE(QString::fromStdString(town.text(Fields::educationSpending)), education);
    QCOMPARE(QString::fromStdString(town.text(Fields::population)), populationAfter);
    QCOMPARE(town.text(Fields::populationDisplay), std::string()); // only the economy shows it
}

void TestPolicy::aFigureThatIsNotANumberChangesNothing_data()
{
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("transport");
    QTest::addColumn<QString>("education");
    QTest::addColumn<QString>("culprit");
    QTest::addColumn<FieldError::Reason>("reason");
    const auto notANumber = FieldError::Reason::NotANumber;
    QTest::newRow("empty tax") << "" << "10" << "10" << "Text32" << notANumber;
    QTest::newRow("word transport") << "10" << "abc" << "10" << "Text34" << notANumber;
    QTest::newRow("full-width education") << "10" << "10" << QStringLiteral("１０") << "Text35" << notANumber;
    QTest::newRow("nan") << "nan" << "10" << "10" << "Text32" << notANumber;
    QTest::newRow("too large to read") << "10" << "1e999" << "10" << "Text34" << notANumber;
    QTest::newRow("credit overflows")
        << "10" << "10" << "1e308" << "Text35" << FieldError::Reason::OutOfRange;
    QTest::newRow("second credit overflows")
        << "10" << "1.7e308" << "-1" << "Text34" << FieldError::Reason::OutOfRange;
}

void TestPolicy::aFigureThatIsNotANumberChangesNothing()
{
    QFETCH(QString, tax);
    QFETCH(QString, transport);
    QFETCH(QString, education);
    QFETCH(QString, culprit);
    QFETCH(FieldError::Reason, reason);
    TownState town;
    const TownState before = town;
    try {
        applyPolicy(town, FigureTesting::typed(tax.toStdString(), transport.toStdString(), education.toStdString()));
        QFAIL("the figures must be refused");
    } catch (const FieldError &error) {
        QCOMPARE(error.field(), fieldNamed(culprit.toStdString()));
        QCOMPARE(error.reason(), reason);
    }
    for (int i = 0; i < kFieldCount; ++i)
        QCOMPARE(town.text(static_cast<Field>(i)), before.text(static_cast<Field>(i)));
}

QTEST_APPLESS_MAIN(TestPolicy)
#include "tst_policy.moc"
