#pragma once

#include "policy.h"
#include "townstate.h"

// The tests that work a town's accounts out by hand do so with the table's
// first three figures: tax, transport and education. Any figure after them
// stands at 0 there, taking, adding and crediting nothing, so that their sums
// hold whatever figures the table gains.
namespace FigureTesting {

inline constexpr std::size_t kWorkedOut = 3;

// The texts typed for the three, and 0 for any figure after them.
inline PolicyFigures typed(std::string_view tax, std::string_view transport, std::string_view education)
{
    PolicyFigures figures{tax, transport, education};
    for (std::size_t i = kWorkedOut; i < figures.texts.size(); ++i)
        figures.texts[i] = "0";
    return figures;
}

inline void zeroOthers(TownState &town)
{
    for (std::size_t i = kWorkedOut; i < kPolicyFigures.size(); ++i)
        town.setText(kPolicyFigures[i].field, "0");
}

} // namespace FigureTesting
