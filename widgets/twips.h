#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Layouts are designed in twips, 15 to a pixel at 96 dots per inch; keeping the
// design figures in the code lets a reader check each control against its plan.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) { return value / kTwipsPerPixel; }

constexpr QPoint twips(int left, int top) { return {twips(left), twips(top)}; }

constexpr QSize twipsSize(int width, int height) { return {twips(width), twips(height)}; }

constexpr QRect twips(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}
