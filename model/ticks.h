#pragma once

class RandomSource;
class TownState;

// The three timed rules of the town. Each runs as one all-or-nothing edit:
// when a field it reads is not a number, or a result would not be finite, it
// throws FieldError and the town (and the random source) stay as they were.

// Total land value: the sum of the 25 lot land values, written and read back
// as text, plus a random addend below 10 at single precision.
void runLandValueTick(TownState &town, RandomSource &random);

// One year of accounts: spending, production, tax, population, the year,
// the housing charge, and a debt charge of 100 while the balance is below 0.
void runEconomyTick(TownState &town);

// The upkeep charge of 100, taken whatever the balance.
void runUpkeepTick(TownState &town);
