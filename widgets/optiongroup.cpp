#include "optiongroup.h"

OptionGroup::OptionGroup(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    // The name the options' labels give.
    setAccessibleName(caption);
}
