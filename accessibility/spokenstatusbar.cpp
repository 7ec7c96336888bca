#include "spokenstatusbar.h"

#include <QLabel>

SpokenStatusBar::SpokenStatusBar(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("spokenStatusBar"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Just past the right edge: shown, as a screen reader needs, but never in view.
    setGeometry(window->width(), 0, 1, 1);
#ifdef Q_OS_WASM
    // A page has no status bar for a reader's command: there a reader moving
    // through the window would only hear the figures twice.
    hide();
#endif
}

void SpokenStatusBar::addFigure(const QLabel *caption, QLabel *value)
{
    m_figures.append(std::pair(QPointer(caption), QPointer(value)));
    refresh();
}

void SpokenStatusBar::refresh()
{
    QStringList parts;
    for (const auto &[caption, value] : m_figures) {
        if (!caption || !value)
            continue;
        parts << QStringLiteral("%1 %2").arg(caption->text(), value->text()).trimmed();
#ifdef Q_OS_WIN
        value->setAccessibleName(parts.constLast());
#endif
    }
    // Readers keep what they have read (Orca 48 does) until they are told of a change.
    setAccessibleName(parts.join(QLatin1Char(' ')));
}
