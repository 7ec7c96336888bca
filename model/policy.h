#pragma once

#include "policyfigures.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

class TownState;

// The policy figures as the player typed them, one text for each figure of
// kPolicyFigures, in its order. Like the dialog's boxes, a figure that is not
// given holds its starting text.
struct PolicyFigures {
    // Throws std::invalid_argument for more texts than there are figures.
    PolicyFigures(std::initializer_list<std::string_view> typed = {});

    std::array<std::string, kPolicyFigureCount> texts;
};

// What the settings dialog shows when it opens: the gross domestic product
// computed afresh from the commerce and industry totals, and the population
// field's text as it stands.
struct PolicyOverview {
    std::string grossDomesticProduct;
    std::string population;
};

// Throws FieldError, when the commerce or industry total is not a number.
PolicyOverview policyOverview(const TownState &town);

// Sets the figures, copying the typed texts unchanged ("007" stays "007"),
// and credits the population as each figure's record says. Every text must
// read as a number (the year's accounts read them all); when one does not,
// or a credit would leave the range of numbers, it throws FieldError naming
// the figure's field and changes nothing.
void applyPolicy(TownState &town, const PolicyFigures &figures);
