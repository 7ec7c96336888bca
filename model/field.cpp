#include "field.h"

#include <array>

namespace {

constexpr std::array<std::string_view, kFieldCount> kNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
    "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
    "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23", "Text24",
    "Text25", "Text26", "Text27", "Text28", "Text29", "Text30", "Text31", "Text32",
    "Text33", "Text34", "Text35", "Text36", "Text37", "Label12", "Label14", "Label23",
};

} // namespace

std::string_view fieldName(Field field)
{
    return kNames.at(static_cast<std::size_t>(fieldIndex(field)));
}

std::optional<Field> fieldNamed(std::string_view name)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (kNames[static_cast<std::size_t>(i)] == name)
            return static_cast<Field>(i);
    }
    return std::nullopt;
}
