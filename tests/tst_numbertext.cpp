#include "numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>

using NumberText::formatNumber;
using NumberText::parseNumber;

// The text form every field uses: what is written must read back as the same number.
class TestNumberText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesGeneralFormat_data();
    void writesGeneralFormat();
    void negativeZeroIsWrittenAsZero();
    void readsWhatAPersonTypes_data();
    void readsWhatAPersonTypes();
    void refusesTextThatIsNotAFiniteNumber_data();
    void refusesTextThatIsNotAFiniteNumber();
    void onlyValuesWhoseTextReadsBackAreWritable_data();
    void onlyValuesWhoseTextReadsBackAreWritable();
    void everyWrittenTextReadsBackToItsFifteenDigitValue_data();
    void everyWrittenTextReadsBackToItsFifteenDigitValue();
};

void TestNumberText::writesGeneralFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << 990.0 << "990";
    QTest::newRow("negative integer") << -105.0 << "-105";
    QTest::newRow("half") << 982.5 << "982.5";
    QTest::newRow("below one has a leading zero") << 0.5 << "0.5";
    QTest::newRow("negative fraction") << -0.25 << "-0.25";
    QTest::newRow("single-precision addend shows its double expansion")
        << double(7.055475f) << "7.05547523498535";
    QTest::newRow("fifteen significant digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("rounding at the fifteenth digit") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("trailing zeros dropped") << 1.1 + 2.2 << "3.3";
    QTest::newRow("largest plain integer") << 999999999999999.0 << "999999999999999";
    QTest::newRow("exponent from 10^15") << 1e15 << "1e+15";
    QTest::newRow("negative large") << -2.5e20 << "-2.5e+20";
    QTest::newRow("very small") << 1e-5 << "1e-05";
    QTest::newRow("almost an integer") << 4.9999999999999999e2 << "500";
}

void TestNumberText::writesGeneralFormat()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatNumber(value)), text);
}

// std::to_chars writes "-0", which no field should ever show.
void TestNumberText::negativeZeroIsWrittenAsZero()
{
    QCOMPARE(formatNumber(-0.0), std::string("0"));
    QCOMPARE(formatNumber(10.0 - 10.0 * 1.0 - 0.0 * -1.0), std::string("0"));
    QCOMPARE(formatNumber(-1e-300 * 1e-300), std::string("0"));
}

void TestNumberText::readsWhatAPersonTypes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("initial balance") << "1000" << 1000.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("negative") << "-197" << -197.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("blanks around") << "  12 \t" << 12.0;
    QTest::newRow("no digit before the point") << ".5" << 0.5;
    QTest::newRow("no digit after the point") << "5." << 5.0;
    QTest::newRow("exponent") << "1e+15" << 1e15;
    QTest::newRow("small exponent") << "1e-05" << 1e-5;
    QTest::newRow("capital exponent") << "2E3" << 2000.0;
    QTest::newRow("negative zero") << "-0" << 0.0;
}

void TestNumberText::readsWhatAPersonTypes()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto parsed = parseNumber(text.toStdString());
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, value);
}

void TestNumberText::refusesTextThatIsNotAFiniteNumber_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("word") << "abc";
    QTest::newRow("initial land value caption") << "Text29";
    QTest::newRow("full-width digits") << QStringLiteral("１０");
    QTest::newRow("ideographic space around") << QStringLiteral("\u300010");
    QTest::newRow("nan") << "nan";
    QTest::newRow("inf") << "inf";
    QTest::newRow("negative infinity") << "-infinity";
    QTest::newRow("overflow") << "1e999";
    QTest::newRow("thousands separator") << "1,000";
    QTest::newRow("decimal comma") << "2,5";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("two signs") << "+-5";
    QTest::newRow("sign alone") << "+";
    QTest::newRow("trailing word") << "10abc";
    QTest::newRow("inner blank") << "1 0";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("two numbers joined") << "10.5.5";
}

void TestNumberText::refusesTextThatIsNotAFiniteNumber()
{
    QFETCH(QString, text);
    QVERIFY(!parseNumber(text.toStdString()).has_value());
}

void TestNumberText::onlyValuesWhoseTextReadsBackAreWritable_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("writable");
    QTest::newRow("ordinary") << 990.0 << true;
    QTest::newRow("largest writable") << 1.79769313486231e308 << true;
    QTest::newRow("rounds past the largest double") << 1.7976931348623157e308 << false;
    QTest::newRow("negative rounds past") << -1.7976931348623157e308 << false;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min() << true;
    QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << true;
    QTest::newRow("zero") << 0.0 << true;
}

// A value that is written must read back, or the field would be lost to every later rule.
void TestNumberText::onlyValuesWhoseTextReadsBackAreWritable()
{
    QFETCH(double, value);
    QFETCH(bool, writable);
    QCOMPARE(NumberText::isWritable(value), writable);
    if (writable)
        QVERIFY(parseNumber(formatNumber(value)).has_value());
}

void TestNumberText::everyWrittenTextReadsBackToItsFifteenDigitValue_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("addend") << double(0.3f * 10.0f);
    QTest::newRow("large") << 123456789.123456789;
    QTest::newRow("largest writable") << 1.79769313486231e308;
    QTest::newRow("tiny") << 2.2250738585072014e-308;
    QTest::newRow("negative tiny") << -3.5e-200;
    QTest::newRow("max int in double") << 9007199254740993.0;
}

void TestNumberText::everyWrittenTextReadsBackToItsFifteenDigitValue()
{
    QFETCH(double, value);
    const std::string text = formatNumber(value);
    const auto parsed = parseNumber(text);
    QVERIFY2(parsed.has_value(), text.c_str());
    // Fifteen digits lose at most half a unit in the fifteenth place.
    QVERIFY(std::fabs(*parsed - value) <= std::fabs(value) * 5e-15);
    // And writing the read-back value again is stable.
    QCOMPARE(formatNumber(*parsed), text);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
