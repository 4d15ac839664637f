// Probes the X display with libxcb and the Wayland socket, as Qt's platforms would open them.
#include "app/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace display {

namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string quoted(const std::string& text) { return '"' + text + '"'; }

bool contains(std::string text, const char* part) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text.find(part) != std::string::npos;
}

// The platforms Qt tries, in its order: QT_QPA_PLATFORM if set, else the
// session's kind (Qt passes over Wayland on GNOME) and then xcb, Qt's
// default here. Arguments after a colon are dropped.
std::vector<std::string> platforms() {
    std::string list = env("QT_QPA_PLATFORM");
    if (list.empty()) {
        const bool gnome =
            contains(env("XDG_CURRENT_DESKTOP"), "gnome") || contains(env("XDG_SESSION_DESKTOP"), "gnome");
        list = env("XDG_SESSION_TYPE") == "wayland" && !gnome ? "wayland;xcb" : "xcb";
    }
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        std::string name = list.substr(start, end - start);
        name = name.substr(0, name.find(':'));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (!name.empty()) names.push_back(name);
        start = end + 1;
    }
    return names;
}

// Empty if the X server answers, else why not.
std::string x_fails() {
    const char* name = std::getenv("DISPLAY");
    if (!name) return "DISPLAY is not set";
    if (!*name) return "DISPLAY is empty";
    xcb_connection_t* connection = xcb_connect(name, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed ? "the X display " + quoted(name) + " cannot be opened" : "";
}

// Empty if a Wayland compositor listens where libwayland would look, else why not.
std::string wayland_fails() {
    if (!env("WAYLAND_SOCKET").empty()) return "";  // a socket handed over by the compositor
    std::string name = env("WAYLAND_DISPLAY");
    if (name.empty()) name = "wayland-0";
    std::string path = name;
    if (name.front() != '/') {
        const std::string runtime = env("XDG_RUNTIME_DIR");
        if (runtime.empty()) return "XDG_RUNTIME_DIR is not set for the Wayland display " + quoted(name);
        path = runtime + "/" + name;
    }
    const std::string fails = "the Wayland display " + quoted(name) + " is not listening";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return fails;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return fails;
    const bool listening = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return listening ? "" : fails;
}

}  // namespace

std::string why_none_opens() {
    std::string why;
    for (const std::string& platform : platforms()) {
        std::string fails;
        if (platform == "xcb")
            fails = x_fails();
        else if (platform.rfind("wayland", 0) == 0)
            fails = wayland_fails();
        if (fails.empty()) return "";  // this one opens, or Qt will tell
        if (why.find(fails) == std::string::npos) why += (why.empty() ? "" : "; ") + fails;
    }
    return why.empty() ? "no Qt platform is named in QT_QPA_PLATFORM" : why;
}

std::string described() {
    const std::string platform = env("QT_QPA_PLATFORM");
    std::string what =
        "Qt's platform " + (platform.empty() ? "" : quoted(platform) + " ") + "did not start; ";
    const char* x = std::getenv("DISPLAY");
    what += x ? "DISPLAY is " + quoted(x) : "DISPLAY is not set";
    if (const std::string wayland = env("WAYLAND_DISPLAY"); !wayland.empty())
        what += ", WAYLAND_DISPLAY is " + quoted(wayland);
    return what;
}

}  // namespace display
