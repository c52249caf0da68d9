#pragma once

#include <string>
#include <vector>

class CMember;
class CQueltaDoc;

/// The members preferring the proposal to the status quo, as the chart marks and lists them.
struct SCoalition {
    std::vector<const CMember*> marked; ///< the first 50, drawn with the coalition symbol
    std::vector<std::string> lines;     ///< the list's text lines, heading first
};

/// At most this many members get the coalition mark.
constexpr int kCoalitionMarks = 50;

/// The coalition of the document's proposal: its marks and its list of at most `nCoalition`
/// names (name format 224 for database scenarios, 32 otherwise), then "Count: %d" and, when
/// the list was cut, "List trunctated (too long)".
SCoalition BuildCoalition(CQueltaDoc& doc);
