#pragma once

#include <QString>

class TownState;

// What assistive technology says of lot 1..25: its number and what stands on
// it, "区画7 低密度住宅", so a player who cannot see the town can read it.
QString lotAccessibleName(const TownState &town, int lot);
