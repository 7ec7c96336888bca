#include "optiongroup.h"

#include "accessiblefactory.h"

OptionGroup::OptionGroup(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    installAccessibleRole<OptionGroup, QAccessible::Client>();
    // The name the options' labels give.
    setAccessibleName(caption);
}
