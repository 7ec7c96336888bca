// The settings dialog's "OK" with arbitrary typed figures, and the year that
// follows: either everything is accepted and stays numeric, or nothing changes.
#include "fielderror.h"
#include "fuzzsupport.h"
#include "policy.h"
#include "ticks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto parts = Fuzz::texts(data, size, 4);
    TownState town;
    if (!parts[3].empty())
        town.setText(Fields::population, parts[3]);
    const TownState before = town;

    try {
        applyPolicy(town, {parts[0], parts[1], parts[2]});
    } catch (const FieldError &) {
        if (!Fuzz::sameFields(before, town))
            Fuzz::fail("refused figures changed the town");
        return 0;
    }
    if (town.text(Fields::consumptionTax) != parts[0] || town.text(Fields::transportSpending) != parts[1]
        || town.text(Fields::educationSpending) != parts[2])
        Fuzz::fail("accepted figures were not copied as typed");
    Fuzz::requireNumbersKept(before, town);

    // Accepted figures must never stop the accounts from reading them.
    const TownState accepted = town;
    try {
        runEconomyTick(town);
    } catch (const FieldError &error) {
        if (error.reason() != FieldError::Reason::OutOfRange)
            Fuzz::fail("an accepted figure could not be read by the accounts");
        if (!Fuzz::sameFields(accepted, town))
            Fuzz::fail("a failed year changed the town");
    }
    Fuzz::requireNumbersKept(accepted, town);
    return 0;
}
