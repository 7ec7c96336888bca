#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Everything the walker prints goes through here as UTF-8 lines, whole, so
// that the event handlers' threads never split a line of the walk.
namespace Output {

std::string utf8(std::wstring_view text);

// The text quoted, with quotes, backslashes and line breaks escaped: one
// element stays on one line.
std::string quoted(std::wstring_view text);

// "0x80004001": how Windows writes an HRESULT.
std::string hresult(HRESULT result);

void line(const std::string &text);
// A note on what UI Automation could not give, "# " first.
void note(const std::string &text);

} // namespace Output
