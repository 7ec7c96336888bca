#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace NumberText {

namespace {

constexpr double kLargestPlainInteger = 1e15;
// The largest double whose 15-digit text does not round up past the largest double.
constexpr double kLargestWritable = 1.79769313486231e308;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

bool isWritable(double value)
{
    return std::fabs(value) <= kLargestWritable; // false for infinities and NaN too
}

int formatNumberInto(double value, char *buffer)
{
    char *const end = buffer + kMaxFormattedLength;
    // Integers are by far the most common values (prices, totals, the year),
    // and the integer conversion is both exact and cheap. It also turns -0.0 into "0".
    if (std::fabs(value) < kLargestPlainInteger && value == std::trunc(value)) {
        const auto result = std::to_chars(buffer, end, static_cast<std::int64_t>(value));
        return static_cast<int>(result.ptr - buffer);
    }
    // Precision 15 in general format drops trailing zeros, as the text rule wants.
    const auto result = std::to_chars(buffer, end, value, std::chars_format::general, 15);
    return static_cast<int>(result.ptr - buffer);
}

std::string formatNumber(double value)
{
    char buffer[kMaxFormattedLength];
    return std::string(buffer, static_cast<std::size_t>(formatNumberInto(value, buffer)));
}

std::optional<double> parseNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    // from_chars takes a minus sign but no plus sign; "+-1" stays refused.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;

    double value = 0;
    const char *const end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace NumberText
