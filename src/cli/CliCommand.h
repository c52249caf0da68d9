#pragma once

#include <QStringList>

class QCommandLineParser;

#include <functional>
#include <string>

/// Exit codes of quelta-cli.
enum { EXIT_OK = 0, EXIT_FAILED = 1, EXIT_USAGE = 2 };

/// One sub-command of quelta-cli: its name, a usage line and the function that runs it with the
/// arguments after the command name (argument 0 is "quelta-cli <name>").
struct SCliCommand {
    std::string name;
    std::string usage;
    std::function<int(const QStringList& arguments)> run;
    /// Whether the command paints (fonts and images need a GUI application object).
    bool paints = false;
    /// Adds the command's arguments and options to a parser, for its help text.
    std::function<void(QCommandLineParser& parser)> options;
};

/// Registers a sub-command at start-up; each command's file holds one of these.
class CCliCommandRegistration {
public:
    explicit CCliCommandRegistration(SCliCommand command);
};

/// Every registered sub-command, in the order of their names.
const std::vector<SCliCommand>& CliCommands();
