// Says why no display opened, from the platforms that Qt names in its messages while it starts.
#include "app/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace display {

namespace {

struct message {
    QtMsgType type;
    std::string category;
    QString text;
};

// The program as the hint names it, the handler Qt had, and what Qt said while starting.
std::string program_path;
QtMessageHandler usual_handler = nullptr;
std::vector<message> held;

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string quoted(const std::string& text) { return '"' + text + '"'; }

// Whether a Wayland compositor listens where libwayland would look for it.
bool wayland_listens(const std::string& name) {
    if (!env("WAYLAND_SOCKET").empty()) return true;  // a socket handed over by the compositor
    std::string path = name;
    if (name.front() != '/') {
        const std::string runtime = env("XDG_RUNTIME_DIR");
        if (runtime.empty()) return false;  // libwayland finds no socket either
        path = runtime + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool listening = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return listening;
}

// Why a platform that Qt tried did not start, as far as the display it needs tells.
std::string why_not(const std::string& platform) {
    if (platform == "xcb") {
        const char* x = std::getenv("DISPLAY");
        if (!x) return "DISPLAY is not set";
        if (!*x) return "DISPLAY is empty";
        return "the X display " + quoted(x) + " cannot be opened";
    }
    if (platform.rfind("wayland", 0) == 0) {
        std::string name = env("WAYLAND_DISPLAY");
        if (name.empty()) name = "wayland-0";
        if (!wayland_listens(name)) return "the Wayland display " + quoted(name) + " is not listening";
    }
    return "Qt's platform " + quoted(platform) + " did not start";
}

[[noreturn]] void none_opened() {
    // Qt names each platform it tried, found or not, in quotes.
    std::string why;
    for (const message& each : held) {
        if (each.category != "qt.qpa.plugin") continue;
        const QStringList parts = each.text.split('"');
        if (parts.size() < 3) continue;
        const std::string reason = why_not(parts[1].toStdString());
        if (why.find(reason) == std::string::npos) why += (why.empty() ? "" : "; ") + reason;
    }
    if (why.empty()) why = "no platform of Qt started";
    std::fprintf(
        stderr, "marble-exchange: cannot open a display (%s); start the program under Xvfb: xvfb-run -a %s\n",
        why.c_str(), program_path.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    held.push_back({type, context.category ? context.category : "", text});
    if (type == QtFatalMsg) none_opened();
}

}  // namespace

void hold_messages_while_starting(std::string program) {
    program_path = std::move(program);
    usual_handler = qInstallMessageHandler(hold);
}

void release_messages() {
    qInstallMessageHandler(usual_handler);
    for (const message& each : held) {
        const QByteArray line = each.text.toLocal8Bit();
        switch (each.type) {
        case QtDebugMsg: qDebug("%s", line.constData()); break;
        case QtInfoMsg: qInfo("%s", line.constData()); break;
        case QtWarningMsg: qWarning("%s", line.constData()); break;
        default: qCritical("%s", line.constData()); break;
        }
    }
    held.clear();
}

}  // namespace display
