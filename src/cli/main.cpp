#include "cli/CliCommand.h"
#include "cli/CliHelp.h"
#include "cli/TerminalPlatform.h"
#include "database/DatabaseCommands.h"
#include "platform/AtomicFile.h"
#include "platform/LeakSuppressions.h"
#include "platform/Version.h"

#include <QGuiApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

namespace {

std::vector<SCliCommand>& Registry() {
    static std::vector<SCliCommand> commands;
    return commands;
}

int PrintUsage() {
    PrintCommandList(stderr);
    return EXIT_USAGE;
}

} // namespace

CCliCommandRegistration::CCliCommandRegistration(SCliCommand command) {
    auto& commands = Registry();
    commands.push_back(std::move(command));
    std::sort(commands.begin(), commands.end(),
              [](const SCliCommand& a, const SCliCommand& b) { return a.name < b.name; });
}

const std::vector<SCliCommand>& CliCommands() {
    return Registry();
}

namespace {

/// The application object: a GUI one on the offscreen platform for commands that paint (fonts
/// need it; no display is needed), a console one for the rest, which start faster.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "";
    const auto& commands = CliCommands();
    const bool paints = std::any_of(commands.begin(), commands.end(),
                                    [&name](const auto& c) { return c.name == name && c.paints; });
    if (!paints)
        return std::make_unique<QCoreApplication>(argc, argv);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // A private runtime folder, as a desktop session would give, keeps Qt from warning.
        const std::string runtime = "/tmp/runtime-" + std::to_string(::getuid());
        ::mkdir(runtime.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

/// Gives a standard stream that was closed when the program started a read-only stand-in, so
/// that no file the program opens takes its place (and receives the output or the messages),
/// and writes to it fail as they would have.
void KeepStandardStreamsTaken() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int standIn = ::open("/dev/null", O_RDONLY);
        if (standIn >= 0 && standIn != stream) {
            ::dup2(standIn, stream);
            ::close(standIn);
        }
    }
}

/// Runs what the words of the command line ask for and gives the exit code.
int RunArguments(const QStringList& arguments) {
    if (arguments.size() < 2)
        return PrintUsage();
    const std::string name = arguments.at(1).toStdString();
    if (name == "--version") {
        std::printf("quelta-cli %s\n", QueltaVersion());
        return EXIT_OK;
    }
    if (const int help = AnswerHelp(arguments.mid(1)); help >= 0)
        return help;
    for (const SCliCommand& command : CliCommands()) {
        if (command.name == name) {
            QStringList rest = arguments.mid(2);
            rest.prepend(QStringLiteral("quelta-cli ") + arguments.at(1));
            return command.run(rest);
        }
    }
    std::fprintf(stderr, "quelta-cli: unknown command '%s'\n", name.c_str());
    return PrintUsage();
}

/// The exit code of a command whose standard output is written out now: a command that
/// succeeded fails when its output could not be written (a full disk, a closed output), with a
/// message, instead of reporting success for output that was lost.
int OutputWritten(int result) {
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout))
        return result;
    std::fprintf(stderr, "quelta-cli: the standard output could not be written%s%s\n",
                 flushed ? "" : ": ", flushed ? "" : std::strerror(error));
    return result == EXIT_OK ? EXIT_FAILED : result;
}

} // namespace

int main(int argc, char** argv) {
    KeepStandardStreamsTaken();
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    // Every number read or written uses the C locale, whatever the user's locale.
    std::setlocale(LC_ALL, "C");
    CollectLibraryWarnings();
    // A write past a file-size limit fails with a message instead of ending the program.
    IgnoreFileSizeSignal();
    CTerminalPlatform platform;
    SetPlatform(&platform);
    InstallDatabaseCommands();

    return OutputWritten(RunArguments(QCoreApplication::arguments()));
}
