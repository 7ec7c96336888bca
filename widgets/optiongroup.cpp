#include "optiongroup.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *optionGroupFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("OptionGroup") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Client);
    return nullptr;
}

} // namespace

OptionGroup::OptionGroup(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    QAccessible::installFactory(optionGroupFactory);
    // The name the options' labels give.
    setAccessibleName(caption);
}
