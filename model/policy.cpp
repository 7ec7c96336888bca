#include "policy.h"

#include "fielderror.h"
#include "numbertext.h"
#include "townedit.h"
#include "townstate.h"

#include <cmath>
#include <stdexcept>

namespace {

void requireNumber(const TownEdit &edit, Field field)
{
    (void)edit.number(field);
}

// A figure so large that the population would leave the range of numbers is
// that figure's fault.
void creditPopulation(TownEdit &edit, const PolicyFigure &figure)
{
    const double credited = edit.number(Fields::population) + figure.peoplePerUnit * edit.number(figure.field);
    try {
        edit.setNumber(Fields::population, credited);
    } catch (const FieldError &) {
        throw FieldError(figure.field, FieldError::Reason::OutOfRange, std::string(edit.text(figure.field)));
    }
}

} // namespace

PolicyFigures::PolicyFigures(std::initializer_list<std::string_view> typed)
{
    if (typed.size() > texts.size())
        throw std::invalid_argument("more texts than policy figures");
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = i < typed.size() ? *(typed.begin() + i) : kPolicyFigures[i].start;
}

PolicyOverview policyOverview(const TownState &town)
{
    using namespace Fields;
    const double product = town.number(commerceTotal) + town.number(industryTotal) / 10;
    if (!std::isfinite(product))
        throw FieldError(commerceTotal, FieldError::Reason::OutOfRange, town.text(commerceTotal));
    return {NumberText::formatNumber(product), town.text(population)};
}

void applyPolicy(TownState &town, const PolicyFigures &figures)
{
    TownEdit edit(town);
    for (std::size_t i = 0; i < kPolicyFigures.size(); ++i)
        edit.setText(kPolicyFigures[i].field, figures.texts[i]);
    // A figure that earns no credit is read first: the next year's accounts read it.
    for (const PolicyFigure &figure : kPolicyFigures) {
        if (!figure.peoplePerUnit)
            requireNumber(edit, figure.field);
    }
    // The credits go from the last row up, as they always have: education
    // before transport, each passing through the population's text.
    for (auto figure = kPolicyFigures.rbegin(); figure != kPolicyFigures.rend(); ++figure) {
        if (figure->peoplePerUnit)
            creditPopulation(edit, *figure);
    }
    edit.commit();
}
