#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the town writes numbers as text and reads them back.
namespace NumberText {

// Longest text that formatNumber() can produce ("-1.23456789012346e-308" and the like).
inline constexpr int kMaxFormattedLength = 24;

// The text of a finite number in general format: integral values below 10^15
// as plain integers ("990", "-105"), anything else with at most 15 significant
// digits and no trailing zeros ("982.5", "0.5", "7.05547523498535"), and an
// exponent form ("1e+15", "1e-05") outside that range. Negative zero is "0".
// The value must be writable.
std::string formatNumber(double value);

// Whether formatNumber() can write the value as a text that parseNumber()
// reads back: finite, and not so close to the largest double
// that rounding to 15 digits would overflow.
bool isWritable(double value);

// Writes formatNumber(value) into buffer, which holds at least
// kMaxFormattedLength characters, and returns its length.
int formatNumberInto(double value, char *buffer);

// The number a text stands for, or nothing when it is not a finite number.
// Accepts whatever formatNumber() writes, and what a person would type in the
// same style: optional blanks (space or tab) around it, one optional sign
// ("+" or "-"), digits with an optional full stop, an optional exponent.
// Refuses empty text, words ("abc", "nan", "inf"), full-width digits, thousands
// separators, hexadecimal, and numbers too large for a double ("1e999").
std::optional<double> parseNumber(std::string_view text);

} // namespace NumberText
