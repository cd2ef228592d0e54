// Measures a program's start-up from outside, the way a user sees it: from just before the
// process is started to the first time its main window shows painted content on the X display,
// and its peak resident memory once it stands idle. Nothing inside the measured program changes.
//
// Usage: startup_probe RUNS PROGRAM...   (DISPLAY must name an X server without other clients)
// Each run starts the programs in turn (interleaved, so a change in machine load hits all alike)
// with a fresh temporary HOME and XDG folders, so every start is a first start that asks nothing.
// Prints per program: "<name> startup_ms <median> peak_rss_kib <median>".
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double startupMs = 0;
    long peakRssKib = 0;
};

long peakRssKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The pixels of the top strip of a window (where the menu bar is), to tell when it was painted.
std::optional<std::vector<unsigned long>> topStrip(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return std::nullopt;
    const int width = std::min(attributes.width, 320);
    const int height = std::min(attributes.height, 40);
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    std::vector<unsigned long> pixels;
    pixels.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.push_back(XGetPixel(image, x, y));
    }
    XDestroyImage(image);
    return pixels;
}

int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

void closeWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

bool waitForExit(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

std::optional<Sample> measureOnce(Display* display, const std::string& program) {
    namespace fs = std::filesystem;
    char folderTemplate[] = "/tmp/zenthari-bench-XXXXXX";
    const char* folder = mkdtemp(folderTemplate);
    if (!folder)
        return std::nullopt;
    const fs::path home(folder);
    for (const char* sub : {"config", "data", "cache", "runtime", "tmp"})
        fs::create_directories(home / sub);
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);

    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True); // forget events of earlier runs

    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("HOME", folder, 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
        setenv("TMPDIR", (home / "tmp").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::perror(program.c_str());
        _exit(127);
    }
    if (pid < 0)
        return std::nullopt;

    std::optional<Sample> sample;
    Window mainWindow = 0;
    const auto deadline = started + std::chrono::seconds(30);
    while (!mainWindow && Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                mainWindow = event.xmap.window;
                break;
            }
        }
        if (!mainWindow)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (mainWindow) {
        // Mapped is not yet shown: wait until the window's top strip holds something else than
        // what the display showed when it was mapped, that is until the program has painted.
        const auto mapped = Clock::now();
        const auto before = topStrip(display, mainWindow);
        while (Clock::now() < deadline) {
            const auto now = topStrip(display, mainWindow);
            if (before && now && *now != *before) {
                sample = Sample{
                    std::chrono::duration<double, std::milli>(Clock::now() - started).count(), 0};
                if (std::getenv("STARTUP_PROBE_VERBOSE"))
                    std::fprintf(
                        stderr, "%s: mapped %.1f ms, painted %.1f ms\n", program.c_str(),
                        std::chrono::duration<double, std::milli>(mapped - started).count(),
                        sample->startupMs);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    if (sample) {
        // Let it settle as a user's idle program would, then take its peak.
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        sample->peakRssKib = peakRssKib(pid);
    }
    if (mainWindow)
        closeWindow(display, mainWindow);
    if (!waitForExit(pid, std::chrono::seconds(5))) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    fs::remove_all(home);
    return sample;
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: startup_probe RUNS PROGRAM...\n";
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<std::string> programs(argv + 2, argv + argc);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        std::cerr << "startup_probe: cannot open the X display " << (name ? name : "") << '\n';
        return 2;
    }
    XSetErrorHandler(ignoreXErrors); // a window may vanish while it is looked at

    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = -1; run < runs; ++run) { // run -1 warms the caches and is not counted
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const auto sample = measureOnce(display, programs[p]);
            if (!sample) {
                std::cerr << "startup_probe: " << programs[p] << " showed no window\n";
                return 1;
            }
            if (run >= 0)
                samples[p].push_back(*sample);
        }
    }
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> times;
        std::vector<long> memory;
        for (const Sample& s : samples[p]) {
            times.push_back(s.startupMs);
            memory.push_back(s.peakRssKib);
        }
        std::printf("%s startup_ms %.1f peak_rss_kib %ld\n",
                    std::filesystem::path(programs[p]).filename().c_str(), median(times),
                    median(memory));
    }
    XCloseDisplay(display);
    return 0;
}
