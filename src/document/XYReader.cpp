#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "document/TextLines.h"
#include "platform/TextUtil.h"

#include <cmath>

namespace {

constexpr size_t kMaxEntries = 8;

/// Splits a line at every run of blanks, tabs, commas and semicolons, keeping at most
/// kMaxEntries entries.
std::vector<std::string> SplitEntries(std::string_view line) {
    std::vector<std::string> entries;
    const auto isSeparator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; };
    size_t i = 0;
    while (i < line.size() && entries.size() < kMaxEntries) {
        while (i < line.size() && isSeparator(line[i]))
            ++i;
        const size_t start = i;
        while (i < line.size() && !isSeparator(line[i]))
            ++i;
        if (i > start)
            entries.emplace_back(line.substr(start, i - start));
    }
    return entries;
}

/// Widens a limit to a power of ten: a magnitude strictly between 10^k and 10^(k+1), k from 0
/// to 8, becomes the sign times 10^(k+1); other values stay.
double WidenToPowerOfTen(double value) {
    const double magnitude = std::fabs(value);
    double power = 1.0;
    for (int k = 0; k <= 8; ++k, power *= 10.0)
        if (magnitude > power && magnitude < power * 10.0)
            return std::copysign(power * 10.0, value);
    return value;
}

/// Makes both scales span the points read, widened to powers of ten.
void FitScalesToPoints(CQueltaDoc& doc, double low, double high) {
    low = WidenToPowerOfTen(low);
    high = WidenToPowerOfTen(high);
    if (low == high) {
        low = 0.0;
        high = 100.0;
    }
    for (const auto& scale : doc.Header().scales) {
        scale->SetMin(low);
        scale->SetMax(high);
    }
}

} // namespace

SXYFault FirstUnreadableXYLine(const std::string& text) {
    int number = 0;
    for (const std::string& rawLine : SplitLines(text)) {
        ++number;
        const std::string_view line = Trim(rawLine);
        if (line.empty())
            continue;
        const std::vector<std::string> entries = SplitEntries(line);
        if (entries.size() < 2 || entries.size() > 4)
            return {number, {}};
        // A text where a number goes (a header line, a party column, "nan") would read as 0 and
        // put a member where none is.
        for (size_t i = 1; i < entries.size(); ++i)
            if (!StartsWithFiniteNumber(entries[i]))
                return {number, entries[i]};
    }
    return {};
}

bool ReadXYText(CQueltaDoc& doc, const std::string& text, const std::string& path) {
    if (FirstUnreadableXYLine(text).line != 0)
        return false;
    doc.ResetScenario();
    doc.SetPathName(path);
    doc.Header().scenarioName = path;
    AddGeneratedGroup(doc);
    double low = 0.0;
    double high = 0.0;
    const int prefType = PreferenceTypeFromName(doc.Header().defaultModelName);
    {
        CQueltaDoc::CBatchLoad batch(doc);
        size_t count = 0;
        for (const std::string& rawLine : SplitLines(text)) {
            if (ReadingCancelled(++count)) {
                doc.ResetScenario();
                return false;
            }
            const std::string_view line = Trim(rawLine);
            if (line.empty())
                continue;
            const std::vector<std::string> entries = SplitEntries(line);
            const double x = ParseDouble(entries[1]);
            const double y = entries.size() > 2 ? ParseDouble(entries[2]) : 0.0;
            low = std::min({low, x, y});
            high = std::max({high, x, y});
            CMember* member =
                doc.CreateMember(doc.NextMemberID(), entries[0], CFPoint(x, y), prefType);
            if (member && entries.size() > 3)
                member->SetVoteWeight(ParseDouble(entries[3]));
        }
    }
    FitScalesToPoints(doc, low, high);
    doc.Header().sourceKind = SOURCE_XY_FILE;
    doc.FinishLoad();
    doc.LogSummary(true);
    return true;
}

bool ReadXYFile(CQueltaDoc& doc, const std::string& path) {
    std::string text;
    std::string cause;
    return ReadTextFile(path, text, cause) && ReadXYText(doc, text, path);
}
