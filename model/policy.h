#pragma once

#include <string>

class TownState;

// The three policy figures as the player typed them.
struct PolicyFigures {
    std::string consumptionTax;
    std::string transportSpending;
    std::string educationSpending;
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

// Sets the three figures, copying the typed texts unchanged ("007" stays
// "007"), and credits the population with three times the education and then
// three times the transport spending. All three texts must read as numbers
// (the economy reads the tax every year); when one does not, or the credit
// would leave the range of numbers, it throws FieldError naming the figure's
// field and changes nothing.
void applyPolicy(TownState &town, const PolicyFigures &figures);
