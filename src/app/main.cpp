#include "app/MainWindow.h"
#include "document/QueltaDoc.h"

#include <QApplication>
#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

/// Whether a windowing platform can be reached: an explicit platform, an X display or Wayland.
bool DisplayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "quelta: no display available (DISPLAY is not set); to draw a chart "
                             "without one, use: quelta-cli render FILE -o chart.png\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quelta");
    QApplication::setOrganizationName("Quelta");
    // Every number read or written uses the C locale, whatever the user's locale.
    std::setlocale(LC_ALL, "C");
    CQueltaDoc doc;
    CQueltaFrame frame(doc);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        frame.OpenStartupFile(arguments.at(1));
    frame.showMaximized();
    return QApplication::exec();
}
