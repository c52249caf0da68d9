#include "app/MainWindow.h"
#include "database/DatabaseCommands.h"
#include "document/ChartThermograph.h"
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "platform/AtomicFile.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

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

/// A picture of the window; while a box is up over it (a file that could not be opened, say),
/// the screen where the window lies, so that the box is in the picture too.
QPixmap WindowPicture(QWidget& frame) {
    QWidget* box = QApplication::activeModalWidget();
    QScreen* screen = frame.screen();
    if (box && screen) {
        const QRect area = frame.frameGeometry();
        QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (!shot.isNull())
            return shot;
    }
    return frame.grab();
}

/// Saves the window's picture to `path` once it has been shown a while, then ends the program
/// (a box that is up is closed by the end of its event loop).
void ScreenshotLater(QWidget& frame, const QString& path) {
    QTimer::singleShot(1500, &frame, [&frame, path] {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        const bool saved =
            WindowPicture(frame).save(&png, "PNG") &&
            WriteFileAtomically(path.toStdString(),
                                std::string_view(png.data().constData(), png.data().size())) == 0;
        QApplication::exit(saved ? 0 : 1);
    });
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
    QCommandLineParser parser;
    parser.setApplicationDescription("Quelta: spatial models of voting");
    parser.addHelpOption();
    parser.addPositionalArgument(
        "FILE", "a scenario file or a legislature database (.sqlite, .db) to open");
    const QCommandLineOption screenshot("screenshot",
                                        "save a picture of the window to FILE once it is shown, "
                                        "then quit",
                                        "FILE");
    parser.addOption(screenshot);
    parser.process(app);
    InstallDatabaseCommands();
    // A write past a file-size limit fails with a message instead of ending the program.
    IgnoreFileSizeSignal();
    CQueltaDoc doc;
    SetDistributionFilesWritten(true);
    CQueltaFrame frame(doc);
    // The log opens with its date line, then the scenario is reset to a whiteboard.
    CreateDocument(doc);
    frame.RefreshViews();
    // Without a window manager a maximised window keeps its size; give it the screen first.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    if (parser.isSet(screenshot))
        ScreenshotLater(frame, parser.value(screenshot));
    // The file opens once the window is up, so that a message about it appears over the window.
    if (!parser.positionalArguments().isEmpty()) {
        const QString path = parser.positionalArguments().first();
        QTimer::singleShot(0, &frame, [&frame, path] { frame.OpenStartupFile(path); });
    }
    return QApplication::exec();
}
