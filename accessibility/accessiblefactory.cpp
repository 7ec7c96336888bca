#include "accessiblefactory.h"

#include "buttonaccessible.h"
#include "lineeditaccessible.h"
#include "lineshape.h"
#include "optiongroup.h"
#include "spokennotice.h"
#include "spokenstatusbar.h"
#include "textextents.h"
#include "townview.h"
#include "townviewaccessible.h"
#include "windowaccessible.h"
#include "windowframe.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>

namespace {

// A plain interface with a fixed role, where the role Qt would infer from
// the widget's base class is wrong for what the widget does.
template<QAccessible::Role fixedRole>
class AccessibleWithRole : public QAccessibleWidget {
public:
    explicit AccessibleWithRole(QWidget *widget)
        : QAccessibleWidget(widget, fixedRole)
    {
    }
};

// A notice speaks for the game, not for the window it sits in: a screen
// reader that finds it in a dialog says the dialog's title and description
// before every notice (Orca 43), and a run of builds would drown in them.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
};

// Whether Qt asks for the interface of the class Widget, or of one derived from it.
template<typename Widget>
bool asksFor(const QString &className)
{
    return className == QLatin1String(Widget::staticMetaObject.className());
}

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    // The game's windows, whatever their class, and the buttons named by a
    // function: answered when Qt asks by the widget's own class, before it
    // asks its own factory by a class of Qt's.
    if (className == QLatin1String(object->metaObject()->className())) {
        if (widget->isWindow() && WindowFrame::isGameWindow(*widget))
            return new WindowAccessible(widget);
        if (auto *button = qobject_cast<QAbstractButton *>(object)) {
            if (ButtonAccessible::Name name = ButtonAccessible::nameOf(*button))
                return new ButtonAccessible(button, std::move(name));
        }
    }
    if (asksFor<TownView>(className))
        return new TownViewAccessible(static_cast<TownView *>(widget));
    if (asksFor<QLineEdit>(className)) {
        // A reader that meets a text box may ask where its characters stand;
        // if one listens, Qt's bridge is there by now.
        TextExtents::answerBeforeQt();
        return new LineEditAccessible(static_cast<QLineEdit *>(widget));
    }
    if (asksFor<SpokenNotice>(className))
        return new NoticeAccessible(widget);
    if (asksFor<SpokenStatusBar>(className))
        return new AccessibleWithRole<QAccessible::StatusBar>(widget);
    if (asksFor<OptionGroup>(className))
        return new AccessibleWithRole<QAccessible::Client>(widget);
#ifdef Q_OS_WIN
    // Orca passes over a plain widget; UI Automation gives it as a group.
    if (asksFor<LineShape>(className))
        return new AccessibleWithRole<QAccessible::Separator>(widget);
#endif
    return nullptr;
}

} // namespace

void AccessibleFactory::install()
{
    if (!QCoreApplication::instance())
        qFatal("AccessibleFactory::install needs the application: Qt's own factory would answer first");
    QAccessible::installFactory(interfaceFor);
}
