#pragma once

#include <QString>

// Where the embedded pictures live in the resource system. Every picture is
// built into the program; none is read from disk.

// The picture of building kind 1..30 (":/tiles/kind07.ico"). Returns an
// empty string for any other number.
QString kindTilePath(int kind);

// The empty plot every lot shows before its first building.
QString bareLandTilePath();

// The picture filling the splash window.
QString splashPicturePath();

// The three-image icon the program file carries.
QString programIconPath();
