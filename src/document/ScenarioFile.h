#pragma once

#include <string>

class CQueltaDoc;

/// The text of the scenario in the standard format, configuration block included.
std::string ScenarioText(const CQueltaDoc& doc);

/// Writes the standard format to the document's data source path; on failure shows the error
/// box and leaves any existing file untouched. Returns success.
bool WriteScenarioFile(CQueltaDoc& doc);

/// Reads a standard scenario file, falling back to the XY format; shows the failure messages.
/// Returns success; on failure the scenario is left exactly as it was.
bool ReadScenarioFile(CQueltaDoc& doc, const std::string& path);

/// Replaces the scenario by the one a standard scenario text describes, without messages, log
/// lines or a path; false, with the scenario reset, when the text is not in the standard format.
bool ReadScenarioText(CQueltaDoc& doc, const std::string& text);

/// Reads an XY point file without messages of its own. Returns success; a file that cannot be
/// read leaves the scenario as it was.
bool ReadXYFile(CQueltaDoc& doc, const std::string& path);

/// Replaces the scenario by the points of an XY text read from `path`; false, with the scenario
/// left as it was, when some line cannot be read (see FirstUnreadableXYLine).
bool ReadXYText(CQueltaDoc& doc, const std::string& text, const std::string& path);

/// The first line of an XY text that cannot be read: its number (from 1), and the entry that
/// should be a position or a vote weight but holds no finite number at its start (empty when
/// the line does not hold 2 to 4 entries). Line 0 when every line can be read.
struct SXYFault {
    int line = 0;
    std::string entry;
};
SXYFault FirstUnreadableXYLine(const std::string& text);
