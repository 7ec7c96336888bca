// uiawalk: what a Windows screen reader gets from the game through UI Automation.
//   uiawalk [--start PROGRAM | --find FILE] STEP...
// With --start it starts the program and ends it when done; otherwise it reads
// the running game (--find kestavine.exe). The steps, in order:
//   wait NAME   until an element of the game's windows is so named (60 s at most)
//   walk        prints each visible window of the game, frontmost first, and
//               an empty line
//   press NAME  clicks the middle of the element so named, as a mouse would
//   key KEY     presses a key (a letter or digit, space, enter, tab, arrows...)
//   events      from now on prints each event that reaches a client
//   sleep MS    lets events arrive
// Lines starting "# " say what UI Automation could not give, with its HRESULT.
#include "elementtree.h"
#include "eventlog.h"
#include "gameprocess.h"
#include "input.h"
#include "output.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitLimit = 60000;
constexpr DWORD kPollInterval = 200;

int fail(const std::string &message)
{
    std::fprintf(stderr, "uiawalk: %s\n", message.c_str());
    return 1;
}

class Walker {
public:
    Walker(IUIAutomation &automation, GameProcess &game)
        : m_automation(automation)
        , m_game(game)
        , m_tree(automation)
    {
    }

    ~Walker()
    {
        if (m_log)
            EventLog::removeFrom(m_automation);
    }

    void walk()
    {
        for (HWND window : m_game.windows()) {
            if (auto element = elementOf(window))
                m_tree.print(*element.Get());
        }
        Output::line({});
    }

    // The element so named in the game's windows, and the window it lies in.
    std::pair<ComPtr<IUIAutomationElement>, HWND> find(const std::wstring &name)
    {
        for (HWND window : m_game.windows()) {
            if (auto element = elementOf(window)) {
                if (auto found = m_tree.find(*element.Get(), name))
                    return {found, window};
            }
        }
        return {};
    }

    bool waitFor(const std::wstring &name)
    {
        for (DWORD waited = 0; waited < kWaitLimit && m_game.running(); waited += kPollInterval) {
            if (find(name).first)
                return true;
            Sleep(kPollInterval);
        }
        return false;
    }

    bool press(const std::wstring &name)
    {
        if (!waitFor(name))
            return false;
        auto [element, window] = find(name);
        RECT box{};
        if (!element || FAILED(element->get_CurrentBoundingRectangle(&box)))
            return false;
        // Wine's UI Automation has no Invoke pattern for Qt's buttons: click them.
        SetForegroundWindow(window);
        Input::click({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
        return true;
    }

    void listen()
    {
        if (m_log)
            return;
        m_log.Attach(new EventLog);
        m_log->addTo(m_automation);
    }

private:
    ComPtr<IUIAutomationElement> elementOf(HWND window)
    {
        ComPtr<IUIAutomationElement> element;
        const HRESULT result = m_automation.ElementFromHandle(window, &element);
        if (FAILED(result))
            Output::note("IUIAutomation::ElementFromHandle: " + Output::hresult(result));
        return element;
    }

    IUIAutomation &m_automation;
    GameProcess &m_game;
    ElementTree m_tree;
    // UI Automation holds the log too, and may let it go after the walker.
    ComPtr<EventLog> m_log;
};

int run(IUIAutomation &automation, const std::vector<std::wstring> &arguments)
{
    GameProcess game;
    std::size_t next = 0;
    const bool starts = arguments.size() >= 2 && arguments[0] == L"--start";
    if (starts && !game.start(arguments[1]))
        return fail("cannot start " + Output::utf8(arguments[1]));
    const std::wstring fileName = arguments.size() >= 2 && arguments[0] == L"--find" ? arguments[1] : L"kestavine.exe";
    if (!starts && !game.find(fileName))
        return fail(Output::utf8(fileName) + " is not running");
    if (arguments.size() >= 2 && arguments[0].starts_with(L"--"))
        next = 2;

    Walker walker(automation, game);
    while (next < arguments.size()) {
        const std::wstring &step = arguments[next++];
        if (step == L"walk") {
            walker.walk();
            continue;
        }
        if (step == L"events") {
            walker.listen();
            continue;
        }
        if (step != L"wait" && step != L"press" && step != L"key" && step != L"sleep")
            return fail("no such step: " + Output::utf8(step));
        if (next == arguments.size())
            return fail(Output::utf8(step) + " needs a value");
        const std::wstring &value = arguments[next++];
        if (step == L"wait" && !walker.waitFor(value))
            return fail("no element named " + Output::quoted(value) + " appeared");
        if (step == L"press" && !walker.press(value))
            return fail("cannot press " + Output::quoted(value));
        if (step == L"key" && !Input::key(value))
            return fail("no such key: " + Output::utf8(value));
        if (step == L"sleep") {
            wchar_t *end = nullptr;
            const unsigned long milliseconds = std::wcstoul(value.c_str(), &end, 10);
            if (value.empty() || *end)
                return fail("sleep needs milliseconds, not " + Output::utf8(value));
            Sleep(milliseconds);
        }
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    // Event handlers are called on UI Automation's own threads, as in any
    // client that must not block the provider it reads.
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
        return fail("COM does not start");
    int status = 0;
    {
        ComPtr<IUIAutomation> automation;
        const HRESULT created = CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IUIAutomation, &automation);
        if (FAILED(created))
            status = fail("no UI Automation client: " + Output::hresult(created));
        else
            status = run(*automation.Get(), std::vector<std::wstring>(argv + 1, argv + argc));
    }
    CoUninitialize();
    return status;
}
