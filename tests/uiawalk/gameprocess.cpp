#include "gameprocess.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>
#include <utility>

bool GameProcess::start(const std::wstring &program)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return false;
    CloseHandle(started.hThread);
    m_id = started.dwProcessId;
    m_process = started.hProcess;
    m_started = true;
    return true;
}

bool GameProcess::find(const std::wstring &fileName)
{
    const auto lower = [](std::wstring text) {
        std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
        return text;
    };
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (lower(entry.szExeFile) == lower(fileName)) {
            m_id = entry.th32ProcessID;
            m_process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, m_id);
            break;
        }
    }
    CloseHandle(snapshot);
    return m_process != nullptr;
}

GameProcess::~GameProcess()
{
    if (!m_process)
        return;
    if (m_started && running()) {
        TerminateProcess(m_process, 0);
        WaitForSingleObject(m_process, 5000);
    }
    CloseHandle(m_process);
}

std::vector<HWND> GameProcess::windows() const
{
    std::pair<DWORD, std::vector<HWND>> search{m_id, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto &[id, found] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>> *>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == id && IsWindowVisible(window))
                found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

bool GameProcess::running() const
{
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}
