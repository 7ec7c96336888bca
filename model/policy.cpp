#include "policy.h"

#include "fielderror.h"
#include "numbertext.h"
#include "townedit.h"
#include "townstate.h"

#include <cmath>

namespace {

constexpr double kPeoplePerSpendingUnit = 3;

void requireNumber(const TownEdit &edit, Field field)
{
    (void)edit.number(field);
}

// Adds three people per unit of a spending figure; a figure so large that the
// population would leave the range of numbers is that figure's fault.
void creditPopulation(TownEdit &edit, Field spending)
{
    const double credited =
        edit.number(Fields::population) + kPeoplePerSpendingUnit * edit.number(spending);
    try {
        edit.setNumber(Fields::population, credited);
    } catch (const FieldError &) {
        throw FieldError(spending, FieldError::Reason::OutOfRange, std::string(edit.text(spending)));
    }
}

} // namespace

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
    using namespace Fields;
    TownEdit edit(town);
    edit.setText(consumptionTax, figures.consumptionTax);
    edit.setText(transportSpending, figures.transportSpending);
    edit.setText(educationSpending, figures.educationSpending);
    // The tax earns no credit, but the next year's accounts read it.
    requireNumber(edit, consumptionTax);
    creditPopulation(edit, educationSpending);
    creditPopulation(edit, transportSpending);
    edit.commit();
}
