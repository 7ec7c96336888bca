#include "screenfit.h"

#include <QTest>

// Windows shrink just enough for a small page (a phone held sideways), and
// never grow or vanish.
class TestScreenFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowsShrinkOnlyToFit_data();
    void windowsShrinkOnlyToFit();
};

void TestScreenFit::windowsShrinkOnlyToFit_data()
{
    QTest::addColumn<QSizeF>("available");
    QTest::addColumn<qreal>("scale");
    // A window of 572 x 401 pixels, on pages of several sizes.
    QTest::newRow("800 x 600") << QSizeF(800, 600) << 1.0;
    QTest::newRow("exactly the window") << QSizeF(572, 401) << 1.0;
    QTest::newRow("phone, sideways") << QSizeF(844, 340) << 0.84;
    QTest::newRow("phone, upright") << QSizeF(390, 760) << 0.68;
    QTest::newRow("both too small: the tighter wins") << QSizeF(286, 350) << 0.5;
    QTest::newRow("not laid out yet") << QSizeF(0, 0) << 1.0;
    QTest::newRow("a speck") << QSizeF(2, 2) << 0.01;
}

void TestScreenFit::windowsShrinkOnlyToFit()
{
    QFETCH(QSizeF, available);
    QFETCH(qreal, scale);
    QCOMPARE(ScreenFit::scale(available, QSizeF(572, 401)), scale);
}

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
