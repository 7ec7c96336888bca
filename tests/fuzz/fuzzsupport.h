#pragma once

#include "numbertext.h"
#include "townstate.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Helpers shared by the fuzz targets: cutting the input into texts, and the
// checks that hold after any operation on the town.
namespace Fuzz {

// Splits the input at newlines into at most `count` texts; missing ones are empty.
inline std::vector<std::string> texts(const std::uint8_t *data, std::size_t size, std::size_t count)
{
    std::vector<std::string> parts(count);
    std::size_t part = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' && part + 1 < count)
            ++part;
        else
            parts[part].push_back(static_cast<char>(data[i]));
    }
    return parts;
}

[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline bool sameFields(const TownState &a, const TownState &b)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (a.text(static_cast<Field>(i)) != b.text(static_cast<Field>(i)))
            return false;
    }
    for (int lot = 1; lot <= kLotCount; ++lot) {
        if (a.lotPicture(lot) != b.lotPicture(lot))
            return false;
    }
    return true;
}

// Every field that held a number before still holds one.
inline void requireNumbersKept(const TownState &before, const TownState &after)
{
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (NumberText::parseNumber(before.text(field)) && !NumberText::parseNumber(after.text(field)))
            fail("a field that held a number lost it");
    }
}

} // namespace Fuzz
