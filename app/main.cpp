// marble-exchange: starts the Qt host on the start dialog, or says in one line why no display opens.
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/display.h"
#include "ui/form/program_window.h"
#include "ui/qt/host.h"

namespace {

std::string program_path = "marble-exchange";

// The program as the user can start it again from wherever they stand: a
// name found on the PATH as it is, a path made absolute (the scripts start
// the program from the folder of its pictures, by a path relative to
// there), and quoted for the shell where it needs it.
std::string program_for_the_shell(const char* argv0) {
    std::string path = argv0;
    if (path.find('/') != std::string::npos) {
        std::error_code failed;
        const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
        if (!failed) path = absolute.lexically_normal().string();
    }
    if (path.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/._+,:@%=-") ==
        std::string::npos)
        return path;
    std::string quoted = "'";
    for (const char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

[[noreturn]] void no_display(const std::string& why) {
    std::fprintf(
        stderr, "marble-exchange: cannot open a display (%s); start the program under Xvfb: xvfb-run -a %s\n",
        why.c_str(), program_path.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

// While QApplication starts, Qt's own messages are held back: when no
// platform starts, Qt would print several lines, advise reinstalling and
// abort; one line of ours and status 1 say it better. Once started, the
// held messages are shown as usual.
QtMessageHandler usual_handler = nullptr;
std::vector<std::pair<QtMsgType, QString>> held;

void hold_while_starting(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) no_display(display::described());
    held.emplace_back(type, text);
}

void release_held() {
    qInstallMessageHandler(usual_handler);
    for (const auto& [type, text] : held) {
        const QByteArray line = text.toLocal8Bit();
        switch (type) {
        case QtDebugMsg: qDebug("%s", line.constData()); break;
        case QtInfoMsg: qInfo("%s", line.constData()); break;
        case QtWarningMsg: qWarning("%s", line.constData()); break;
        default: qCritical("%s", line.constData()); break;
        }
    }
    held.clear();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 0 && argv[0] && *argv[0]) program_path = program_for_the_shell(argv[0]);
    // Qt aborts when it cannot open a display: look first.
    if (const std::string why = display::why_none_opens(); !why.empty()) no_display(why);

    usual_handler = qInstallMessageHandler(hold_while_starting);
    QApplication application(argc, argv);
    release_held();
    QApplication::setApplicationName("marble-exchange");
    // Ties the windows to the desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(MARBLE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);  // the program quits when its last window closes
    QImageReader::setAllocationLimit(64);

    // The windows carry the program's icon; so does everything else it opens.
    QApplication::setWindowIcon(qt_host::pictures().icon(ui::program_icon()));

    qt_host::host host;
    host.start();
    return QApplication::exec();
}
