#include "database/ConfigParams.h"

#include "document/DisplayConfig.h"
#include "platform/TextUtil.h"
#include "preferences/PreferenceSpec.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::string_view kRecognised[] = {
    "typethermo",      "typehist",      "typecand",       "lpmember",
    "lpmemberabstain", "lpstatusquo",   "lpproposal",     "lpcoalition",
    "lpcopeland",      "lptovey",       "lbmember",       "lbmemberabstain",
    "lbstatusquo",     "lbproposal",    "lbcopeland",     "lbcoalition",
    "lpcurveindiff",   "lpquotaline",   "lpcandidate",    "lppetal",
    "lpwinset",        "lpwinsetlimit", "lpparetoset",    "lpschattschneiderset",
    "lptrimedianset",  "lpheart",       "lpuncoveredset", "lpyolk",
    "colorbackground", "colordefault",  "colorthermo",    "colorhist",
    "colorhighlight",  "szchart",       "szpoint",        "szhisth",
    "szhistv",         "ncore",         "nuncoveredset",  "nchain",
    "nresolution",     "ncopeland",     "dcopeland",      "dbod",
    "lftitle",         "lflegend",      "lflabel",        "lfaxish",
    "lfaxisv",         "lfscaleh",      "lfscalev",       "typeprefrgn",
};

bool StartsWith(const std::string& text, std::string_view head) {
    return text.compare(0, head.size(), head) == 0;
}

/// A number as the whole number a setting stores, held to the int range.
long long Whole(double value) {
    return static_cast<long long>(
        std::clamp(std::trunc(value), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

std::string WholeText(double value) {
    return std::to_string(Whole(value));
}

/// A 24-bit colour value as its red, green and blue components, tab-separated.
std::string ColourText(double value) {
    const auto colour =
        static_cast<std::uint32_t>(std::clamp<long long>(Whole(value), 0, 0xFFFFFF));
    return Format("%d\t%d\t%d", RedOf(colour), GreenOf(colour), BlueOf(colour));
}

/// The value text of the setting, composed from the row as the name's kind asks.
std::string ValueText(const std::string& name, const CTableConfigParams& row) {
    if (StartsWith(name, "lp") || StartsWith(name, "lb"))
        return WholeText(row.N1) + "\t" + WholeText(row.N2) + "\t" + ColourText(row.N3);
    if (StartsWith(name, "color"))
        return ColourText(row.N1);
    if (StartsWith(name, "sz"))
        return WholeText(row.N1) + "\t" + WholeText(row.N2);
    if (StartsWith(name, "lf")) {
        // The block separates values at tabs and commas, so a face name cannot hold them.
        std::string face = row.T1;
        std::replace_if(
            face.begin(), face.end(), [](char c) { return c == '\t' || c == ','; }, ' ');
        return face + "\t" + WholeText(row.N1) + "\t" + WholeText(row.N2) + "\t" +
               WholeText(row.N3) + "\t" + ColourText(row.N4);
    }
    if (StartsWith(name, "d"))
        return Format("%.17g", row.N1);
    return WholeText(row.N1);
}

} // namespace

void ApplyConfigParams(const std::vector<CTableConfigParams>& rows, DisplayConfig& config,
                       int& defaultPrefType) {
    for (const CTableConfigParams& row : rows) {
        const std::string name = QString::fromStdString(row.Name).trimmed().toLower().toStdString();
        if (std::find(std::begin(kRecognised), std::end(kRecognised), name) ==
            std::end(kRecognised))
            continue;
        if (name == "typeprefrgn")
            defaultPrefType = ValidPreferenceType(static_cast<int>(Whole(row.N1)));
        else
            config.SetValue(name, ValueText(name, row));
    }
}
