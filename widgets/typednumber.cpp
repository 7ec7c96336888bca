#include "typednumber.h"

#include <QApplication>

int TypedNumber::type(int digit, int count)
{
    // The desktop's pause between keys that still belong to one search.
    const bool goesOn = m_lastTyped.isValid() && m_lastTyped.elapsed() <= QApplication::keyboardInputInterval();
    m_lastTyped.start();
    const int longer = m_number * 10 + digit;
    if (goesOn && m_number > 0 && longer <= count)
        m_number = longer;
    else
        m_number = digit >= 1 && digit <= count ? digit : 0;
    return m_number;
}
