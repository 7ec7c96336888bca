#pragma once

#include <QString>

struct BuildingKind;
class TownState;

// What assistive technology says of lot 1..25: its number and what stands on
// it, "区画7 低密度住宅", so a player who cannot see the town can read it.
QString lotAccessibleName(const TownState &town, int lot);

// What it says of a kind the player may build: its name and the price its
// tool tip shows, "団地1 50＄".
QString kindAccessibleName(const BuildingKind &kind);

// What it says after a build on lot 1..25: the lot and what now stands there,
// the price charged when a kind was built, and the balance after its caption,
// "区画8 道路 直線 右上と左下、5＄、残高 995".
QString buildAccessibleNotice(const TownState &town, int lot, const BuildingKind *built);

// What it says of the town's buildings: every lot that holds one, with what
// stands there, "建物のある区画 区画1 低密度住宅、区画7 道路 直線 右上と左下".
QString builtLotsAccessibleText(const TownState &town);
