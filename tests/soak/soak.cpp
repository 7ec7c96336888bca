// Plays the town for a long time with random placements and settings, and
// checks after every step that no field was corrupted and that the money
// moved exactly as the rules say. Prints what it checked; exits 1 at the
// first violation.
//   soak [years] [seed]

#include "catalogue.h"
#include "fielderror.h"
#include "numbertext.h"
#include "placement.h"
#include "policy.h"
#include "randomsource.h"
#include "ticks.h"
#include "townstate.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

struct Counts {
    long years = 0;
    long landValueTicks = 0;
    long upkeepTicks = 0;
    long placements = 0;
    long placementsOfNoKind = 0;
    long policiesApplied = 0;
    long policiesRefused = 0;
    long debtCharges = 0;
    long fieldChecks = 0;
};

[[noreturn]] void fail(long year, const std::string &what)
{
    std::printf("VIOLATION in year %ld: %s\n", year, what.c_str());
    std::exit(1);
}

// Two results agree when they differ by no more than the cuts to 15
// significant digits that the rules make on the way.
bool agrees(double actual, double expected, double magnitude)
{
    return std::fabs(actual - expected) <= 1e-13 * std::max(1.0, magnitude);
}

class Soak {
public:
    explicit Soak(unsigned seed)
        : m_chance(seed)
    {
    }

    void run(long years);
    const Counts &counts() const { return m_counts; }
    const TownState &town() const { return m_town; }

private:
    double number(Field field) const { return m_town.number(field); }
    void checkEveryField();
    void checkTotalsNeverFall(const std::array<double, 3> &before);
    void economyYear();
    void landValue();
    void upkeep();
    void place();
    void changePolicy();
    std::string figure();

    TownState m_town;
    RandomSource m_random;
    std::mt19937 m_chance;
    Counts m_counts;
    bool m_landValueComputed = false;
    bool m_populationShown = false;
};

void Soak::checkEveryField()
{
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (field == Fields::totalLandValue && !m_landValueComputed)
            continue;
        if (field == Fields::populationDisplay && !m_populationShown)
            continue;
        if (!NumberText::parseNumber(m_town.text(field)))
            fail(m_counts.years, std::string(fieldName(field)) + " holds \"" + m_town.text(field) + "\"");
        ++m_counts.fieldChecks;
    }
    // The expenditure and the spare fields no figure uses never change.
    for (Field field : {Fields::expenditure, Field::Text36, Field::Text37}) {
        if (!policyFigureIn(field) && m_town.text(field) != "0")
            fail(m_counts.years, std::string(fieldName(field)) + " changed");
    }
}

void Soak::checkTotalsNeverFall(const std::array<double, 3> &before)
{
    const std::array<double, 3> after{number(Fields::housingTotal), number(Fields::commerceTotal),
                                      number(Fields::industryTotal)};
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] < before[i])
            fail(m_counts.years, "a total decreased");
    }
}

void Soak::economyYear()
{
    using namespace Fields;
    const double balanceBefore = number(balance);
    const double product = number(commerceTotal) + number(industryTotal) / 10;
    const double housing = number(housingTotal);
    const double year = number(yearCounter);
    double policy = 0;
    double policyMagnitude = 0;
    for (const PolicyFigure &figure : kPolicyFigures) {
        const double value = number(figure.field);
        policy += figure.use == YearlyUse::Income ? value : -value;
        policyMagnitude += std::fabs(value);
    }

    runEconomyTick(m_town);
    m_populationShown = true;

    const double expected = balanceBefore + policy + product - housing;
    const double magnitude = std::fabs(balanceBefore) + policyMagnitude + std::fabs(product) + std::fabs(housing);
    const double actual = number(balance);
    // Within the cuts of zero either outcome is right; elsewhere the sign decides.
    const double nearZero = 1e-13 * std::max(1.0, magnitude);
    const bool charged = agrees(actual, expected - 100, magnitude + 100);
    const bool uncharged = agrees(actual, expected, magnitude);
    if (expected < -nearZero ? !charged : expected > nearZero ? !uncharged : !(charged || uncharged))
        fail(m_counts.years, "balance " + m_town.text(balance) + " after a year, expected about "
                                 + NumberText::formatNumber(expected));
    if (charged)
        ++m_counts.debtCharges;
    if (number(yearCounter) != year + 1)
        fail(m_counts.years, "the year did not advance by one");
    if (number(population) != housing * 3 || m_town.text(populationDisplay) != m_town.text(population))
        fail(m_counts.years, "population is not three per home");
    if (!agrees(number(grossDomesticProduct), product, product))
        fail(m_counts.years, "product is not commerce plus a tenth of industry");
    ++m_counts.years;
}

void Soak::landValue()
{
    double sum = 0;
    for (int lot = 1; lot <= kLotCount; ++lot)
        sum += number(lotField(lot));
    runLandValueTick(m_town, m_random);
    m_landValueComputed = true;
    const double total = number(Fields::totalLandValue);
    if (total < sum || total >= sum + 10)
        fail(m_counts.years, "land value " + m_town.text(Fields::totalLandValue) + " for lots worth "
                                 + NumberText::formatNumber(sum));
    ++m_counts.landValueTicks;
}

void Soak::upkeep()
{
    const double before = number(Fields::balance);
    runUpkeepTick(m_town);
    if (!agrees(number(Fields::balance), before - 100, std::fabs(before)))
        fail(m_counts.years, "upkeep did not take 100");
    ++m_counts.upkeepTicks;
}

