#pragma once

#include "field.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

// The town's whole lasting state: the forty numeric text fields and the picture
// that each of the 25 lots shows. Rules change it through a TownEdit, so that
// an operation that fails half-way leaves it untouched.
class TownState {
public:
    // Picture number of a lot that has never been built on.
    static constexpr int kBareLand = 0;

    // A new town with the initial texts: a balance of "1000", a year "0",
    // each policy figure's starting text, "Text29" for the land value not yet
    // computed.
    TownState();

    const std::string &text(Field field) const { return m_texts[index(field)]; }

    // The field's text read as a number; throws FieldError when it is not one.
    double number(Field field) const;

    // Replaces the text as it is, without reading it as a number.
    void setText(Field field, std::string_view text);

    // Stores the number's text; throws FieldError when the number is not finite.
    void setNumber(Field field, double value);

    // The kind number whose picture lot 1..25 shows, or kBareLand.
    int lotPicture(int lot) const;
    void setLotPicture(int lot, int kind);

    // Called after each field whose text changed, and after each lot whose
    // picture changed, so that whoever shows the town can follow it.
    std::function<void(Field)> onFieldChanged;
    std::function<void(int lot)> onLotPictureChanged;

private:
    friend class TownEdit;

    static std::size_t index(Field field) { return static_cast<std::size_t>(fieldIndex(field)); }

    std::array<std::string, kFieldCount> m_texts;
    std::array<int, kLotCount> m_lotPictures{};
};
