// The settings dialog's "OK" with arbitrary typed figures, and the year that
// follows: either everything is accepted and stays numeric, or nothing changes.
#include "fielderror.h"
#include "fuzzsupport.h"
#include "policy.h"
#include "ticks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A text for each figure, then the population.
    constexpr auto kFigures = kPolicyFigures.size();
    const auto parts = Fuzz::texts(data, size, kFigures + 1);
    TownState town;
    if (!parts[kFigures].empty())
        town.setText(Fields::population, parts[kFigures]);
    const TownState before = town;

    PolicyFigures typed;
    for (std::size_t i = 0; i < kFigures; ++i)
        typed.texts[i] = parts[i];
    try {
        applyPolicy(town, typed);
    } catch (const FieldError &) {
        if (!Fuzz::sameFields(before, town))
            Fuzz::fail("refused figures changed the town");
        return 0;
    }
    for (std::size_t i = 0; i < kFigures; ++i) {
        if (town.text(kPolicyFigures[i].field) != parts[i])
            Fuzz::fail("accepted figures were not copied as typed");
    }
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
