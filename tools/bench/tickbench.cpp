// Prints what one tick and one placement cost, beside the cost of the bare
// number-text conversions they are made of, which no implementation can beat.
//   tickbench [iterations] [only this operation, e.g. "placement"]

#include "numbertext.h"
#include "placement.h"
#include "policyfigures.h"
#include "randomsource.h"
#include "ticks.h"
#include "townstate.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

template<typename T>
void keep(const T &value)
{
    asm volatile("" : : "r,m"(value) : "memory");
}

// Nanoseconds per call of work, best of five rounds to shed scheduler noise.
template<typename Work>
double nanosecondsPerCall(long iterations, Work work)
{
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < iterations; ++i)
            work();
        const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count() / double(iterations));
    }
    return best;
}

// The conversions of one operation: the texts it parses and the values it
// formats, taken from the town as an operation found it.
struct Conversions {
    std::vector<std::string> parsed;
    std::vector<double> formatted;

    Conversions(const TownState &town, std::initializer_list<Field> reads,
                std::initializer_list<Field> writes)
    {
        for (Field field : reads)
            parsed.push_back(town.text(field));
        for (Field field : writes)
            formatted.push_back(town.number(field));
    }

    void run() const
    {
        for (const std::string &text : parsed)
            keep(NumberText::parseNumber(text));
        char buffer[NumberText::kMaxFormattedLength];
        for (double value : formatted) {
            keep(NumberText::formatNumberInto(value, buffer));
            keep(buffer);
        }
    }
};

TownState builtUpTown()
{
    TownState town;
    const std::array<std::pair<const char *, int>, 6> buildings{
        {{"3", 1}, {"7", 7}, {"10", 13}, {"13", 2}, {"22", 20}, {"30", 25}}};
    for (const auto &[kind, lot] : buildings)
        placeBuilding(town, kind, lot);
    town.setText(Fields::consumptionTax, "12.5");
    return town;
}

// The floor: the conversions of a run of consecutive operations, replayed in
// turn. Converting ever the same texts would let the branch predictor learn
// them, and the floor would be lower than any real tick could reach.
template<typename Operation, typename Snapshot>
double conversionFloor(long iterations, TownState town, Operation operation, Snapshot snapshot)
{
    constexpr int kRecorded = 4096;
    std::vector<Conversions> recorded;
    recorded.reserve(kRecorded);
    for (int i = 0; i < kRecorded; ++i) {
        recorded.push_back(snapshot(town));
        operation(town);
    }
    std::size_t next = 0;
    return nanosecondsPerCall(iterations, [&] {
        recorded[next].run();
        next = (next + 1) % recorded.size();
    });
}

void report(const char *name, double operation, double floor)
{
    std::printf("%-18s %9.1f ns   conversions %9.1f ns   ratio %.2f\n", name, operation, floor,
                operation / floor);
}

} // namespace

int main(int argc, char **argv)
{
    const long iterations = argc > 1 ? std::atol(argv[1]) : 1000000;
    const std::string only = argc > 2 ? argv[2] : "";
    const auto wanted = [&only](const char *name) { return only.empty() || only == name; };
    std::printf("%ld iterations each, best of 5 rounds\n", iterations);

    using namespace Fields;
    if (wanted("economy tick")) {
        TownState town = builtUpTown();
        const auto operation = [](TownState &t) { runEconomyTick(t); };
        // Fourteen reads and seven writes, as in a year without debt.
        const auto snapshot = [](const TownState &t) {
            return Conversions(t,
                               {balance, educationSpending, transportSpending, commerceTotal, industryTotal,
                                balance, grossDomesticProduct, balance, consumptionTax, housingTotal,
                                yearCounter, balance, housingTotal, balance},
                               {balance, grossDomesticProduct, balance, balance, population, yearCounter,
                                balance});
        };
        const double floor = conversionFloor(iterations, town, operation, snapshot);
        report("economy tick", nanosecondsPerCall(iterations, [&] { operation(town); }), floor);
    }
    if (wanted("land-value tick")) {
        TownState town = builtUpTown();
        RandomSource random;
        const auto operation = [&random](TownState &t) { runLandValueTick(t, random); };
        const auto snapshot = [](const TownState &t) {
            Conversions conversions(t, {}, {});
            for (int lot = 1; lot <= kLotCount; ++lot)
                conversions.parsed.push_back(t.text(lotField(lot)));
            // The total as the tick writes it, reads it back and writes it again.
            const double total = NumberText::parseNumber(t.text(totalLandValue)).value_or(57);
            conversions.parsed.push_back(NumberText::formatNumber(std::trunc(total)));
            conversions.formatted = {std::trunc(total), total};
            return conversions;
        };
        town.setText(totalLandValue, "0");
        const double floor = conversionFloor(iterations, town, operation, snapshot);
        random = RandomSource();
        report("land-value tick", nanosecondsPerCall(iterations, [&] { operation(town); }), floor);
    }
    if (wanted("placement")) {
        TownState town = builtUpTown();
        int lot = 0;
        const auto operation = [&lot](TownState &t) {
            placeBuilding(t, "5", lot % kLotCount + 1);
            ++lot;
        };
        const auto snapshot = [](const TownState &t) {
            Conversions conversions(t, {balance, housingTotal, commerceTotal, industryTotal},
                                    {balance, housingTotal, commerceTotal, industryTotal});
            conversions.parsed.push_back("5");
            return conversions;
        };
        const double floor = conversionFloor(iterations, town, operation, snapshot);
        report("placement", nanosecondsPerCall(iterations, [&] { operation(town); }), floor);
    }
    if (wanted("upkeep tick")) {
        TownState town = builtUpTown();
        const auto operation = [](TownState &t) { runUpkeepTick(t); };
        const auto snapshot = [](const TownState &t) { return Conversions(t, {balance}, {balance}); };
        const double floor = conversionFloor(iterations, town, operation, snapshot);
        report("upkeep tick", nanosecondsPerCall(iterations, [&] { operation(town); }), floor);
    }
    return 0;
}
