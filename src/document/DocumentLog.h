#pragma once

#include <string>

class CQueltaDoc;

/// Opens the document's log as the document does when it is created: appends the date line
/// and leaves logging off. A file that cannot be opened is passed over in silence (false); a
/// failure to write the date line, or running out of memory, is shown in the error box.
/// Returns whether the log is open.
bool OpenDocumentLog(CQueltaDoc& doc, const std::string& path = "quelta.log");

/// The "Log" command: switches logging on or off; switching it on writes the scenario summary
/// without the vote lines.
void ToggleLogging(CQueltaDoc& doc);

/// Writes the lines that head a batch run in the log: the time (ISO 8601 with the offset from
/// UTC), the command line and the program's version, as "Time        = ..." and so on.
void LogRunHeader(CQueltaDoc& doc, const std::string& commandLine);

/// Writes the results a run computed, one log line for each line of the text.
void LogResults(CQueltaDoc& doc, const std::string& text);

/// Writes one result of a batch run as the summary's lines are laid out, the name padded to
/// eleven characters before " = " ("Output      = chart.png"); nothing while logging is off.
void LogRunEntry(CQueltaDoc& doc, const std::string& name, const std::string& value);