void Soak::place()
{
    // Mostly real kinds, sometimes a number that names no kind: 0 or the one
    // past the last.
    const int number = std::uniform_int_distribution<int>(0, kKindCount + 1)(m_chance);
    const int lot = std::uniform_int_distribution<int>(1, kLotCount)(m_chance);
    const BuildingKind *kind = findKind(number);
    const double balanceBefore = this->number(Fields::balance);
    const std::string lotBefore = m_town.text(lotField(lot));
    const std::array<double, 3> totals{this->number(Fields::housingTotal), this->number(Fields::commerceTotal),
                                       this->number(Fields::industryTotal)};

    placeBuilding(m_town, std::to_string(number), lot);

    const double price = kind ? kind->price : 0;
    if (!agrees(this->number(Fields::balance), balanceBefore - price, std::fabs(balanceBefore)))
        fail(m_counts.years, "placement charged the wrong price");
    const std::string lotAfter = m_town.text(lotField(lot));
    if (lotAfter != (kind ? std::string(kind->landValue) : lotBefore))
        fail(m_counts.years, "placement left the wrong land value");
    if (kind && (this->number(Fields::housingTotal) != totals[0] + kind->housing
                 || this->number(Fields::commerceTotal) != totals[1] + kind->commerce
                 || this->number(Fields::industryTotal) != totals[2] + kind->industry))
        fail(m_counts.years, "placement added the wrong amounts");
    checkTotalsNeverFall(totals);
    ++(kind ? m_counts.placements : m_counts.placementsOfNoKind);
}

// What a player might type: mostly small figures, sometimes fractions,
// leading zeros, blanks, words or full-width digits.
std::string Soak::figure()
{
    static const std::array<const char *, 13> odd{"", "abc", "１０", "nan", "1e999", "007", " 12 ", "+3",
                                                  "2.5", "-4", "0.1", "25000", "1e-3"};
    if (std::uniform_int_distribution<int>(0, 3)(m_chance) == 0)
        return odd[std::uniform_int_distribution<std::size_t>(0, odd.size() - 1)(m_chance)];
    return std::to_string(std::uniform_int_distribution<int>(0, 40)(m_chance));
}

void Soak::changePolicy()
{
    using namespace Fields;
    PolicyFigures figures;
    for (std::string &text : figures.texts)
        text = figure();
    TownState before = m_town;
    before.onFieldChanged = nullptr;
    try {
        applyPolicy(m_town, figures);
    } catch (const FieldError &) {
        for (int i = 0; i < kFieldCount; ++i) {
            if (m_town.text(static_cast<Field>(i)) != before.text(static_cast<Field>(i)))
                fail(m_counts.years, "refused figures changed a field");
        }
        ++m_counts.policiesRefused;
        return;
    }
    double credit = 0;
    for (std::size_t i = 0; i < kPolicyFigures.size(); ++i) {
        if (m_town.text(kPolicyFigures[i].field) != figures.texts[i])
            fail(m_counts.years, "figures were not copied as typed");
        credit += kPolicyFigures[i].peoplePerUnit * number(kPolicyFigures[i].field);
    }
    const double people = before.number(population);
    if (!agrees(number(population), people + credit, std::fabs(people) + std::fabs(credit)))
        fail(m_counts.years, "population credit is wrong");
    ++m_counts.policiesApplied;
}

void Soak::run(long years)
{
    std::uniform_int_distribution<int> percent(0, 99);
    bool clockRunning = true;
    long seconds = 0;
    while (m_counts.years < years) {
        // Now and then the player stops time for a while; building goes on.
        if (percent(m_chance) == 0)
            clockRunning = !clockRunning;
        if (clockRunning) {
            ++seconds;
            landValue();
            checkEveryField();
            economyYear();
            checkEveryField();
            if (seconds % 20 == 0) {
                upkeep();
                checkEveryField();
            }
        }
        for (int i = percent(m_chance) < 30 ? 1 + percent(m_chance) % 3 : 0; i > 0; --i) {
            place();
            checkEveryField();
        }
        if (percent(m_chance) < 2) {
            changePolicy();
            checkEveryField();
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    const long years = argc > 1 ? std::atol(argv[1]) : 1000000;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 20261207u;
    Soak soak(seed);
    soak.run(years);
    const Counts &c = soak.counts();
    std::printf("soak: %ld years played, seed %u, no violation\n", c.years, seed);
    std::printf("  economy years checked      %ld (balance, year, population, product; %ld debt charges)\n",
                c.years, c.debtCharges);
    std::printf("  land-value ticks checked   %ld (total within [lot sum, lot sum + 10))\n", c.landValueTicks);
    std::printf("  upkeep ticks checked       %ld (exactly 100 taken)\n", c.upkeepTicks);
    std::printf("  placements checked         %ld (+%ld of no kind; price, land value, totals never fall)\n",
                c.placements, c.placementsOfNoKind);
    std::printf("  policy changes             %ld applied, %ld refused without change\n", c.policiesApplied,
                c.policiesRefused);
    std::printf("  field readings checked     %ld (every field a finite number)\n", c.fieldChecks);
    std::printf("  final balance %s, year %s, housing %s, commerce %s, industry %s\n",
                soak.town().text(Fields::balance).c_str(), soak.town().text(Fields::yearCounter).c_str(),
                soak.town().text(Fields::housingTotal).c_str(), soak.town().text(Fields::commerceTotal).c_str(),
                soak.town().text(Fields::industryTotal).c_str());
    return 0;
}
