#include "output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <mutex>

namespace Output {

namespace {
std::mutex printing;
}

std::string utf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::string quoted(std::wstring_view text)
{
    std::string result = "\"";
    for (char c : utf8(text)) {
        if (c == '"' || c == '\\')
            result += '\\';
        if (c == '\n')
            result += "\\n";
        else if (c != '\r')
            result += c;
    }
    return result + '"';
}

std::string hresult(HRESULT result)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
    return text;
}

void line(const std::string &text)
{
    const std::lock_guard lock(printing);
    // UTF-8 as it is, each line ending in a line feed alone.
    static const int binary = _setmode(_fileno(stdout), _O_BINARY);
    (void)binary;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void note(const std::string &text)
{
    line("# " + text);
}

} // namespace Output
