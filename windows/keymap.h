#pragma once

#include <QString>

#include <span>
#include <string_view>

class QKeyEvent;

// The game's keys, a row each: where a key works, what it does and how the
// help names it. The key dispatch acts on it, the help message lists it and the
// tests press every row of it.
namespace KeyMap {

// Where a key works.
enum class Place {
    AnyWindow,  // in every window, on the control that has the focus
    Palette,    // on a kind button of the main window
    MainWindow, // anywhere in the main window
    Diamond,    // on a lot button of the picker
    Picker,     // anywhere in the picker
};

enum class Action {
    NextControl,  // the next or previous control in the Tab order (Qt's own)
    Press,        // presses the focused button (the button's own)
    Arrow,        // the neighbour drawn in the arrow's direction
    FirstOrLast,  // Home the first of the group, End the last
    Number,       // the kind or lot of the number typed, two digits in a row
    BuildAndNext, // builds on the focused lot and moves on to the next bare one
    SayFigures,   // a screen reader says the balance, population and year
    SayBuiltLots, // a screen reader says every lot that holds a building
    StopOrStart,  // stops time if it runs, otherwise starts it
    LandPrice,    // presses 地価
    Settings,     // presses 基本設定
    Help,         // presses ヘルプ
    Quit,         // presses 終了
};

struct Binding {
    Place place;
    // The keys first to last in Qt's numbering, with exactly these
    // modifiers (the keypad's aside).
    int first;
    int last;
    Qt::KeyboardModifiers modifiers;
    Action action;
    // As the help names the keys and says what they do; %1 is the count of
    // the place's group.
    std::u16string_view keys;
    std::u16string_view does;
};

std::span<const Binding> bindings();

// The row of the key pressed in that place, or nullptr; of a key held down,
// only the arrows repeat.
const Binding *find(Place place, const QKeyEvent &event);

// The keys as the help message lists them, a line each, under the places.
QString help();

} // namespace KeyMap
