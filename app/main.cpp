// marble-exchange: starts the Qt host on the start dialog, or says in one line why no display opens.
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/display.h"
#include "ui/program/program_window.h"
#include "ui/qt/host.h"

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    display::hold_messages_while_starting(
        program_for_the_shell(argc > 0 && argv[0] && *argv[0] ? argv[0] : "marble-exchange"));
    QApplication application(argc, argv);
    display::release_messages();
    QApplication::setApplicationName("marble-exchange");
    // Ties the windows to the desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(MARBLE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);  // the program quits when its last window closes
    QImageReader::setAllocationLimit(64);

    // The windows carry the program's icon; so does everything else it opens.
    QApplication::setWindowIcon(qt_host::pictures().icon(program::program_icon()));

    qt_host::host host;
    host.start();
    return QApplication::exec();
}
