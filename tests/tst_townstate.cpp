#include "fielderror.h"
#include "policyfigures.h"
#include "townedit.h"
#include "townstate.h"

#include <QTest>

#include <limits>
#include <vector>

// The forty fields: their initial texts, and edits that land whole or not at all.
class TestTownState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheInitialTexts_data();
    void startsWithTheInitialTexts();
    void fieldNamesRoundTrip();
    void readingTextThatIsNotANumberNamesTheField();
    void anEditReadsBackItsOwnWritesAsText();
    void aDroppedEditChangesNothing();
    void longTextsSurviveBeingCopiedBetweenFields();
    void anUnwritableNumberIsRefused_data();
    void anUnwritableNumberIsRefused();
    void observersHearEachChangedFieldOnceAfterTheWholeEdit();
    void lotPicturesStartBareAndReportChanges();
};

void TestTownState::startsWithTheInitialTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    for (int lot = 1; lot <= kLotCount; ++lot)
        QTest::addRow("lot %d", lot) << QString("Text%1").arg(lot) << "0";
    QTest::newRow("housing") << "Text26" << "0";
    QTest::newRow("commerce") << "Text27" << "0";
    QTest::newRow("industry") << "Text28" << "0";
    QTest::newRow("land value") << "Text29" << "Text29";
    QTest::newRow("population") << "Text30" << "0";
    QTest::newRow("product") << "Text31" << "0";
    QTest::newRow("expenditure") << "Text33" << "0";
    // Each figure as its record starts it; a spare field no figure uses, 0.
    for (Field field : {Field::Text32, Field::Text34, Field::Text35, Field::Text36, Field::Text37}) {
        const PolicyFigure *figure = policyFigureIn(field);
        QTest::addRow("%s", fieldName(field).data())
            << QString::fromLatin1(fieldName(field).data()) << QString::fromUtf8(figure ? figure->start.data() : "0");
    }
    QTest::newRow("balance") << "Label12" << "1000";
    QTest::newRow("population display") << "Label14" << "";
    QTest::newRow("year") << "Label23" << "0";
}

void TestTownState::startsWithTheInitialTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    const auto field = fieldNamed(name.toStdString());
    QVERIFY(field.has_value());
    TownState town;
    QCOMPARE(QString::fromStdString(town.text(*field)), text);
}

void TestTownState::fieldNamesRoundTrip()
{
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        QCOMPARE(fieldNamed(fieldName(field)), std::optional<Field>(field));
    }
    QVERIFY(!fieldNamed("Text38").has_value());
    QVERIFY(!fieldNamed("Label13").has_value());
}

void TestTownState::readingTextThatIsNotANumberNamesTheField()
{
    TownState town;
    try {
        (void)town.number(Fields::totalLandValue);
        QFAIL("the initial land value text is not a number");
    } catch (const FieldError &error) {
        QCOMPARE(error.field(), std::optional<Field>(Field::Text29));
        QCOMPARE(error.reason(), FieldError::Reason::NotANumber);
        QCOMPARE(error.text(), std::string("Text29"));
    }
}

// A later step sees what an earlier step wrote, cut to its text form.
void TestTownState::anEditReadsBackItsOwnWritesAsText()
{
    TownState town;
    TownEdit edit(town);
    edit.setNumber(Fields::balance, 1.0 / 3.0);
    QCOMPARE(edit.text(Fields::balance), std::string_view("0.333333333333333"));
    QCOMPARE(edit.number(Fields::balance), 0.333333333333333);
    QCOMPARE(town.text(Fields::balance), std::string("1000"));
    edit.commit();
    QCOMPARE(town.text(Fields::balance), std::string("0.333333333333333"));
}

void TestTownState::aDroppedEditChangesNothing()
{
    TownState town;
    const TownState before = town;
    try {
        TownEdit edit(town);
        edit.setNumber(Fields::balance, 5);
        edit.setText(Fields::consumptionTax, "abc");
        (void)edit.number(Fields::consumptionTax);
        edit.commit();
        QFAIL("reading abc must throw");
    } catch (const FieldError &) {
    }
    for (int i = 0; i < kFieldCount; ++i)
        QCOMPARE(town.text(static_cast<Field>(i)), before.text(static_cast<Field>(i)));
}

// Typed figures may be of any length; copying one pending text to another
// field must not read a text that has moved.
void TestTownState::longTextsSurviveBeingCopiedBetweenFields()
{
    TownState town;
    const std::string longText(200, '7');
    TownEdit edit(town);
    edit.setText(Field::Text32, longText);
    for (Field target : {Field::Text34, Field::Text35, Field::Text36, Field::Text37, Field::Text33})
        edit.setText(target, edit.text(Field::Text32));
    edit.setText(Field::Text32, edit.text(Field::Text32));
    edit.setText(Field::Text34, "short");
    edit.setText(Field::Text34, edit.text(Field::Text34));
    edit.commit();
    for (Field field : {Field::Text32, Field::Text35, Field::Text36, Field::Text37, Field::Text33})
        QCOMPARE(town.text(field), longText);
    QCOMPARE(town.text(Field::Text34), std::string("short"));
}

void TestTownState::anUnwritableNumberIsRefused_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("largest double") << std::numeric_limits<double>::max();
}

void TestTownState::anUnwritableNumberIsRefused()
{
    QFETCH(double, value);
    TownState town;
    try {
        town.setNumber(Fields::balance, value);
        QFAIL("an unwritable number must be refused");
    } catch (const FieldError &error) {
        QCOMPARE(error.reason(), FieldError::Reason::OutOfRange);
    }
    QCOMPARE(town.text(Fields::balance), std::string("1000"));
}

void TestTownState::observersHearEachChangedFieldOnceAfterTheWholeEdit()
{
    TownState town;
    std::vector<std::pair<Field, std::string>> heard;
    town.onFieldChanged = [&](Field field) { heard.emplace_back(field, town.text(field)); };

    TownEdit edit(town);
    edit.setNumber(Fields::balance, 990);
    edit.setNumber(Fields::yearCounter, 0); // unchanged text: no notice
    edit.setNumber(Fields::balance, 980);
    edit.setText(Fields::populationDisplay, "0");
    QVERIFY(heard.empty());
    edit.commit();

    const std::vector<std::pair<Field, std::string>> expected{
        {Fields::balance, "980"}, {Fields::populationDisplay, "0"}};
    QCOMPARE(heard, expected);
}

void TestTownState::lotPicturesStartBareAndReportChanges()
{
    TownState town;
    for (int lot = 1; lot <= kLotCount; ++lot)
        QCOMPARE(town.lotPicture(lot), TownState::kBareLand);
    std::vector<int> changedLots;
    town.onLotPictureChanged = [&](int lot) { changedLots.push_back(lot); };
    town.setLotPicture(7, 1);
    town.setLotPicture(7, 1);
    town.setLotPicture(25, 30);
    QCOMPARE(changedLots, (std::vector<int>{7, 25}));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, town.lotPicture(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, town.setLotPicture(26, 1));
}

QTEST_APPLESS_MAIN(TestTownState)
#include "tst_townstate.moc"
