#include "cli/CliHelp.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

const SCliCommand* FindCommand(const QString& name) {
    const auto& commands = CliCommands();
    const auto found = std::find_if(commands.begin(), commands.end(), [&name](const auto& c) {
        return QString::fromStdString(c.name) == name;
    });
    return found == commands.end() ? nullptr : &*found;
}

bool IsHelpWord(const QString& word) {
    return word == "--help" || word == "-h";
}

} // namespace

bool AsksForHelp(const QStringList& words) {
    for (const QString& word : words) {
        if (word == "--")
            return false;
        if (IsHelpWord(word))
            return true;
    }
    return false;
}

void PrintCommandList(std::FILE* out) {
    std::fprintf(out, "usage:\n");
    for (const SCliCommand& command : CliCommands())
        std::fprintf(out, "  quelta-cli %s\n", command.usage.c_str());
    std::fprintf(out, "  quelta-cli --version\n"
                      "  quelta-cli help [COMMAND]     (or COMMAND --help) the options of a "
                      "command\n");
}

void PrintCommandHelp(const SCliCommand& command) {
    std::printf("usage: quelta-cli %s\n", command.usage.c_str());
    if (!command.options)
        return;
    QCommandLineParser parser;
    command.options(parser);
    // Qt's help text starts with its own usage line; the command's one stands in its place.
    const QString text = parser.helpText();
    const qsizetype options = text.indexOf(QStringLiteral("\nOptions:"));
    const qsizetype arguments = text.indexOf(QStringLiteral("\nArguments:"));
    const qsizetype from = options >= 0 ? options : arguments;
    if (from >= 0)
        std::fputs(text.mid(from).toLocal8Bit().constData(), stdout);
}

int AnswerHelp(const QStringList& words) {
    if (words.isEmpty())
        return -1;
    const bool general = IsHelpWord(words.front()) || words.front() == "help";
    if (!general) {
        const SCliCommand* command = FindCommand(words.front());
        if (!command || !AsksForHelp(words.mid(1)))
            return -1;
        PrintCommandHelp(*command);
        return EXIT_OK;
    }
    if (words.size() < 2 || IsHelpWord(words.at(1))) {
        PrintCommandList(stdout);
        return EXIT_OK;
    }
    const SCliCommand* command = FindCommand(words.at(1));
    if (!command) {
        std::fprintf(stderr, "quelta-cli: no command '%s' to help with\n",
                     words.at(1).toLocal8Bit().constData());
        PrintCommandList(stderr);
        return EXIT_USAGE;
    }
    PrintCommandHelp(*command);
    return EXIT_OK;
}
