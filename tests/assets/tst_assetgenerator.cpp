#include "catalogue.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The committed pictures are exactly what the generator draws.
class TestAssetGenerator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void generatorReproducesCommittedFilesByteForByte();
};

namespace {

QStringList picturesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.ico"), QStringLiteral("*.bmp"), QStringLiteral("*.cmake")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestAssetGenerator::generatorReproducesCommittedFilesByteForByte()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess generator;
    generator.start(QStringLiteral(KESTAVINE_ASSETGEN), {out.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);

    const QStringList made = picturesUnder(out.path());
    QCOMPARE(made, picturesUnder(QStringLiteral(KESTAVINE_ASSETS_DIR)));
    // Bare land, a tile for each kind, the splash, the program icon and their list.
    QCOMPARE(made.size(), kKindCount + 4);
    for (const QString &name : made) {
        const QByteArray fresh = contents(out.filePath(name));
        QVERIFY2(!fresh.isEmpty(), qPrintable(name));
        QVERIFY2(fresh == contents(QStringLiteral(KESTAVINE_ASSETS_DIR "/") + name),
                 qPrintable(name + QStringLiteral(" differs from the committed file; rerun the generator")));
    }
}

QTEST_MAIN(TestAssetGenerator)
#include "tst_assetgenerator.moc"
