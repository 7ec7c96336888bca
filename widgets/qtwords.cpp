#include "qtwords.h"

#include <QCoreApplication>
#include <QTranslator>

void installQtWords()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application->findChild<QTranslator *>(QStringLiteral("qtWords")))
        return;
    auto *words = new QTranslator(application);
    words->setObjectName(QStringLiteral("qtWords"));
    if (!words->load(QStringLiteral(":/translations/qtbase_ja.qm"))) {
        qWarning("Qt's Japanese words are missing from the program; Qt's menus speak English");
        delete words;
        return;
    }
    QCoreApplication::installTranslator(words);
}
