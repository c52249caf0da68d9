#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "cli/Interrupt.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "script/BasicInterpreter.h"
#include "script/DocScriptModel.h"
#include "script/ScriptText.h"
#include "script/ScriptTextBox.h"

#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

/// The platform the CLI installed, with Ctrl-C as the cancel request: a script that runs for
/// ever can be stopped and still report where it stopped, and so can the long computations of
/// the model functions it calls. A script that replaces its scenario (NewFile, NewMonteCarlo,
/// CloseFile) is let through the close prompt without saving on the way: the run writes only
/// what --save names.
class CRunPlatform : public CInterruptiblePlatform {
public:
    using CInterruptiblePlatform::CInterruptiblePlatform;
    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override {
        if (buttons == EMsgButtons::YesNoCancel &&
            text.rfind("Do you want to save changes", 0) == 0)
            return EMsgAnswer::No;
        return CInterruptiblePlatform::MessageBox(text, title, buttons);
    }
};

struct SRunOptions {
    std::string script;
    std::optional<std::string> input;    ///< the input box's text comes from here when set
    std::optional<std::string> scenario; ///< the scenario file; a whiteboard without it
    std::optional<std::string> save;     ///< where the scenario goes after the run
};

void AddRunOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("SCRIPT.bas", "the script");
    parser.addOptions({
        {"input", "the text INPUT statements read", "FILE"},
        {"scenario", "the scenario file the script starts on (with --db: the stored scenario)",
         "FILE"},
        {"save", "write the scenario as the script left it", "OUT"},
    });
    AddCommonOptions(parser, false);
}

/// The value of an option that was given; nothing otherwise.
std::optional<std::string> ValueIfSet(const QCommandLineParser& parser, const char* name) {
    if (!parser.isSet(name))
        return std::nullopt;
    return parser.value(name).toStdString();
}

/// Reads the options; nothing when they are not usable (the reason has been written).
std::optional<SRunOptions> ParseRunOptions(QCommandLineParser& parser,
                                           const QStringList& arguments) {
    AddRunOptions(parser);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "quelta-cli run: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "quelta-cli run: exactly one script file is needed\n");
        return std::nullopt;
    }
    return SRunOptions{parser.positionalArguments().at(0).toStdString(),
                       ValueIfSet(parser, "input"), ValueIfSet(parser, "scenario"),
                       ValueIfSet(parser, "save")};
}

bool ReadFileOrSay(const std::string& path, std::string& text) {
    std::string cause;
    if (ReadTextFile(path, text, cause))
        return true;
    std::fprintf(stderr, "quelta-cli run: %s: %s\n", path.c_str(), cause.c_str());
    return false;
}

/// Writes the scenario to `path` through a temporary file, so a failure leaves any file there
/// as it was.
bool SaveScenarioOrSay(const CQueltaDoc& doc, const std::string& path) {
    std::string cause;
    if (WriteTextFileAtomically(path, ScenarioText(doc), cause))
        return true;
    std::fprintf(stderr, "quelta-cli run: %s: %s\n", path.c_str(), cause.c_str());
    return false;
}

/// The output shows why a script failed, as the Script window does; standard error says it as
/// well, for a run whose output goes to a file. Answers EXIT_FAILED.
int SayWhyTheRunFailed(const SRunOptions& options, const CScriptTextBox& output) {
    std::string reason = output.InputLine().value_or("the script failed");
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n'))
        reason.pop_back();
    std::string line = options.script + ": " + reason;
    if (options.save)
        line += "; " + *options.save + " is not written";
    std::fprintf(stderr, "quelta-cli run: %s\n", line.c_str());
    return EXIT_FAILED;
}

int RunScript(const QCommandLineParser& parser, const SRunOptions& options) {
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
    CRunPlatform platform(Platform());
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    const std::string* scenario = options.scenario ? &*options.scenario : nullptr;
    if (const int result = StartScenarioWithOptions(parser, scenario, doc); result != EXIT_OK)
        return result;
    CDocScriptModel model(doc);
    CScriptStreamBox output(stdout);
    CInterruptHandler interrupt;
    CBasicInterpreter interpreter;
    // As in the Script dialog, the output box doubles as the input box.
    interpreter.Attach(&model, inputFile ? &*inputFile : static_cast<CScriptTextBox*>(&output),
                       &output);
    interpreter.Run(ScriptProgramText(fileText));
    LogRunEntry(doc, "Script",
                options.script + (interpreter.LastFailed() ? ", failed" : ", ran to its end"));
    if (interpreter.LastFailed())
        return SayWhyTheRunFailed(options, output);
    if (model.FailedSaves() > 0) {
        std::fprintf(stderr, "quelta-cli run: %d save%s of the script failed\n",
                     model.FailedSaves(), model.FailedSaves() == 1 ? "" : "s");
        return EXIT_FAILED;
    }
    if (options.save && !SaveScenarioOrSay(doc, *options.save))
        return EXIT_FAILED;
    if (options.save)
        LogRunEntry(doc, "Output", *options.save);
    return EXIT_OK;
}

int RunCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const std::optional<SRunOptions> options = ParseRunOptions(parser, arguments);
    if (!options)
        return EXIT_USAGE;
    return RunScript(parser, *options);
}

const CCliCommandRegistration registration(
    {"run", "run SCRIPT.bas [--scenario FILE] [--input FILE] [--save OUT] [common options]",
     RunCommand, false, AddRunOptions});

} // namespace
