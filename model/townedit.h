#pragma once

#include "field.h"

#include <array>
#include <cstdint>
#include <vector>
#include <string>
#include <string_view>

class TownState;

// One all-or-nothing change of the town. Reads see the edit's own earlier
// writes, exactly as text, so a later step reads back what an earlier step
// wrote; nothing reaches the town until commit(). An edit that is dropped
// without commit(), for instance because a read threw FieldError, leaves the
// town as it was.
class TownEdit {
public:
    explicit TownEdit(TownState &town);
    TownEdit(const TownEdit &) = delete;
    TownEdit &operator=(const TownEdit &) = delete;

    std::string_view text(Field field) const;
    // Throws FieldError when the text is not a finite number.
    double number(Field field) const;

    void setText(Field field, std::string_view text);
    // Throws FieldError when the value is not finite.
    void setNumber(Field field, double value);

    // Stores every written field in the town, in the order first written,
    // then tells the town's observer about each text that changed.
    void commit();

private:
    // A pending text: plain data, left uninitialised until used, so that an
    // edit costs nothing to set up. Numbers and typical typed figures fit the
    // inline buffer, which keeps a tick free of allocations; longer texts
    // spill into m_spills.
    struct Write {
        static constexpr std::size_t kInlineCapacity = 32;

        Field field;
        std::uint8_t length;  // of the inline text
        std::int8_t spill;    // index into m_spills, or -1 while the text is inline
        char inlineText[kInlineCapacity];
    };

    std::string_view textOf(const Write &write) const;
    void store(Write &write, std::string_view text);
    Write &writeFor(Field field);
    const Write *findWrite(Field field) const;

    // An edit writes each field once at most, however many figures there are.
    static constexpr int kMaxWrites = kFieldCount;

    TownState &m_town;
    std::array<Write, kMaxWrites> m_writes;
    int m_writeCount = 0;
    std::vector<std::string> m_spills;
};
