#include "catalogue.h"

#include <QSet>
#include <QTest>

// The thirty kinds as the palette sells them.
class TestCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKindHasItsEntry_data();
    void everyKindHasItsEntry();
    void pricesMatchTheirLabelsExceptLowDensityIndustry();
    void lookupComparesNumbers_data();
    void lookupComparesNumbers();
    void lotsAreNamedForWhatStandsOnThem_data();
    void lotsAreNamedForWhatStandsOnThem();
};

void TestCatalogue::everyKindHasItsEntry_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("price");
    QTest::addColumn<QString>("landValue");
    QTest::addColumn<int>("housing");
    QTest::addColumn<int>("commerce");
    QTest::addColumn<int>("industry");

    QTest::newRow("1") << 1 << QStringLiteral("低密度住宅5＄") << QStringLiteral("低密度住宅") << 5 << "1" << 3 << 0 << 0;
    QTest::newRow("2") << 2 << QStringLiteral("高密度住宅10＄") << QStringLiteral("高密度住宅") << 10 << "2" << 6 << 0 << 0;
    QTest::newRow("3") << 3 << QStringLiteral("アパート20＄") << QStringLiteral("アパート") << 20 << "5" << 20 << 0 << 0;
    QTest::newRow("4") << 4 << QStringLiteral("団地1\u300050＄") << QStringLiteral("団地1") << 50 << "2" << 50 << 0 << 0;
    QTest::newRow("5") << 5 << QStringLiteral("団地2\u3000100＄") << QStringLiteral("団地2") << 100 << "2" << 70 << 0 << 0;
    QTest::newRow("6") << 6 << QStringLiteral("低密度商業20＄") << QStringLiteral("低密度商業") << 20 << "5" << 0 << 10 << 0;
    QTest::newRow("7") << 7 << QStringLiteral("高密度商業30＄") << QStringLiteral("高密度商業") << 30 << "10" << 0 << 50 << 0;
    QTest::newRow("8") << 8 << QStringLiteral("デパート100＄") << QStringLiteral("デパート") << 100 << "15" << 0 << 100 << 0;
    QTest::newRow("9") << 9 << QStringLiteral("事務所50＄") << QStringLiteral("事務所") << 50 << "15" << 0 << 20 << 50;
    QTest::newRow("10") << 10 << QStringLiteral("本社200＄") << QStringLiteral("本社") << 200 << "20" << 0 << 50 << 100;
    // Road and rail pieces share a tool tip; their names say which tile edges they reach.
    const char16_t *roads[] = {u"直線 右上と左下", u"直線 左上と右下", u"カーブ 右上と右下", u"カーブ 左下と右下",
                               u"カーブ 左上と左下", u"カーブ 左上と右上", u"T字路 右上以外", u"T字路 右下以外",
                               u"T字路 左上以外", u"T字路 左下以外", u"十字路"};
    for (int kind = 11; kind <= 21; ++kind)
        QTest::addRow("%d road", kind) << kind << QStringLiteral("道路5＄")
                                       << QStringLiteral("道路 ") + QString::fromUtf16(roads[kind - 11]) << 5 << "5"
                                       << 0 << 0 << 0;
    for (int kind = 22; kind <= 27; ++kind)
        QTest::addRow("%d rail", kind) << kind << QStringLiteral("線路10＄")
                                       << QStringLiteral("線路 ") + QString::fromUtf16(roads[kind - 22]) << 10 << "0"
                                       << 0 << 0 << 0;
    QTest::newRow("28") << 28 << QStringLiteral("駅50＄") << QStringLiteral("駅") << 50 << "20" << 0 << 0 << 0;
    QTest::newRow("29") << 29 << QStringLiteral("低密度工業50＄") << QStringLiteral("低密度工業") << 30 << "1" << 0 << 0 << 50;
    QTest::newRow("30") << 30 << QStringLiteral("高密度工業50＄") << QStringLiteral("高密度工業") << 50 << "1" << 0 << 0 << 100;
}

void TestCatalogue::everyKindHasItsEntry()
{
    QFETCH(int, kind);
    QFETCH(QString, toolTip);
    QFETCH(QString, name);
    QFETCH(int, price);
    QFETCH(QString, landValue);
    QFETCH(int, housing);
    QFETCH(int, commerce);
    QFETCH(int, industry);

    const BuildingKind *entry = findKind(kind);
    QVERIFY(entry);
    QCOMPARE(entry->number, kind);
    QCOMPARE(QString::fromUtf8(entry->toolTip.data(), qsizetype(entry->toolTip.size())), toolTip);
    QCOMPARE(QString::fromUtf8(entry->name.data(), qsizetype(entry->name.size())), name);
    QCOMPARE(entry->price, price);
    QCOMPARE(QString::fromUtf8(entry->landValue.data(), qsizetype(entry->landValue.size())), landValue);
    QCOMPARE(entry->housing, housing);
    QCOMPARE(entry->commerce, commerce);
    QCOMPARE(entry->industry, industry);
}

// Every label ends in its price and a full-width dollar sign; only kind 29
// charges less than it says.
void TestCatalogue::pricesMatchTheirLabelsExceptLowDensityIndustry()
{
    for (const BuildingKind &kind : kCatalogue) {
        QString label = QString::fromUtf8(kind.toolTip.data(), qsizetype(kind.toolTip.size()));
        QVERIFY(label.endsWith(QChar(0xFF04)));
        label.chop(1);
        qsizetype digits = 0;
        while (digits < label.size() && label.at(label.size() - 1 - digits).isDigit()
               && label.at(label.size() - 1 - digits).unicode() < 0x80)
            ++digits;
        const int labelled = label.right(digits).toInt();
        const std::string_view shown = shownPrice(kind);
        QCOMPARE(QString::fromUtf8(shown.data(), qsizetype(shown.size())), label.right(digits) + QChar(0xFF04));
        if (kind.number == 29)
            QCOMPARE(std::pair(labelled, kind.price), std::pair(50, 30));
        else
            QCOMPARE(kind.price, labelled);
    }
}

void TestCatalogue::lookupComparesNumbers_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("kind");
    QTest::newRow("first") << 1.0 << 1;
    QTest::newRow("last") << double(kKindCount) << kKindCount;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("past the end") << double(kKindCount + 1) << 0;
    QTest::newRow("fraction") << 2.5 << 0;
    QTest::newRow("negative") << -7.0 << 0;
}

void TestCatalogue::lookupComparesNumbers()
{
    QFETCH(double, number);
    QFETCH(int, kind);
    const BuildingKind *entry = findKind(number);
    QCOMPARE(entry ? entry->number : 0, kind);
}

void TestCatalogue::lotsAreNamedForWhatStandsOnThem_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("name");
    QTest::newRow("bare land") << 0 << QStringLiteral("空き地");
    QTest::newRow("one-digit price") << 1 << QStringLiteral("低密度住宅");
    QTest::newRow("space before the price") << 4 << QStringLiteral("団地1");
    QTest::newRow("three-digit price") << 10 << QStringLiteral("本社");
    QTest::newRow("price unlike the charge") << 29 << QStringLiteral("低密度工業");
    QTest::newRow("last kind") << 30 << QStringLiteral("高密度工業");
    QTest::newRow("no such picture") << kKindCount + 1 << QStringLiteral("空き地");
}

// A screen reader names a lot for its building: the kind's name.
void TestCatalogue::lotsAreNamedForWhatStandsOnThem()
{
    QFETCH(int, picture);
    QFETCH(QString, name);
    const std::string_view standing = standingName(picture);
    QCOMPARE(QString::fromUtf8(standing.data(), qsizetype(standing.size())), name);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
