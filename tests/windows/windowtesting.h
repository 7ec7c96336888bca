#pragma once

#include "accessiblefactory.h"
#include "field.h"
#include "gamefont.h"
#include "qtwords.h"
#include "townstate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <array>
#include <string>

// Helpers shared by the window tests.
namespace WindowTesting {

// The program's own name, accessible interfaces, font and Qt's words, as the
// game's start-up sets them.
inline void setUpGameApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    AccessibleFactory::install();
    installGameFont();
    installQtWords();
}

// The named child, failing the test when it is missing.
template<typename T>
T *child(const QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no child %s in %s", qPrintable(name), qPrintable(parent->objectName()));
    return found;
}

// Every field's text and every lot's picture, to show that nothing changed.
struct TownSnapshot {
    std::array<std::string, kFieldCount> texts;
    std::array<int, kLotCount> pictures;

    explicit TownSnapshot(const TownState &town)
    {
        for (int i = 0; i < kFieldCount; ++i)
            texts[static_cast<std::size_t>(i)] = town.text(static_cast<Field>(i));
        for (int lot = 1; lot <= kLotCount; ++lot)
            pictures[static_cast<std::size_t>(lot - 1)] = town.lotPicture(lot);
    }

    friend bool operator==(const TownSnapshot &, const TownSnapshot &) = default;
};

// Lets windows closed with WA_DeleteOnClose actually go.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Deletes every top-level window, minding the windows that others own and
// delete along with themselves.
inline void deleteAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    flushDeletes();
}

// Closes a shown window the way its close box does: the window system asks
// the native window to close.
inline void pressCloseBox(QWidget *window)
{
    QCloseEvent request;
    QCoreApplication::sendEvent(window->windowHandle(), &request);
}

} // namespace WindowTesting
