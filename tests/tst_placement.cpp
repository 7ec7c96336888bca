#include "catalogue.h"
#include "fielderror.h"
#include "placement.h"
#include "townstate.h"

#include <QTest>

#include <vector>

namespace {

std::string lotText(const TownState &town, int lot) { return town.text(lotField(lot)); }

} // namespace

// Buying a building and putting it on a lot.
class TestPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placingTakesThePriceAndSetsTheLot();
    void onlyTheClickedLotChanges_data();
    void onlyTheClickedLotChanges();
    void buildingOverALotReplacesItsValueButKeepsTheTotals();
    void purchasesAreNeverRefused();
    void chosenKindIsComparedAsANumber_data();
    void chosenKindIsComparedAsANumber();
    void unreadableInputChangesNothing_data();
    void unreadableInputChangesNothing();
    void writesBackInTheFixedOrder();
    void lotsOutsideTheTownAreRefused();
};

void TestPlacement::placingTakesThePriceAndSetsTheLot()
{
    TownState town;
    QCOMPARE(placeBuilding(town, "1", 7), 1);
    QCOMPARE(town.text(Fields::balance), std::string("995"));
    QCOMPARE(lotText(town, 7), std::string("1"));
    QCOMPARE(town.text(Fields::housingTotal), std::string("3"));
    QCOMPARE(town.lotPicture(7), 1);

    QCOMPARE(placeBuilding(town, "10", 13), 10);
    QCOMPARE(placeBuilding(town, "10", 13), 10);
    QCOMPARE(town.text(Fields::balance), std::string("595"));
    QCOMPARE(lotText(town, 13), std::string("20"));
    QCOMPARE(town.text(Fields::commerceTotal), std::string("100"));
    QCOMPARE(town.text(Fields::industryTotal), std::string("200"));
}

void TestPlacement::onlyTheClickedLotChanges_data()
{
    QTest::addColumn<int>("lot");
    for (int lot = 1; lot <= kLotCount; ++lot)
        QTest::addRow("lot %d", lot) << lot;
}

void TestPlacement::onlyTheClickedLotChanges()
{
    QFETCH(int, lot);
    TownState town;
    placeBuilding(town, "28", lot);
    for (int other = 1; other <= kLotCount; ++other) {
        QCOMPARE(lotText(town, other), std::string(other == lot ? "20" : "0"));
        QCOMPARE(town.lotPicture(other), other == lot ? 28 : TownState::kBareLand);
    }
}

void TestPlacement::buildingOverALotReplacesItsValueButKeepsTheTotals()
{
    TownState town;
    placeBuilding(town, "8", 2);
    placeBuilding(town, "22", 2);
    QCOMPARE(lotText(town, 2), std::string("0"));
    QCOMPARE(town.lotPicture(2), 22);
    QCOMPARE(town.text(Fields::balance), std::string("890"));
    QCOMPARE(town.text(Fields::commerceTotal), std::string("100"));
}

void TestPlacement::purchasesAreNeverRefused()
{
    TownState town;
    town.setText(Fields::balance, "3");
    placeBuilding(town, "10", 1);
    QCOMPARE(town.text(Fields::balance), std::string("-197"));
    QCOMPARE(town.lotPicture(1), 10);
}

void TestPlacement::chosenKindIsComparedAsANumber_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("balance");
    QTest::newRow("plain") << "7" << 7 << "970";
    QTest::newRow("leading zero") << "07" << 7 << "970";
    QTest::newRow("zero") << "0" << 0 << "1000";
    QTest::newRow("past the end") << QString::number(kKindCount + 1) << 0 << "1000";
    QTest::newRow("fraction") << "2.5" << 0 << "1000";
}

void TestPlacement::chosenKindIsComparedAsANumber()
{
    QFETCH(QString, chosen);
    QFETCH(int, picture);
    QFETCH(QString, balance);
    TownState town;
    QCOMPARE(placeBuilding(town, chosen.toStdString(), 4), picture);
    QCOMPARE(QString::fromStdString(town.text(Fields::balance)), balance);
    QCOMPARE(town.lotPicture(4), picture);
}

void TestPlacement::unreadableInputChangesNothing_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("picker's design text") << "Text1" << "Text36" << "0";
    QTest::newRow("empty kind") << "" << "Text36" << "0";
    QTest::newRow("balance") << "1" << "Label12" << "abc";
    QTest::newRow("housing") << "1" << "Text26" << "";
    QTest::newRow("commerce") << "1" << "Text27" << "nan";
    QTest::newRow("industry") << "1" << "Text28" << QStringLiteral("１");
}

void TestPlacement::unreadableInputChangesNothing()
{
    QFETCH(QString, chosen);
    QFETCH(QString, field);
    QFETCH(QString, text);
    TownState town;
    town.setText(*fieldNamed(field.toStdString()), text.toStdString());
    const TownState before = town;
    QVERIFY_THROWS_EXCEPTION(FieldError, placeBuilding(town, chosen.toStdString(), 9));
    for (int i = 0; i < kFieldCount; ++i)
        QCOMPARE(town.text(static_cast<Field>(i)), before.text(static_cast<Field>(i)));
    QCOMPARE(town.lotPicture(9), TownState::kBareLand);
}

// Observers see the balance, housing, lot, commerce and industry in that
// order, then the lot's picture.
void TestPlacement::writesBackInTheFixedOrder()
{
    TownState town;
    std::vector<std::string> heard;
    town.onFieldChanged = [&](Field field) { heard.emplace_back(fieldName(field)); };
    town.onLotPictureChanged = [&](int lot) { heard.push_back("Image" + std::to_string(lot)); };
    placeBuilding(town, "9", 5);
    QCOMPARE(heard, (std::vector<std::string>{"Label12", "Text5", "Text27", "Text28", "Image5"}));
    heard.clear();
    placeBuilding(town, "3", 6);
    QCOMPARE(heard, (std::vector<std::string>{"Label12", "Text26", "Text6", "Image6"}));
}

void TestPlacement::lotsOutsideTheTownAreRefused()
{
    TownState town;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, placeBuilding(town, "1", 0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, placeBuilding(town, "1", 26));
    QCOMPARE(town.text(Fields::balance), std::string("1000"));
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
