#include "Bindings.h"
#include "CallPlatform.h"

#include "database/DatabaseCommands.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <pybind11/pybind11.h>

#include <unistd.h>

#include <clocale>
#include <string>

namespace py = pybind11;

namespace {

/// The Qt application the core needs for fonts, images and database drivers: the program's
/// own when it has one, otherwise a GUI application on the offscreen platform, which needs no
/// display. The process's locale is left as the program set it.
void StartApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 3;
    static char name[] = "quelta", platformOption[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        // A private runtime folder, as a desktop session gives one, keeps Qt from warning.
        const QString runtime = QDir::tempPath() + "/runtime-" + QString::number(::getuid());
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    std::setlocale(LC_ALL, locale.c_str());
}

/// What the core shows outside any call (nothing should reach it): recorded, never shown, and
/// never an end of the interpreter.
CRecordingPlatform& ModulePlatform() {
    static CRecordingPlatform platform;
    return platform;
}

} // namespace

PYBIND11_MODULE(_quelta, module) {
    module.doc() = "The bindings of the quelta package over the Quelta core; use the package.";
    StartApplication();
    SetPlatform(&ModulePlatform());
    InstallDatabaseCommands();
    RememberMainThread(
        py::module_::import("threading").attr("main_thread")().attr("ident").cast<unsigned long>());
    RegisterErrorTranslator();

    PyScenario scenario(module, "Document", "One scenario document of the Quelta core.");
    scenario.def(py::init<>());
    BindSources(scenario);
    BindEdits(scenario);
    BindResults(scenario);
}
