#pragma once

#include <QString>

// Where the pictures live: each as a file under the source's assets folder
// ("tiles/kind07.ico"), which the picture generator writes, and at the same
// path in the resource system (":/tiles/kind07.ico"), from which the game
// reads it. Every picture is built into the program; none is read from disk.

// The picture of building kind n, numbered from 1.
QString kindTileFile(int kind);
// The embedded picture of kind n, or an empty string when the program holds
// no picture of that number.
QString kindTilePath(int kind);

// The empty plot every lot shows before its first building.
QString bareLandTileFile();
QString bareLandTilePath();

// The picture filling the splash window.
QString splashPictureFile();
QString splashPicturePath();

// The three-image icon the program file carries.
QString programIconFile();
QString programIconPath();
