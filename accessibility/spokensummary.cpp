#include "spokensummary.h"

SpokenSummary::SpokenSummary(QWidget *window)
    : QLabel(window)
{
    setObjectName(QStringLiteral("spokenSummary"));
    // Just past the right edge: shown, as a screen reader needs, but never in view.
    setGeometry(window->width(), 0, 1, 1);
}

void SpokenSummary::say(const QString &text)
{
    setAccessibleName(text);
}
