// Watches the display from outside the game and prints, as they happen, the
// top-level windows mapped and moved:
//   <ms> map <x>,<y> <width>x<height> <program> <title>
//   <ms> move <x>,<y> <width>x<height> <program> <title>
// ms counts from the start of the watch; the geometry is the window as the
// player sees it (with a window manager, its frame); program and title are
// those of the program's window inside (its WM_CLASS and WM_NAME). Windows of
// no program, such as a window manager's own, are left out. "ready" on its
// own line says the watch has begun. Runs until killed.
//
// One connection only listens, so that each event is timed as it arrives; a
// second one asks the names, whose round trips would otherwise hold back the
// events that come meanwhile.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Sighting {
    double ms = 0;
    const char *what = "";
    Window window = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Sightings {
public:
    void push(const Sighting &sighting)
    {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(sighting);
        }
        m_ready.notify_one();
    }

    Sighting pop()
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_queue.empty(); });
        const Sighting sighting = m_queue.front();
        m_queue.pop_front();
        return sighting;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Sighting> m_queue;
};

// Windows may be gone by the time their name is asked for.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

// The program's window: the window itself, or with a window manager the
// first window inside its frame that names its program.
Window clientWithin(Display *display, Window window, int depth = 0)
{
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint)) {
        XFree(hint.res_name);
        XFree(hint.res_class);
        return window;
    }
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    Window client = 0;
    if (depth < 3 && XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !client; ++i)
            client = clientWithin(display, children[i], depth + 1);
        if (children)
            XFree(children);
    }
    return client;
}

void report(Display *display, const Sighting &sighting)
{
    const Window client = clientWithin(display, sighting.window);
    XClassHint hint{};
    if (!client || !XGetClassHint(display, client, &hint))
        return;
    const std::string program = hint.res_name ? hint.res_name : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    char *name = nullptr;
    std::string title;
    if (XFetchName(display, client, &name) && name) {
        title = name;
        XFree(name);
    }
    std::printf("%.3f %s %d,%d %dx%d %s %s\n", sighting.ms, sighting.what, sighting.x, sighting.y, sighting.width,
                sighting.height, program.c_str(), title.c_str());
    std::fflush(stdout);
}

void listen(Display *display, Clock::time_point start, Sightings &sightings)
{
    const Window root = DefaultRootWindow(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (event.type == MapNotify && event.xmap.event == root) {
            // A map says nothing of where: the window stands where its last move put it.
            sightings.push({ms, "map", event.xmap.window});
        } else if (event.type == ConfigureNotify && event.xconfigure.event == root) {
            const XConfigureEvent &moved = event.xconfigure;
            sightings.push({ms, "move", moved.window, moved.x, moved.y, moved.width, moved.height});
        }
    }
}

} // namespace

int main()
{
    XInitThreads();
    Display *listening = XOpenDisplay(nullptr);
    Display *asking = XOpenDisplay(nullptr);
    if (!listening || !asking) {
        std::fprintf(stderr, "mapwatch: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(listening, DefaultRootWindow(listening), SubstructureNotifyMask);
    XSync(listening, False);
    const Clock::time_point start = Clock::now();
    std::printf("ready\n");
    std::fflush(stdout);

    Sightings sightings;
    std::thread listener(listen, listening, start, std::ref(sightings));
    listener.detach();
    for (;;) {
        Sighting sighting = sightings.pop();
        if (std::string(sighting.what) == "map") {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(asking, sighting.window, &attributes)) {
                sighting.x = attributes.x;
                sighting.y = attributes.y;
                sighting.width = attributes.width;
                sighting.height = attributes.height;
            }
        }
        report(asking, sighting);
    }
}
