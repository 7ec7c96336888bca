// Any text either is refused or reads as a finite number whose written form
// reads back to the same text again.
#include "fuzzsupport.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto value = NumberText::parseNumber(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        Fuzz::fail("a non-finite number was read");
    if (!NumberText::isWritable(*value))
        return 0;
    const std::string written = NumberText::formatNumber(*value);
    if (written.size() > std::size_t(NumberText::kMaxFormattedLength))
        Fuzz::fail("a written number is longer than its buffer");
    const auto readBack = NumberText::parseNumber(written);
    if (!readBack)
        Fuzz::fail("a written number does not read back");
    if (NumberText::formatNumber(*readBack) != written)
        Fuzz::fail("writing a read-back number changed its text");
    if (written == "-0" || written.front() == '+' || written.front() == ' ')
        Fuzz::fail("a written number has a sign or blank it should not");
    return 0;
}
