#pragma once

#include <string>

class CQueltaDoc;

// The File menu's operations: the close prompt, new scenarios, opening, saving, closing and
// leaving. Each can be called without the command table (scripts, the command line).

/// The filter of the scenario save dialog.
inline constexpr const char* kSaveScenarioFilter = "files (*.txt)|*.txt||";
/// The filter of the scenario open dialog.
inline constexpr const char* kOpenScenarioFilter =
    "Scenario Files (*.txt)|*.txt|All Files (*.*)|*.*||";
/// The filter of the XY file open dialog.
inline constexpr const char* kOpenXYFilter = "XY Files (*.txt)|*.txt|All Files (*.*)|*.*||";

/// Asks whether the scenario may be replaced: 1 when the caller may go on, 0 when not. An
/// unmodified scenario goes on without a question; a modified one asks whether to save the
/// changes to its file: No goes on, Cancel stops, Yes saves by the source kind (SaveScenario)
/// and goes on only when that saved.
int ClosePrompt(CQueltaDoc& doc);

/// The close prompt's question for a modified scenario, naming its file.
std::string SavePromptText(const CQueltaDoc& doc);

/// The prompt as the replacing commands run it: only when a scenario is loaded.
bool MayReplaceScenario(CQueltaDoc& doc);

/// A save path with ".txt" appended when it holds no "." anywhere (a dot in a folder name
/// counts, so such a path stays as it is) and names no FIFO or device, which the save then
/// refuses instead of writing beside it.
std::string WithScenarioExtension(const std::string& path);

/// Saves the scenario in its own place: whiteboard, Monte Carlo or script and regular polygon
/// scenarios through the save dialog, standard files in place, database scenarios through the
/// database source; bargain and XY-file scenarios (and an empty document) are not saved and
/// answer false. Returns whether it saved.
bool SaveScenario(CQueltaDoc& doc);

/// "To File": asks for a file name (the data source offered), makes the path (with the ".txt"
/// rule) the data source, path and title, and writes the scenario file. False when the
/// question was cancelled or the write failed (the file on disk is then untouched).
bool SaveScenarioAs(CQueltaDoc& doc);

/// The script's save-as: the path becomes the data source and the scenario's name, the ".txt"
/// rule is applied to the data source, and the scenario file is written. Returns success.
bool SaveScenarioToPath(CQueltaDoc& doc, const std::string& path);

/// Opens a standard scenario file (falling back to the XY format) with the wait cursor and the
/// status texts; the document is left unmodified. Returns success.
bool OpenScenarioPath(CQueltaDoc& doc, const std::string& path);

/// Opens an XY file with the wait cursor and the status texts, showing no message when it
/// fails. Returns success.
bool OpenXYPath(CQueltaDoc& doc, const std::string& path);

/// "File": the prompt, then the open dialog and OpenScenarioPath.
bool OpenScenarioCommand(CQueltaDoc& doc);

/// "File(XY)": the prompt, then the open dialog and OpenXYPath.
bool OpenXYCommand(CQueltaDoc& doc);

/// "Close": when a scenario is loaded, the prompt, then the reset. Returns whether it closed.
bool CloseScenario(CQueltaDoc& doc);

/// "Whiteboard": the prompt, then an empty whiteboard scenario.
bool NewWhiteboardCommand(CQueltaDoc& doc);

/// The script's new scenario: closes as "Close" does (a loaded scenario asks the prompt), then
/// starts an empty whiteboard scenario with that title. False when the prompt stopped it.
bool NewScenarioWithTitle(CQueltaDoc& doc, const std::string& title);

/// "Monte Carlo": the prompt, an empty scenario named "MonteCarlo", then the dialog over a
/// session with the stored settings, in which the user runs, retains and discards draws; OK
/// keeps the last draw, writes the settings file and marks the scenario as generated, Cancel
/// leaves the scenario unmarked. Returns whether the dialog ended with OK.
bool NewMonteCarloCommand(CQueltaDoc& doc, const std::string& settingsPath = "queltamc.txt");

/// "Regular Polygon": the prompt, then the dialog and the polygon scenario (a cancelled dialog
/// leaves the empty scenario).
bool NewRegularPolygonCommand(CQueltaDoc& doc);

/// "Bargain": the prompt, then the bargain scenario.
bool NewBargainCommand(CQueltaDoc& doc);

/// "Database": the prompt, then the database source's open (a message when there is none).
bool OpenDatabaseCommand(CQueltaDoc& doc);

/// "Exit": the document forgets its changes and the main window closes, without a question.
void ExitCommand(CQueltaDoc& doc);

/// Starts a document as the application does: opens the log (its date line written, logging
/// off), resets the scenario and creates the whiteboard scenario.
void CreateDocument(CQueltaDoc& doc, const std::string& logPath = "quelta.log");
