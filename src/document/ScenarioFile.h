#pragma once

#include <string>

class CQueltaDoc;

/// The text of the scenario in the standard format, configuration block included.
std::string ScenarioText(const CQueltaDoc& doc);

/// Writes the standard format to the document's data source path; on failure shows the error
/// box and leaves any existing file untouched. Returns success.
bool WriteScenarioFile(CQueltaDoc& doc);

/// Reads a standard scenario file, falling back to the XY format; shows the failure messages.
/// Returns success.
bool ReadScenarioFile(CQueltaDoc& doc, const std::string& path);

/// Reads an XY point file without messages of its own. Returns success.
bool ReadXYFile(CQueltaDoc& doc, const std::string& path);
