#include "ticks.h"

#include "policyfigures.h"
#include "randomsource.h"
#include "townedit.h"
#include "townstate.h"

namespace {

constexpr double kUpkeepCharge = 100;
constexpr double kDebtCharge = 100;
constexpr double kPeoplePerHome = 3;
constexpr double kIndustryShareOfProduct = 10;
constexpr float kLandValueJitter = 10.0f;

} // namespace

void runLandValueTick(TownState &town, RandomSource &random)
{
    TownEdit edit(town);
    double sum = 0;
    for (int lot = 1; lot <= kLotCount; ++lot)
        sum += edit.number(lotField(lot));
    edit.setNumber(Fields::totalLandValue, sum);

    // The addend stays single precision; its double expansion shows in the text.
    RandomSource drawn = random;
    const float addend = drawn.next() * kLandValueJitter;
    edit.setNumber(Fields::totalLandValue, edit.number(Fields::totalLandValue) + double(addend));
    edit.commit();
    random = drawn;
}

void runEconomyTick(TownState &town)
{
    using namespace Fields;
    TownEdit edit(town);
    // Every step reads its inputs afresh, so a value an earlier step wrote
    // arrives through its text form, cut to 15 significant digits.
    // The spending is taken in one write, from the last row of the settings
    // up, as the town has always paid it: education before transport.
    double afterSpending = edit.number(balance);
    for (auto figure = kPolicyFigures.rbegin(); figure != kPolicyFigures.rend(); ++figure) {
        if (figure->use == YearlyUse::Spending)
            afterSpending -= edit.number(figure->field);
    }
    edit.setNumber(balance, afterSpending);
    edit.setNumber(grossDomesticProduct,
                   edit.number(commerceTotal) + edit.number(industryTotal) / kIndustryShareOfProduct);
    edit.setNumber(balance, edit.number(balance) + edit.number(grossDomesticProduct));
    for (const PolicyFigure &figure : kPolicyFigures) {
        if (figure.use == YearlyUse::Income)
            edit.setNumber(balance, edit.number(balance) + edit.number(figure.field));
    }
    edit.setNumber(population, edit.number(housingTotal) * kPeoplePerHome);
    edit.setNumber(yearCounter, edit.number(yearCounter) + 1);
    edit.setText(populationDisplay, edit.text(population));
    edit.setNumber(balance, edit.number(balance) - edit.number(housingTotal));
    if (edit.number(balance) < 0)
        edit.setNumber(balance, edit.number(balance) - kDebtCharge);
    edit.commit();
}

void runUpkeepTick(TownState &town)
{
    TownEdit edit(town);
    edit.setNumber(Fields::balance, edit.number(Fields::balance) - kUpkeepCharge);
    edit.commit();
}
