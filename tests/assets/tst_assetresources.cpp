#include "assetpaths.h"
#include "catalogue.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

// The pictures are built into the program, at the paths the windows use.
class TestAssetResources : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void embeddedPictureMatchesCommittedFile_data();
    void embeddedPictureMatchesCommittedFile();
    void everyKindHasOnePictureAndNoPictureLacksAKind();
};

void TestAssetResources::embeddedPictureMatchesCommittedFile_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QSize>("size");

    QTest::newRow("bare land") << bareLandTilePath() << bareLandTileFile() << QSize(32, 32);
    for (const BuildingKind &kind : kCatalogue)
        QTest::addRow("kind %d", kind.number) << kindTilePath(kind.number) << kindTileFile(kind.number) << QSize(32, 32);
    QTest::newRow("splash") << splashPicturePath() << splashPictureFile() << QSize(572, 351);
    QTest::newRow("program icon") << programIconPath() << programIconFile() << QSize(32, 32);
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

// The program embeds whatever pictures the generator wrote: one for each kind
// and bare land, and none left over from a kind that is gone.
void TestAssetResources::everyKindHasOnePictureAndNoPictureLacksAKind()
{
    QStringList expected{bareLandTilePath()};
    for (const BuildingKind &kind : kCatalogue)
        expected << QStringLiteral(":/") + kindTileFile(kind.number);
    QStringList embedded;
    for (const QString &name : QDir(QStringLiteral(":/tiles")).entryList(QDir::Files))
        embedded << QStringLiteral(":/tiles/") + name;
    expected.sort();
    QCOMPARE(embedded, expected);
    QCOMPARE(kindTilePath(7), QStringLiteral(":/tiles/kind07.ico"));
    QVERIFY(kindTilePath(0).isEmpty());
    QVERIFY(kindTilePath(kKindCount + 1).isEmpty());
}

QTEST_MAIN(TestAssetResources)
#include "tst_assetresources.moc"
