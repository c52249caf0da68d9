#include "document/FileCommands.h"

#include "document/DatabaseHook.h"
#include "document/DocumentDialogs.h"
#include "document/DocumentLog.h"
#include "document/EditSteps.h"
#include "document/MonteCarloSession.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "platform/Platform.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

CDatabaseCommands*& RegisteredDatabase() {
    static CDatabaseCommands* commands = nullptr;
    return commands;
}

bool IsLoaded(const CQueltaDoc& doc) {
    return doc.Header().sourceKind != SOURCE_NONE;
}

/// Reading leaves the document as read: redrawn and not modified.
void FinishOpen(CQueltaDoc& doc) {
    Platform().RefreshViews();
    doc.SetModifiedFlag(false);
}

/// The database source, or the message that there is none.
CDatabaseCommands* DatabaseOrMessage() {
    CDatabaseCommands* commands = RegisteredDatabase();
    if (!commands)
        MessageBoxOk(kNoDatabaseMessage);
    return commands;
}

} // namespace

void SetDatabaseCommands(CDatabaseCommands* commands) {
    RegisteredDatabase() = commands;
}

CDatabaseCommands* DatabaseCommands() {
    return RegisteredDatabase();
}

std::string SavePromptText(const CQueltaDoc& doc) {
    const std::string& title = doc.Title();
    const std::string name = title == "*" ? doc.Header().scenarioName : title;
    if (name.empty() || name == "*")
        return "Do you want to save changes to the untitled scenario?";
    return "Do you want to save changes to " + std::filesystem::path(name).filename().string() +
           "?";
}

int ClosePrompt(CQueltaDoc& doc) {
    // A scenario without unsaved changes loses nothing, so it closes without a question.
    if (!doc.IsModified())
        return 1;
    switch (Platform().MessageBox(SavePromptText(doc), "Quelta", EMsgButtons::YesNoCancel)) {
    case EMsgAnswer::No:
        return 1;
    case EMsgAnswer::Yes:
        return SaveScenario(doc) ? 1 : 0;
    case EMsgAnswer::Cancel:
    case EMsgAnswer::Ok:
        break;
    }
    return 0;
}

bool MayReplaceScenario(CQueltaDoc& doc) {
    return !IsLoaded(doc) || ClosePrompt(doc) == 1;
}

std::string WithScenarioExtension(const std::string& path) {
    // A FIFO or a device at the name as given is what the name means: the save refuses it
    // rather than writing a file beside it.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
        return path;
    return path.find('.') == std::string::npos ? path + ".txt" : path;
}

bool SaveScenario(CQueltaDoc& doc) {
    switch (doc.Header().sourceKind) {
    case SOURCE_WHITEBOARD:
    case SOURCE_MONTE_CARLO:
    case SOURCE_REGULAR_POLYGON:
    case SOURCE_IMPORTED:
        return SaveScenarioAs(doc);
    case SOURCE_STANDARD_FILE:
        return WriteScenarioFile(doc);
    case SOURCE_DATABASE:
        if (CDatabaseCommands* database = DatabaseOrMessage())
            return database->SaveToDatabase(doc);
        return false;
    default:
        return false;
    }
}

bool SaveScenarioAs(CQueltaDoc& doc) {
    const std::string path =
        Platform().AskSaveFileName("Save As", doc.Header().dataSource, kSaveScenarioFilter);
    if (path.empty())
        return false;
    doc.SetPathName(WithScenarioExtension(path));
    return WriteScenarioFile(doc);
}

bool SaveScenarioToPath(CQueltaDoc& doc, const std::string& path) {
    if (path.empty())
        return false;
    doc.SetPathName(WithScenarioExtension(path));
    doc.Header().scenarioName = path;
    return WriteScenarioFile(doc);
}

bool OpenScenarioPath(CQueltaDoc& doc, const std::string& path) {
    if (!ReadScenarioFile(doc, path))
        return false;
    FinishOpen(doc);
    return true;
}

bool OpenXYPath(CQueltaDoc& doc, const std::string& path) {
    bool read = false;
    {
        CWaitCursor wait;
        Platform().SetStatusText(0, "Opening file...");
        read = ReadXYFile(doc, path);
        Platform().SetStatusText(0, " ");
    }
    if (read)
        FinishOpen(doc);
    return read;
}

bool OpenScenarioCommand(CQueltaDoc& doc) {
    if (!MayReplaceScenario(doc))
        return false;
    const std::string path = Platform().AskOpenFileName("Open", kOpenScenarioFilter);
    return !path.empty() && OpenScenarioPath(doc, path);
}

bool OpenXYCommand(CQueltaDoc& doc) {
    if (!MayReplaceScenario(doc))
        return false;
    const std::string path = Platform().AskOpenFileName("Open", kOpenXYFilter);
    return !path.empty() && OpenXYPath(doc, path);
}

bool CloseScenario(CQueltaDoc& doc) {
    if (!IsLoaded(doc) || ClosePrompt(doc) != 1)
        return false;
    doc.ResetScenario();
    return true;
}

bool NewWhiteboardCommand(CQueltaDoc& doc) {
    return MayReplaceScenario(doc) && NewWhiteboard(doc);
}

bool NewScenarioWithTitle(CQueltaDoc& doc, const std::string& title) {
    if (IsLoaded(doc) && !CloseScenario(doc))
        return false;
    return NewWhiteboard(doc, title);
}

bool NewMonteCarloCommand(CQueltaDoc& doc, const std::string& settingsPath) {
    if (!MayReplaceScenario(doc))
        return false;
    const CScenarioReplacement step(doc, "Monte Carlo");
    if (!NewBlankScenario(doc, "MonteCarlo"))
        return false;
    CMonteCarloSession session(doc, settingsPath);
    return RunMonteCarloDialog(session);
}

bool NewRegularPolygonCommand(CQueltaDoc& doc) {
    if (!MayReplaceScenario(doc))
        return false;
    const CScenarioReplacement step(doc, "Regular Polygon");
    return NewRegularPolygon(doc, Platform().AskRegularPolygon(SRegularPolygonSettings{}));
}

bool NewBargainCommand(CQueltaDoc& doc) {
    return MayReplaceScenario(doc) && NewBargain(doc);
}

bool OpenDatabaseCommand(CQueltaDoc& doc) {
    if (!MayReplaceScenario(doc))
        return false;
    CDatabaseCommands* database = DatabaseOrMessage();
    return database && database->OpenDatabase(doc);
}

void ExitCommand(CQueltaDoc& doc) {
    doc.SetModifiedFlag(false);
    Platform().CloseMainWindow();
}

void CreateDocument(CQueltaDoc& doc, const std::string& logPath) {
    OpenDocumentLog(doc, logPath);
    doc.ResetScenario();
    NewWhiteboard(doc);
}
