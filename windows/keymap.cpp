#include "keymap.h"

#include "catalogue.h"
#include "field.h"

#include <QKeyEvent>
#include <QStringList>

#include <array>

namespace KeyMap {

namespace {

using Qt::ControlModifier;
using Qt::NoModifier;
using Qt::ShiftModifier;

constexpr std::array kBindings{
    Binding{Place::AnyWindow, Qt::Key_Tab, Qt::Key_Tab, NoModifier, Action::NextControl, u"Tab", u"次のボタンへ"},
    Binding{Place::AnyWindow, Qt::Key_Backtab, Qt::Key_Backtab, ShiftModifier, Action::NextControl, u"Shift+Tab",
            u"前のボタンへ"},
    Binding{Place::AnyWindow, Qt::Key_Space, Qt::Key_Space, NoModifier, Action::Press, u"Space",
            u"ボタンを押す"},
    Binding{Place::AnyWindow, Qt::Key_Return, Qt::Key_Enter, NoModifier, Action::Press, u"Enter",
            u"ボタンを押す"},
    Binding{Place::Palette, Qt::Key_Left, Qt::Key_Down, NoModifier, Action::Arrow, u"↑↓←→",
            u"絵のとおり隣の建物へ"},
    Binding{Place::MainWindow, Qt::Key_Home, Qt::Key_End, NoModifier, Action::FirstOrLast, u"Home / End",
            u"最初・最後の建物へ"},
    Binding{Place::MainWindow, Qt::Key_0, Qt::Key_9, NoModifier, Action::Number, u"1〜%1",
            u"その番号の建物へ（二けたは続けて）"},
    Binding{Place::MainWindow, Qt::Key_F, Qt::Key_F, NoModifier, Action::SayFigures, u"F",
            u"残高・人口・年を読み上げる"},
    Binding{Place::MainWindow, Qt::Key_T, Qt::Key_T, NoModifier, Action::SayBuiltLots, u"T",
            u"建っている区画を読み上げる"},
    Binding{Place::MainWindow, Qt::Key_P, Qt::Key_P, NoModifier, Action::StopOrStart, u"P",
            u"ストップ・スタート"},
    Binding{Place::MainWindow, Qt::Key_L, Qt::Key_L, NoModifier, Action::LandPrice, u"L", u"地価"},
    Binding{Place::MainWindow, Qt::Key_S, Qt::Key_S, NoModifier, Action::Settings, u"S", u"基本設定"},
    Binding{Place::MainWindow, Qt::Key_F1, Qt::Key_F1, NoModifier, Action::Help, u"F1", u"ヘルプ"},
    Binding{Place::MainWindow, Qt::Key_Q, Qt::Key_Q, ControlModifier, Action::Quit, u"Ctrl+Q", u"終了"},
    Binding{Place::Diamond, Qt::Key_Left, Qt::Key_Down, NoModifier, Action::Arrow, u"↑↓←→",
            u"絵のとおり隣の区画へ"},
    Binding{Place::Diamond, Qt::Key_N, Qt::Key_N, NoModifier, Action::BuildAndNext, u"N",
            u"ここに建てて、次の空き地へ"},
    Binding{Place::Picker, Qt::Key_Home, Qt::Key_End, NoModifier, Action::FirstOrLast, u"Home / End",
            u"最初・最後の区画へ"},
    Binding{Place::Picker, Qt::Key_0, Qt::Key_9, NoModifier, Action::Number, u"1〜%1",
            u"その番号の区画へ（二けたは続けて）"},
    Binding{Place::Picker, Qt::Key_T, Qt::Key_T, NoModifier, Action::SayBuiltLots, u"T",
            u"建っている区画を読み上げる"},
};

QString fromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The heading the help gives a place.
QString heading(Place place)
{
    switch (place) {
    case Place::AnyWindow:
        return QStringLiteral("どの画面でも");
    case Place::Palette:
        return QStringLiteral("建物のボタンで");
    case Place::MainWindow:
        return QStringLiteral("街の画面で");
    case Place::Diamond:
        return QStringLiteral("区画のボタンで");
    case Place::Picker:
        return QStringLiteral("「建設物購入」で");
    }
    return {};
}

int groupSize(Place place)
{
    return place == Place::Palette || place == Place::MainWindow ? kKindCount : kLotCount;
}

} // namespace

std::span<const Binding> bindings()
{
    return kBindings;
}

const Binding *find(Place place, const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const Binding &binding : kBindings) {
        if (binding.place == place && event.key() >= binding.first && event.key() <= binding.last
            && modifiers == binding.modifiers)
            // A key held down walks on, but builds or presses once, as Space on a button does.
            return !event.isAutoRepeat() || binding.action == Action::Arrow ? &binding : nullptr;
    }
    return nullptr;
}

QString help()
{
    QStringList lines;
    for (std::size_t i = 0; i < kBindings.size(); ++i) {
        const Binding &binding = kBindings[i];
        if (i == 0 || kBindings[i - 1].place != binding.place)
            lines << heading(binding.place);
        QString keys = fromUtf16(binding.keys).arg(groupSize(binding.place));
        // Rows that do the same are one line: "Space / Enter".
        while (i + 1 < kBindings.size() && kBindings[i + 1].place == binding.place
               && kBindings[i + 1].does == binding.does)
            keys += QStringLiteral(" / ") + fromUtf16(kBindings[++i].keys);
        lines << QStringLiteral("　%1：%2").arg(keys, fromUtf16(binding.does));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace KeyMap
