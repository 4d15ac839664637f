// marble-exchange: starts the Qt host on the start dialog.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/host.h"

namespace {
bool has_display() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}
}  // namespace

int main(int argc, char** argv) {
    if (!has_display()) {
        std::fprintf(stderr, "marble-exchange: no display here; start it under Xvfb: xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("marble-exchange");
    QApplication::setDesktopFileName(QStringLiteral(MARBLE_APP_ID));  // ties the windows to the desktop entry and its icon
    QApplication::setQuitOnLastWindowClosed(false);  // the program quits when its last window closes
    QImageReader::setAllocationLimit(64);

    // The designed fonts are not on Debian: metrically close free ones stand in.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");

    QIcon icon;
    icon.addFile(":/icon/marble-exchange-32.png", QSize(32, 32));
    icon.addFile(":/icon/marble-exchange-16.png", QSize(16, 16));
    QApplication::setWindowIcon(icon);

    qt_host::host host;
    host.start();
    return QApplication::exec();
}
