#include "cli/CliCommand.h"
#include "platform/HeadlessPlatform.h"

#include <QCoreApplication>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <iostream>

namespace {

std::vector<SCliCommand>& Registry() {
    static std::vector<SCliCommand> commands;
    return commands;
}

int PrintUsage() {
    std::fprintf(stderr, "usage:\n");
    for (const SCliCommand& command : CliCommands())
        std::fprintf(stderr, "  quelta-cli %s\n", command.usage.c_str());
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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Every number read or written uses the C locale, whatever the user's locale.
    std::setlocale(LC_ALL, "C");
    CHeadlessPlatform platform(&std::cerr);
    SetPlatform(&platform);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return PrintUsage();
    const std::string name = arguments.at(1).toStdString();
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
