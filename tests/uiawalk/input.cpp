#include "input.h"

#include <array>
#include <cwctype>
#include <utility>

namespace Input {

void click(POINT point)
{
    // Absolute positions run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    std::array<INPUT, 3> inputs{};
    for (INPUT &input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(point.x, 65535, width - 1);
        input.mi.dy = MulDiv(point.y, 65535, height - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool key(const std::wstring &name)
{
    constexpr std::array<std::pair<const wchar_t *, WORD>, 11> kNamed{{
        {L"space", VK_SPACE}, {L"enter", VK_RETURN}, {L"tab", VK_TAB}, {L"escape", VK_ESCAPE},
        {L"home", VK_HOME}, {L"end", VK_END}, {L"up", VK_UP}, {L"down", VK_DOWN},
        {L"left", VK_LEFT}, {L"right", VK_RIGHT}, {L"f1", VK_F1},
    }};
    WORD code = 0;
    for (const auto &[keyName, virtualKey] : kNamed) {
        if (name == keyName)
            code = virtualKey;
    }
    // Letters and digits are their own virtual keys, upper case.
    if (!code && name.size() == 1 && std::iswalnum(name[0]))
        code = static_cast<WORD>(std::towupper(name[0]));
    if (!code)
        return false;
    std::array<INPUT, 2> inputs{};
    for (INPUT &input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return true;
}

} // namespace Input
