#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#if !defined(__cpp_lib_to_chars) || defined(KESTAVINE_NUMBERS_BY_STRTOD)
#include <cerrno>
#include <cstdlib>
#include <string>
#endif

namespace NumberText {

namespace {

constexpr double kLargestPlainInteger = 1e15;
// The largest double whose 15-digit text does not round up past the largest double.
constexpr double kLargestWritable = 1.79769313486231e308;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

#if defined(__cpp_lib_to_chars) && !defined(KESTAVINE_NUMBERS_BY_STRTOD)
std::optional<double> parseDecimal(std::string_view text)
{
    double value = 0;
    const char *const end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}
#else
// A standard library without from_chars for floating point (libc++ before
// LLVM 20, which emscripten brings) reads the same texts with strtod, once they
// are known to be in from_chars' own form: no hexadecimal, no leading space.
bool isDecimal(std::string_view text)
{
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - start;
    };
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (digits() == 0)
            return false;
    }
    return at == text.size();
}

std::optional<double> parseDecimal(std::string_view text)
{
    if (!isDecimal(text))
        return std::nullopt;
    const std::string terminated(text);
    errno = 0;
    const double value = std::strtod(terminated.c_str(), nullptr);
    // Out of range, as from_chars says it: too large, or too small to be told from 0.
    if (errno == ERANGE && (value == 0 || !std::isfinite(value)))
        return std::nullopt;
    return value;
}
#endif

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

    const std::optional<double> value = parseDecimal(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace NumberText
