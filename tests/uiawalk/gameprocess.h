#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The game the walker reads: a copy it starts, and ends again when done, or
// one already running.
class GameProcess {
public:
    // Starts the program; false if Windows cannot.
    bool start(const std::wstring &program);
    // Takes the first running process whose program file is named so
    // ("kestavine.exe"); false if none is.
    bool find(const std::wstring &fileName);
    ~GameProcess();

    GameProcess() = default;
    GameProcess(const GameProcess &) = delete;
    GameProcess &operator=(const GameProcess &) = delete;

    // The game's visible top-level windows, frontmost first.
    std::vector<HWND> windows() const;
    // Whether the game still runs.
    bool running() const;

private:
    DWORD m_id = 0;
    HANDLE m_process = nullptr;
    // Only a copy the walker started is ended by it.
    bool m_started = false;
};
