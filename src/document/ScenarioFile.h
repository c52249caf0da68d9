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
/// left as it was, when some line does not hold 2 to 4 entries.
bool ReadXYText(CQueltaDoc& doc, const std::string& text, const std::string& path);

/// The number (from 1) of the first line of an XY text that does not hold 2 to 4 entries; 0
/// when every line does.
int FirstUnreadableXYLine(const std::string& text);
