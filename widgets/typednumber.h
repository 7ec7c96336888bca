#pragma once

#include <QElapsedTimer>

// The number a player types on the digit keys to go to a numbered control,
// as type-ahead works in a list: a digit typed soon after another extends
// the number ("1" then "1" is 11), and a digit that would make a number
// beyond the controls starts a new one.
class TypedNumber {
public:
    // The number meant once the digit is typed, 1 to count, or 0 for none.
    int type(int digit, int count);

private:
    QElapsedTimer m_lastTyped;
    int m_number = 0;
};
