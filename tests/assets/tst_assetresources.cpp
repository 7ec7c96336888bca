#include "assetpaths.h"

#include <QFile>
#include <QImage>
#include <QTest>

// The pictures are built into the program, at the paths the windows use.
class TestAssetResources : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void embeddedPictureMatchesCommittedFile_data();
    void embeddedPictureMatchesCommittedFile();
    void kindOutsideTheCatalogueHasNoPicture();
};

void TestAssetResources::embeddedPictureMatchesCommittedFile_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QSize>("size");

    QTest::newRow("bare land") << bareLandTilePath() << QStringLiteral("tiles/bareland.ico") << QSize(32, 32);
    for (int kind = 1; kind <= 30; ++kind) {
        QTest::addRow("kind %d", kind) << kindTilePath(kind)
                                       << QStringLiteral("tiles/kind%1.ico").arg(kind, 2, 10, QLatin1Char('0'))
                                       << QSize(32, 32);
    }
    QTest::newRow("splash") << splashPicturePath() << QStringLiteral("splash/splash.bmp") << QSize(572, 351);
    QTest::newRow("program icon") << programIconPath() << QStringLiteral("icon/kestavine.ico") << QSize(32, 32);
}

void TestAssetResources::embeddedPictureMatchesCommittedFile()
{
    QFETCH(QString, resource);
    QFETCH(QString, committed);
    QFETCH(QSize, size);

    QVERIFY(resource.startsWith(QLatin1String(":/")));
    QFile embedded(resource);
    QVERIFY2(embedded.open(QIODevice::ReadOnly), qPrintable(resource));
    QFile onDisk(QStringLiteral(KESTAVINE_ASSETS_DIR "/") + committed);
    QVERIFY(onDisk.open(QIODevice::ReadOnly));
    QCOMPARE(embedded.readAll(), onDisk.readAll());

    const QImage picture(resource);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), size);
}

void TestAssetResources::kindOutsideTheCatalogueHasNoPicture()
{
    QVERIFY(kindTilePath(0).isEmpty());
    QVERIFY(kindTilePath(31).isEmpty());
    QCOMPARE(kindTilePath(7), QStringLiteral(":/tiles/kind07.ico"));
    QCOMPARE(kindTilePath(30), QStringLiteral(":/tiles/kind30.ico"));
}

QTEST_MAIN(TestAssetResources)
#include "tst_assetresources.moc"
