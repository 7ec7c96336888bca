#pragma once

#include "policy.h"
#include "townstate.h"

#include <algorithm>
#include <array>
#include <string_view>

// The tests that work a town's accounts out by hand do so with the three
// figures they name. Every other figure of the table stands at 0 for them, so
// that it takes, adds and credits nothing and their sums hold whatever figures
// the table gains; the figures' own tests keep their own values for each.
namespace FigureTesting {

inline constexpr std::array kNamed{Fields::consumptionTax, Fields::transportSpending, Fields::educationSpending};

inline bool isNamed(Field field)
{
    return std::find(kNamed.begin(), kNamed.end(), field) != kNamed.end();
}

// The texts typed for the named figures, and 0 for any other.
inline PolicyFigures typed(std::string_view tax, std::string_view transport, std::string_view education)
{
    PolicyFigures figures;
    for (std::size_t i = 0; i < kPolicyFigures.size(); ++i) {
        const Field field = kPolicyFigures[i].field;
        figures.texts[i] = field == Fields::consumptionTax  ? tax
            : field == Fields::transportSpending             ? transport
            : field == Fields::educationSpending             ? education
                                                             : "0";
    }
    return figures;
}

// Sets every figure the tests do not name to 0.
inline void zeroOthers(TownState &town)
{
    for (const PolicyFigure &figure : kPolicyFigures) {
        if (!isNamed(figure.field))
            town.setText(figure.field, "0");
    }
}

} // namespace FigureTesting
