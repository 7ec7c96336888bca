#include "spokensummary.h"

SpokenSummary::SpokenSummary(QWidget *window)
    : QLabel(window)
{
    setObjectName(QStringLiteral("spokenSummary"));
    // Just past the right edge: shown, as a screen reader needs, but never in view.
    setGeometry(window->width(), 0, 1, 1);
#ifdef Q_OS_WASM
    // A browser's reader says a dialog's description as it enters the dialog,
    // and nothing of a label it does not land on: in a page the summary is the
    // window's description, and the label stays out of the reader's way.
    hide();
#endif
}

void SpokenSummary::say(const QString &text)
{
    setAccessibleName(text);
#ifdef Q_OS_WASM
    window()->setAccessibleDescription(text);
#endif
}
