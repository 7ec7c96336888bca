#include "everywindow.h"
#include "gamefont.h"
#include "windowtesting.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <optional>

// The game draws its text in a font of its own that holds every character it
// shows, and that font draws the same glyphs whatever the player's locale.
class TestGameFont : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyShownCharacterIsInTheGameFont();
    void drawsLikeTheFontItIsCutFrom();
    void textLooksTheSameUnderEveryLocale_data();
    void textLooksTheSameUnderEveryLocale();

private:
    QString makeLocale(const QString &name);
    QImage sample(const QString &locale, const QString &locales, const QString &family = {});
    QImage gameFontUnderC();

    QTemporaryDir m_scratch;
    std::optional<QImage> m_gameFontUnderC;
};

void TestGameFont::initTestCase()
{
    WindowTesting::setUpGameApplication();
    QVERIFY2(!gameFontFamily().isEmpty(), "the game's font did not register");
    QVERIFY(m_scratch.isValid());
}

// Every window, message box included, draws in the game's font, and every
// character it shows is in it: a caption added later cannot fall back to
// another font unnoticed.
void TestGameFont::everyShownCharacterIsInTheGameFont()
{
    const QRawFont font = QRawFont::fromFont(gameFont());
    QCOMPARE(font.familyName(), gameFontFamily());
    QStringList otherFonts;
    QMap<char32_t, QString> missing; // each character once, with where it was first seen
    int checked = 0;
    EveryWindow::visit([&](QWidget &window) {
        QList<QWidget *> widgets = window.findChildren<QWidget *>();
        widgets << &window;
        for (const QWidget *widget : widgets) {
            if (const QString family = QFontInfo(widget->font()).family(); family != gameFontFamily())
                otherFonts << QStringLiteral("%1 %2: %3").arg(window.objectName(), widget->objectName(), family);
        }
        for (const QString &text : EveryWindow::textsOf(window)) {
            for (char32_t character : text.toUcs4()) {
                ++checked;
                if (QChar::isPrint(character) && !font.supportsCharacter(character) && !missing.contains(character))
                    missing.insert(character, QStringLiteral("U+%1 in \"%2\" of %3")
                                                  .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
                                                  .arg(text, window.objectName()));
            }
        }
    });
    QVERIFY2(otherFonts.isEmpty(), qPrintable(otherFonts.join(QLatin1Char('\n'))));
    QVERIFY(checked > 500);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringList(missing.values()).join(QLatin1Char('\n'))));
}

// Under a locale without a CJK language the game looks as it did in the
// system's Noto Sans CJK JP, whose metrics its layouts were made for.
void TestGameFont::drawsLikeTheFontItIsCutFrom()
{
#ifdef Q_OS_WIN
    QSKIP("the system's Noto Sans CJK JP is Linux's");
#endif
    const QImage system = sample(QStringLiteral("C.UTF-8"), {}, QStringLiteral("Noto Sans CJK JP"));
    QVERIFY(!system.isNull());
    QCOMPARE(gameFontUnderC(), system);
}

void TestGameFont::textLooksTheSameUnderEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("Simplified Chinese") << QStringLiteral("zh_CN");
    QTest::newRow("Traditional Chinese") << QStringLiteral("zh_TW");
    QTest::newRow("Korean") << QStringLiteral("ko_KR");
}

// HarfBuzz takes its language from LC_CTYPE, and a CJK font's language forms
// would then turn the Japanese glyphs into Chinese or Korean ones.
void TestGameFont::textLooksTheSameUnderEveryLocale()
{
#ifdef Q_OS_WIN
    QSKIP("compiles glibc locales, and compares with the system's Noto Sans CJK JP");
#endif
    QFETCH(QString, locale);
    const QString locales = makeLocale(locale + QStringLiteral(".UTF-8"));
    QVERIFY(!locales.isEmpty());
    const QImage underC = gameFontUnderC();
    const QImage underLocale = sample(locale + QStringLiteral(".UTF-8"), locales);
    QVERIFY(!underC.isNull() && !underLocale.isNull());
    QCOMPARE(underLocale.size(), underC.size());
    int differing = 0;
    for (int y = 0; y < underC.height(); ++y) {
        for (int x = 0; x < underC.width(); ++x)
            differing += underC.pixel(x, y) != underLocale.pixel(x, y);
    }
    QCOMPARE(differing, 0);

    // The system's Japanese font does change under this locale: without that
    // the locale would not have taken effect, and the comparison proves nothing.
    const QString system = QStringLiteral("Noto Sans CJK JP");
    QVERIFY2(sample(QStringLiteral("C.UTF-8"), {}, system) != sample(locale + QStringLiteral(".UTF-8"), locales, system),
             "the locale changes nothing even in Noto Sans CJK JP");
}

QImage TestGameFont::gameFontUnderC()
{
    if (!m_gameFontUnderC)
        m_gameFontUnderC = sample(QStringLiteral("C.UTF-8"), {});
    return *m_gameFontUnderC;
}

// Compiles a locale into the scratch folder, so the test needs no locale
// installed on the machine, only the locales package's sources.
QString TestGameFont::makeLocale(const QString &name)
{
    const QString folder = m_scratch.filePath(QStringLiteral("locale"));
    const QString target = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(target))
        return folder;
    QDir().mkpath(folder);
    QProcess localedef;
    localedef.setProcessChannelMode(QProcess::MergedChannels);
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), name.section(QLatin1Char('.'), 0, 0), QStringLiteral("-f"),
                     QStringLiteral("UTF-8"), target});
    // localedef answers 1 for mere warnings; the compiled locale is what counts.
    if (!localedef.waitForFinished(60000) || !QFileInfo::exists(target + QStringLiteral("/LC_CTYPE"))) {
        qWarning("localedef could not make %s (is the locales package installed?): %s", qPrintable(name),
                 localedef.readAll().constData());
        return {};
    }
    return folder;
}

QImage TestGameFont::sample(const QString &locale, const QString &locales, const QString &family)
{
    const QString picture = m_scratch.filePath(QStringLiteral("sample.png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    if (locales.isEmpty())
        environment.remove(QStringLiteral("LOCPATH"));
    else
        environment.insert(QStringLiteral("LOCPATH"), locales);
    QProcess sampler;
    sampler.setProcessEnvironment(environment);
    sampler.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{picture};
    if (!family.isEmpty())
        arguments << family;
    sampler.start(QStringLiteral(KESTAVINE_TEXTSAMPLER), arguments);
    if (!sampler.waitForFinished(60000) || sampler.exitStatus() != QProcess::NormalExit || sampler.exitCode() != 0) {
        qWarning("textsampler failed under %s: %s", qPrintable(locale), sampler.readAll().constData());
        return {};
    }
    return QImage(picture);
}

QTEST_MAIN(TestGameFont)
#include "tst_gamefont.moc"
