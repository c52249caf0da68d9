#pragma once

#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CQueltaDoc;

/// One field of a report line: its text (already safe to write: no line ends) and, for
/// numbers, the value it shows.
struct SReportField {
    std::string text;
    /// The value for JSON; kUndefinedNumber for a value that is not defined (null in JSON).
    std::optional<double> number;
};

/// The number of a report field whose value is not defined (the box of an empty region).
inline constexpr double kUndefinedNumber = std::numeric_limits<double>::quiet_NaN();

/// One line of the report. An item is a label and its value; a list heading starts a list
/// whose rows follow it.
struct SReportLine {
    enum class EKind { Item, ListHeading, ListRow };
    EKind kind = EKind::Item;
    std::vector<SReportField> fields;
    /// A list row's fields for JSON by name, when it has them (the member rows: ID, name,
    /// vote, h, v and the power index when shown); JSON gives such a row as one object.
    std::vector<std::pair<std::string, SReportField>> record;
};

/// The report of the scenario and its solution concepts, line by line, as the report switches
/// of the settings ask (concepts are computed as needed).
std::vector<SReportLine> ReportLines(CQueltaDoc& doc);

/// The report's text: the fields of each line joined by tabs, each line ended by a line end.
std::string ReportText(const std::vector<SReportLine>& lines);

/// The report as one line of JSON: "file" first, then each item's label (without its colon)
/// with its value, and each list as an array of its rows (a row with a record is an object, any
/// other row of several fields an array).
std::string ReportJson(const std::vector<SReportLine>& lines, const std::string& file);

/// Writes the report to a file, replacing it only once the whole report is written; a failure
/// is shown in the error box ("DOC1", "report file exception") and leaves any previous file
/// as it was. The document's modified state does not change. Returns success.
bool WriteReport(CQueltaDoc& doc, const std::string& path);

/// The "Report" command: asks for the file name (suggesting "quelta_report.txt") and writes the
/// report there; nothing happens when the question is cancelled.
bool ReportCommand(CQueltaDoc& doc);
