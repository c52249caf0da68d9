#include "cli/CliCommand.h"
#include "document/TextLines.h"
#include "platform/ForwardingPlatform.h"
#include "script/BasicInterpreter.h"
#include "script/ScriptInterrupt.h"
#include "script/ScriptText.h"
#include "script/ScriptTextBox.h"

#include <QCommandLineParser>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

extern "C" void RequestInterrupt(int) {
    RequestScriptInterrupt();
}

/// The platform the CLI installed, with Ctrl-C as the cancel request: a script that runs for
/// ever can be stopped and still report where it stopped, and so can the long computations of
/// the model functions it calls.
class CInterruptiblePlatform : public CForwardingPlatform {
public:
    using CForwardingPlatform::CForwardingPlatform;
    bool CancelRequested() override {
        return ScriptInterruptRequested() || CForwardingPlatform::CancelRequested();
    }
};

/// Catches SIGINT for as long as it lives.
class CInterruptHandler {
public:
    CInterruptHandler() {
        ClearScriptInterrupt();
        struct sigaction action {};
        action.sa_handler = RequestInterrupt;
        // Output being written when Ctrl-C comes is finished, not cut off.
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previous);
    }
    ~CInterruptHandler() { sigaction(SIGINT, &m_previous, nullptr); }
    CInterruptHandler(const CInterruptHandler&) = delete;
    CInterruptHandler& operator=(const CInterruptHandler&) = delete;

private:
    struct sigaction m_previous {};
};

struct SRunOptions {
    std::string script;
    std::optional<std::string> input; ///< the input box's text comes from here when set
};

/// Reads the options; nothing when they are not usable (the reason has been written).
std::optional<SRunOptions> ParseRunOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("SCRIPT.bas"), QStringLiteral("the script"));
    const QCommandLineOption input(QStringLiteral("input"),
                                   QStringLiteral("the text INPUT statements read"),
                                   QStringLiteral("FILE"));
    parser.addOption(input);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "quelta-cli run: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "quelta-cli run: exactly one script file is needed\n");
        return std::nullopt;
    }
    SRunOptions options;
    options.script = parser.positionalArguments().at(0).toStdString();
    if (parser.isSet(input))
        options.input = parser.value(input).toStdString();
    return options;
}

bool ReadFileOrSay(const std::string& path, std::string& text) {
    std::string cause;
    if (ReadTextFile(path, text, cause))
        return true;
    std::fprintf(stderr, "quelta-cli run: %s: %s\n", path.c_str(), cause.c_str());
    return false;
}

int RunScript(const SRunOptions& options) {
    std::string fileText;
    if (!ReadFileOrSay(options.script, fileText))
        return EXIT_FAILED;
    std::optional<CScriptTextBuffer> inputFile;
    if (options.input) {
        std::string inputText;
        if (!ReadFileOrSay(*options.input, inputText))
            return EXIT_FAILED;
        inputFile.emplace(std::move(inputText));
    }
    CScriptStreamBox output(stdout);
    CInterruptiblePlatform platform(Platform());
    CScopedPlatform scope(platform);
    CInterruptHandler interrupt;
    CBasicInterpreter interpreter;
    // No scenario is attached, so model functions report that they are not
    // supported. As in the Script dialog, the output box doubles as the input box.
    interpreter.Attach(nullptr, inputFile ? &*inputFile : static_cast<CScriptTextBox*>(&output),
                       &output);
    interpreter.Run(ScriptProgramText(fileText));
    return interpreter.LastFailed() ? EXIT_FAILED : EXIT_OK;
}

int RunCommand(const QStringList& arguments) {
    const std::optional<SRunOptions> options = ParseRunOptions(arguments);
    if (!options)
        return EXIT_USAGE;
    return RunScript(*options);
}

} // namespace

static CCliCommandRegistration registration({"run", "run SCRIPT.bas [--input FILE]", RunCommand});
