#include "controlnames.h"
#include "landpricewindow.h"
#include "lotpicker.h"
#include "mainwindow.h"
#include "settingsdialog.h"
#include "windowtesting.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace WindowTesting;

// Every caption of every window fits its control in the game's font, with
// the longest figures normal play produces.
class TestCaptionsFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void textIsJapaneseAtAFixedPixelSize();
    void everyCaptionFits_data();
    void everyCaptionFits();

private:
    std::unique_ptr<MainWindow> m_window;
};

void TestCaptionsFit::initTestCase()
{
    setUpGameApplication();
    m_window = std::make_unique<MainWindow>();
    m_window->clock().stop();
    m_window->show();
    using ControlNames::Command;
    const QStringList openers{ControlNames::kindButton(1), ControlNames::commandButton(Command::LandPrice),
                              ControlNames::commandButton(Command::Settings)};
    for (const QString &opener : openers)
        QTest::mouseClick(child<QPushButton>(m_window.get(), opener), Qt::LeftButton);

    // Fifteen significant digits, a sign and a point: the widest figures the
    // number text rules write.
    TownState &town = m_window->town();
    town.setText(Fields::balance, "-123456789.012345");
    town.setText(Fields::populationDisplay, "123456789012345");
    town.setText(Fields::yearCounter, "9999999");
    town.setText(Fields::totalLandValue, "499.888888888888");
    town.setText(Fields::commerceTotal, "12345678901.2345");
    town.setText(Fields::population, "-123456789.012345");
    // Open again, to show the widest figures.
    for (const QString &opener : openers.mid(1))
        QTest::mouseClick(child<QPushButton>(m_window.get(), opener), Qt::LeftButton);
}

void TestCaptionsFit::cleanupTestCase()
{
    m_window.reset();
}

// A Japanese face at a pixel size, for the windows and their tool-tips alike.
void TestCaptionsFit::textIsJapaneseAtAFixedPixelSize()
{
    const QFont font = QApplication::font();
    QVERIFY(font.pixelSize() > 0);
    QCOMPARE(font.families().value(0), gameFontFamily());
    QCOMPARE(QFontInfo(m_window->font()).family(), gameFontFamily());
    QCOMPARE(QToolTip::font().family(), font.family());
    QCOMPARE(QFontInfo(QToolTip::font()).pixelSize(), font.pixelSize());
}

void TestCaptionsFit::everyCaptionFits_data()
{
    QTest::addColumn<QWidget *>("control");
    const QList<QWidget *> windows{m_window.get(), m_window->lotPicker(), m_window->landPriceWindow(),
                                   m_window->settingsDialog()};
    for (QWidget *window : windows) {
        QVERIFY(window);
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control)
                || qobject_cast<QGroupBox *>(control)) {
                QTest::addRow("%s %s", qPrintable(window->objectName()), qPrintable(control->objectName()))
                    << control;
            }
        }
    }
}

void TestCaptionsFit::everyCaptionFits()
{
    QFETCH(QWidget *, control);
    const QFontMetrics metrics = control->fontMetrics();
    const QStyle *style = control->style();
    QString text;
    int room = control->width();
    int height = control->height();
    if (auto *label = qobject_cast<QLabel *>(control)) {
        text = label->text();
        room = label->contentsRect().width();
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        text = radio->text();
        room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        text = button->text();
        // The text must stay clear of the button's bevel on both sides.
        const int bevel = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        room -= 2 * bevel;
        height -= 2 * bevel;
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        text = frame->title();
        height = metrics.height();
    }
    if (text.isEmpty())
        return;
    QVERIFY2(metrics.horizontalAdvance(text) <= room,
             qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3")
                            .arg(text).arg(metrics.horizontalAdvance(text)).arg(room)));
    QVERIFY2(metrics.height() <= height,
             qPrintable(QStringLiteral("\"%1\" needs %2 px high, has %3").arg(text).arg(metrics.height()).arg(height)));
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
