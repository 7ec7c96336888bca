#pragma once

#include "field.h"

#include <array>
#include <string_view>

// The fields the figures use, named where the figures are, so that a new
// figure touches nothing else.
namespace Fields {
inline constexpr Field consumptionTax = Field::Text32;
inline constexpr Field transportSpending = Field::Text34;
inline constexpr Field educationSpending = Field::Text35;
} // namespace Fields

// How the year's accounts use a policy figure.
enum class YearlyUse {
    Spending, // taken from the balance before the year's production is credited
    Income,   // added to the balance after it
};

// Where the settings dialog puts a figure's caption and the unit beside its
// box, in twips: each row keeps the place it was designed with.
struct PolicyRowLayout {
    int captionLeft;
    int captionWidth;
    int unitWidth;
};

// One figure the player sets in the settings dialog: everything the town,
// its accounts, the dialog and the tools know of it.
struct PolicyFigure {
    Field field;              // where the town keeps it, as the player typed it
    std::string_view caption; // the dialog's row caption, also the figure's name in a
                              // refusal and what a screen reader calls it
    std::string_view unit;    // the unit sign and the spacing before the note beside the box
    std::string_view start;   // the town's first text, and the box's at every opening
    YearlyUse use;
    double peoplePerUnit;     // population credited per unit whenever the player sets it
    PolicyRowLayout layout;
};

// The policy figures, in the order of the dialog's rows.
inline constexpr auto kPolicyFigures = std::to_array<PolicyFigure>({
    {Fields::consumptionTax, "消費税", "%　　", "10", YearlyUse::Income, 0, {120, 615, 3135}},
    {Fields::transportSpending, "交通", "$  　", "10", YearlyUse::Spending, 3, {240, 375, 3015}},
    {Fields::educationSpending, "教育", "$    ", "10", YearlyUse::Spending, 3, {240, 375, 3015}},
});

inline constexpr int kPolicyFigureCount = static_cast<int>(kPolicyFigures.size());

// The figure kept in the field, or nullptr.
constexpr const PolicyFigure *policyFigureIn(Field field)
{
    for (const PolicyFigure &figure : kPolicyFigures) {
        if (figure.field == field)
            return &figure;
    }
    return nullptr;
}
