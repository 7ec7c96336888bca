#include "controlnames.h"
#include "mainwindow.h"
#include "splashwindow.h"
#include "windowtesting.h"

#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using namespace WindowTesting;

// The windows stand at the centre of the screen as the player sees them,
// frame and all. Runs on an X server of its own under a real window manager
// (withwindowmanager.sh), which frames the windows only once they are mapped.
class TestFramedWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void windowsAreCentredWithTheirFrames_data();
    void windowsAreCentredWithTheirFrames();
};

namespace {

// The window's frame as the display server holds it: the window manager's
// frame around the window, or the window itself when it has none.
QRect frameOnScreen(const QWidget *window)
{
    const auto xwininfo = [](const QStringList &arguments) {
        QProcess process;
        process.start(QStringLiteral("xwininfo"), arguments);
        process.waitForFinished();
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    };
    const QString id = QString::number(window->winId());
    const QString tree = xwininfo({QStringLiteral("-children"), QStringLiteral("-id"), id});
    const QString root = QRegularExpression(QStringLiteral("Root window id: (0x[0-9a-f]+)")).match(tree).captured(1);
    QString frame = QRegularExpression(QStringLiteral("Parent window id: (0x[0-9a-f]+)")).match(tree).captured(1);
    if (frame.isEmpty() || frame == root)
        frame = id;
    const QString info = xwininfo({QStringLiteral("-id"), frame});
    const auto field = [&info](const char *name) {
        return QRegularExpression(QString::fromLatin1(name) + QStringLiteral(":\\s+(-?\\d+)")).match(info).captured(1).toInt();
    };
    return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
}

// How far the frame's centre lies from the screen's, in pixels (halves when a
// size is odd).
QPointF offCentre(QRect frame)
{
    return QRectF(frame).center() - QRectF(QGuiApplication::primaryScreen()->availableGeometry()).center();
}

} // namespace

void TestFramedWindows::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    setUpGameApplication();
}

void TestFramedWindows::cleanup()
{
    deleteAllWindows();
}

void TestFramedWindows::windowsAreCentredWithTheirFrames_data()
{
    using namespace ControlNames;
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<qreal>("tolerance");
    // The splash has no frame; the others are off centre by the frame's height
    // unless their frames are taken into account.
    QTest::newRow("splash") << QString::fromLatin1(kSplashWindow) << QString() << 1.0;
    QTest::newRow("main window") << QString::fromLatin1(kMainWindow) << QString() << 2.0;
    for (const QString &opener : {kindButton(1), commandButton(Command::LandPrice), commandButton(Command::Settings)})
        QTest::newRow(qPrintable(opener)) << windowOpenedBy(opener) << opener << 2.0;
}

void TestFramedWindows::windowsAreCentredWithTheirFrames()
{
    QFETCH(QString, window);
    QFETCH(QString, opener);
    QFETCH(qreal, tolerance);

    QWidget *shown = nullptr;
    if (window == QLatin1String(ControlNames::kSplashWindow)) {
        shown = new SplashWindow;
        shown->show();
    } else {
        auto *mainWindow = new MainWindow;
        mainWindow->clock().stop();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
        if (!opener.isEmpty())
            child<QPushButton>(mainWindow, opener)->click();
        for (QWidget *topLevel : QApplication::topLevelWidgets()) {
            if (topLevel->objectName() == window && topLevel->isVisible())
                shown = topLevel;
        }
    }
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    // The window manager frames and places the window a moment after it is mapped.
    QRect frame;
    const auto centred = [&] {
        frame = frameOnScreen(shown);
        const QPointF off = offCentre(frame);
        return qAbs(off.x()) <= tolerance && qAbs(off.y()) <= tolerance;
    };
    QTRY_VERIFY2(centred(), qPrintable(QStringLiteral("frame %1,%2 %3x%4 is off centre by %5, %6")
                                           .arg(frame.x())
                                           .arg(frame.y())
                                           .arg(frame.width())
                                           .arg(frame.height())
                                           .arg(offCentre(frame).x())
                                           .arg(offCentre(frame).y())));
}

QTEST_MAIN(TestFramedWindows)
#include "tst_framedwindows.moc"
