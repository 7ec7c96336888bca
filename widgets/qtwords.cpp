#include "qtwords.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtWords()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application->findChild<QTranslator *>(QStringLiteral("qtWords")))
        return;
    auto *words = new QTranslator(application);
    words->setObjectName(QStringLiteral("qtWords"));
    // Beside the program where it brings its own Qt (the Windows zip), in the
    // program itself (the web page), else where the system's Qt keeps its
    // translations.
    const QString folders[] = {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                               QStringLiteral(":/translations"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &folder : folders) {
        if (words->load(QStringLiteral("qtbase_ja"), folder)) {
            QCoreApplication::installTranslator(words);
            return;
        }
    }
    // Without it only Qt's own words stay English.
    delete words;
}
