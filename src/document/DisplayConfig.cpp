#include "document/DisplayConfig.h"

#include "document/ConfigBounds.h"
#include "document/FileNumber.h"
#include "document/TextLines.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <variant>

namespace {

using DC = DisplayConfig;

enum class ESection { Flags, Graphics, Labels, Algorithm };

struct SSection {
    ESection id;
    const char* begin;
    const char* end;
};

constexpr SSection kSections[] = {
    {ESection::Flags, "DISPLAY FLAGS BEGIN", "DISPLAY FLAGS END"},
    {ESection::Graphics, "GRAPHICS PARAMETERS BEGIN", "GRAPHICS PARAMETERS END"},
    {ESection::Labels, "LABEL PARAMETERS BEGIN", "LABEL PARAMETERS END"},
    {ESection::Algorithm, "ALGORITHM PARAMETERS BEGIN", "ALGORITHM PARAMETERS END"},
};

/// A line holds its key and at most seven values.
constexpr size_t kMaxFields = 8;

using FieldRef = std::variant<int DC::*, double DC::*, std::uint32_t DC::*, SFontSpec DC::*,
                              SPenSpec DC::*, SBrushSpec DC::*, SSizeSpec DC::*>;

/// One key of the block. The writer, the section reader and SetValue all work from this table,
/// so a key's name, place, comment line and field are stated once.
struct SConfigKey {
    ESection section;
    const char* key;
    FieldRef field;
    const char* comment = nullptr; ///< comment line written before the key
    const char* oldKey = nullptr;  ///< earlier name still accepted on reading
    bool written = true;
};

// The key is the member's own name, so the two cannot drift apart.
#define QUELTA_FIELD(name) #name, &DC::name

constexpr ESection F = ESection::Flags, G = ESection::Graphics, L = ESection::Labels,
                   A = ESection::Algorithm;
constexpr const char* kPointPen = "#POINT-PEN\tstyle\twidth\tcolor-red\tcolor-green\tcolor-blue";
constexpr const char* kPointBrush =
    "#POINT-BRUSH\tstyle\thatch\tcolor-red\tcolor-green\tcolor-blue";
constexpr const char* kLinePen = "#LINE-PEN\tstyle\twidth\tcolor-red\tcolor-green\tcolor-blue";
constexpr const char* kLineBrush = "#LINE-BRUSH\tstyle\thatch\tcolor-red\tcolor-green\tcolor-blue";
constexpr const char* kFonts = "#FONTS\ttype "
                               "face\theight\tweight\titalic\tcolor-red\tcolor-green\tcolor-blue";

// clang-format off
const SConfigKey kKeys[] = {
    {F, QUELTA_FIELD(flagPlayer), "#FLAGS\t1=true 0=false"},
    {F, QUELTA_FIELD(flagPlayerAbstain)}, {F, QUELTA_FIELD(flagStatusQuo)},
    {F, QUELTA_FIELD(flagProposal)}, {F, QUELTA_FIELD(flagTovey)},
    {F, QUELTA_FIELD(flagIndiffCurve)}, {F, QUELTA_FIELD(flagQuotaLine)},
    {F, QUELTA_FIELD(flagQuotaLineQualified)}, {F, QUELTA_FIELD(flagCore)},
    {F, QUELTA_FIELD(flagBanksSet)}, {F, QUELTA_FIELD(flagBanksChain)},
    {F, QUELTA_FIELD(flagSpoke)}, {F, QUELTA_FIELD(flagPetal)}, {F, QUELTA_FIELD(flagWinSet)},
    {F, QUELTA_FIELD(flagWinSetCap), nullptr, "flagwinsetcapture"},
    {F, QUELTA_FIELD(flagShapleyOwen)}, {F, QUELTA_FIELD(flagCopeland)},
    {F, QUELTA_FIELD(flagYolk)}, {F, QUELTA_FIELD(flagCardioid)},
    {F, QUELTA_FIELD(flagSchattschneiderSet)}, {F, QUELTA_FIELD(flagTriMedianSet)},
    {F, QUELTA_FIELD(flagHeart)}, {F, QUELTA_FIELD(flagUncoveredSet), nullptr, "flagucset"},
    {F, QUELTA_FIELD(flagParetoSet)}, {F, QUELTA_FIELD(flagVoteWt)},
    {F, QUELTA_FIELD(flagVoteProb)}, {F, QUELTA_FIELD(flagVeto)},
    {F, QUELTA_FIELD(flagCandidates)}, {F, QUELTA_FIELD(flagPrefRational)},
    {F, QUELTA_FIELD(flagPrefCorrelated)}, {F, QUELTA_FIELD(flagThermo)},
    {F, QUELTA_FIELD(flagHist)}, {F, QUELTA_FIELD(flagStats)}, {F, QUELTA_FIELD(flagColorCode)},
    {F, QUELTA_FIELD(flagNames)}, {F, QUELTA_FIELD(flagPowerIndex)},
    {F, QUELTA_FIELD(flagPowerIndexColorCode)}, {F, QUELTA_FIELD(flagBudgetLine)},
    {F, QUELTA_FIELD(flagGrid)},

    {G, QUELTA_FIELD(typeThermo), "#TYPES\ttype"}, {G, QUELTA_FIELD(typeHist)},
    {G, QUELTA_FIELD(typeCand)},
    {G, QUELTA_FIELD(lfTitle), kFonts}, {G, QUELTA_FIELD(lfLegend)}, {G, QUELTA_FIELD(lfLabel)},
    {G, QUELTA_FIELD(lfAxisH)}, {G, QUELTA_FIELD(lfScaleH)}, {G, QUELTA_FIELD(lfAxisV)},
    {G, QUELTA_FIELD(lfScaleV)},
    {G, QUELTA_FIELD(lpPlayer), kPointPen, "lpmember"},
    {G, QUELTA_FIELD(lpPlayerAbstain), nullptr, "lpmemberabstain"},
    {G, QUELTA_FIELD(lpStatusQuo)}, {G, QUELTA_FIELD(lpProposal)},
    {G, QUELTA_FIELD(lpCopeland)}, {G, QUELTA_FIELD(lpCoalition)}, {G, QUELTA_FIELD(lpTovey)},
    {G, QUELTA_FIELD(lbPlayer), kPointBrush, "lbmember"},
    {G, QUELTA_FIELD(lbPlayerAbstain), nullptr, "lbmemberabstain"},
    {G, QUELTA_FIELD(lbStatusQuo)}, {G, QUELTA_FIELD(lbProposal)},
    {G, QUELTA_FIELD(lbCopeland)}, {G, QUELTA_FIELD(lbCoalition)}, {G, QUELTA_FIELD(lbTovey)},
    {G, QUELTA_FIELD(lpIndiffCurve), kLinePen, "lpcurveindiff"},
    {G, QUELTA_FIELD(lpQuotaLine)}, {G, QUELTA_FIELD(lpQuotaLineQualified)},
    {G, QUELTA_FIELD(lpCore)}, {G, QUELTA_FIELD(lpBanksSet)}, {G, QUELTA_FIELD(lpBanksChain)},
    {G, QUELTA_FIELD(lpCandidate)}, {G, QUELTA_FIELD(lpPetal)}, {G, QUELTA_FIELD(lpWinSet)},
    {G, QUELTA_FIELD(lpWinSetCap), nullptr, "lpwinsetcapture"},
    {G, QUELTA_FIELD(lpWinSetLimit)}, {G, QUELTA_FIELD(lpYolk)}, {G, QUELTA_FIELD(lpYolkTri)},
    {G, QUELTA_FIELD(lpCardioid)}, {G, QUELTA_FIELD(lpSchattschneiderSet)},
    {G, QUELTA_FIELD(lpTriMedianSet)}, {G, QUELTA_FIELD(lpHeart)},
    {G, QUELTA_FIELD(lpUncoveredSet)}, {G, QUELTA_FIELD(lpParetoSet)},
    {G, QUELTA_FIELD(lpSORings)},
    {G, QUELTA_FIELD(lbIndiffCurve), kLineBrush, "lbcurveindiff"},
    {G, QUELTA_FIELD(lbQuotaLine)}, {G, QUELTA_FIELD(lbQuotaLineQualified)},
    {G, QUELTA_FIELD(lbCore)}, {G, QUELTA_FIELD(lbBanksSet)}, {G, QUELTA_FIELD(lbBanksChain)},
    {G, QUELTA_FIELD(lbCandidate)}, {G, QUELTA_FIELD(lbPetal)}, {G, QUELTA_FIELD(lbWinSet)},
    {G, QUELTA_FIELD(lbWinSetCap), nullptr, "lbwinsetcapture"},
    {G, QUELTA_FIELD(lbWinSetLimit)}, {G, QUELTA_FIELD(lbYolk)}, {G, QUELTA_FIELD(lbYolkTri)},
    {G, QUELTA_FIELD(lbCardioid)}, {G, QUELTA_FIELD(lbSchattschneiderSet)},
    {G, QUELTA_FIELD(lbTriMedianSet)}, {G, QUELTA_FIELD(lbHeart)},
    {G, QUELTA_FIELD(lbUncoveredSet)}, {G, QUELTA_FIELD(lbParetoSet)},
    {G, QUELTA_FIELD(lbSORings)},
    {G, QUELTA_FIELD(colorBackground), "#COLOR\tcolor-red\tcolor-green\tcolor-blue"},
    {G, QUELTA_FIELD(colorDefault)}, {G, QUELTA_FIELD(colorThermo)},
    {G, QUELTA_FIELD(colorHist)}, {G, QUELTA_FIELD(colorHighlight)},
    {G, QUELTA_FIELD(szChart), "#SIZE\thorz\tvert"}, {G, QUELTA_FIELD(szPoint)},
    {G, QUELTA_FIELD(szHistH)}, {G, QUELTA_FIELD(szHistV)},
    {G, QUELTA_FIELD(nCoalition), "#COUNTS\tcount"},
    {G, QUELTA_FIELD(flagWinSetCap)},
    // The spoke style is taken when a file or the command line gives it, but never written.
    {G, QUELTA_FIELD(lpSpoke), nullptr, nullptr, false},
    {G, QUELTA_FIELD(lbSpoke), nullptr, nullptr, false},

    {L, QUELTA_FIELD(flagLabelNameLast), "#LABEL\tflag"}, {L, QUELTA_FIELD(flagLabelNameFirst)},
    {L, QUELTA_FIELD(flagLabelConstituency)}, {L, QUELTA_FIELD(flagLabelAffiliation)},
    {L, QUELTA_FIELD(flagLabelLeadership)}, {L, QUELTA_FIELD(flagLabelVote)},
    {L, QUELTA_FIELD(flagLabelAttribute)},

    {A, QUELTA_FIELD(nCore), "#CORE\tsamples"},
    {A, QUELTA_FIELD(nUncoveredSet), "#UNCOVERED SET\tgrid size"},
    {A, QUELTA_FIELD(bExcludeYolk), "#UNCOVERED SET\texclude consideration of yolk points"},
    {A, QUELTA_FIELD(bUncoveredSetBJS), "#UNCOVERED SET\tuse BJS algorithm"},
    {A, QUELTA_FIELD(nChain), "#CHAINS \tnumber of chains", "nchains"},
    {A, QUELTA_FIELD(nResolution), "#RESOLUTION \tchain resolution"},
    {A, QUELTA_FIELD(dTriMedianTolerance), "#TRI-MEDIAN SET\ttolerance"},
    {A, QUELTA_FIELD(nTriMedianSet), "#TRI-MEDIANSET SET\tsamples"},
    {A, QUELTA_FIELD(nSchattschneiderSet), "#SCHATTSCHNEIDER SET\tsamples"},
    {A, QUELTA_FIELD(nCopeland), "#COPELAND\tsamples"},
    {A, QUELTA_FIELD(dCopeland), "#COPELAND\toffset"},
    {A, QUELTA_FIELD(dBOD), "#BOD\tsize"},
    {A, QUELTA_FIELD(dProb), "#PROB\tsize"},
    {A, QUELTA_FIELD(nPrefVertices), "#PREFERENCES\tellipse vertices (0 = exact)"},
};
// clang-format on

#undef QUELTA_FIELD

using Values = std::vector<std::string>;

bool KeyMatches(const SConfigKey& entry, std::string_view name) {
    return EqualsNoCase(name, entry.key) || (entry.oldKey && EqualsNoCase(name, entry.oldKey));
}

/// The entry of `name` in one section, or in any section when `section` is null.
const SConfigKey* FindKey(std::string_view name, const ESection* section) {
    for (const SConfigKey& entry : kKeys)
        if ((!section || entry.section == *section) && KeyMatches(entry, name))
            return &entry;
    return nullptr;
}

/// Splits at any of `separators`, keeping empty fields so that values keep their places.
Values SplitAtAny(std::string_view text, std::string_view separators) {
    Values fields;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find_first_of(separators, start);
        fields.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

std::string ValueAt(const Values& values, size_t index) {
    return index < values.size() ? values[index] : std::string();
}

int IntAt(const Values& values, size_t index) {
    return ParseLong(ValueAt(values, index));
}

double DoubleAt(const Values& values, size_t index) {
    return ParseDouble(ValueAt(values, index));
}

std::uint32_t ColorAt(const Values& values, size_t index) {
    auto component = [&](size_t i) { return std::clamp(IntAt(values, index + i), 0, 255); };
    return MakeRgb(component(0), component(1), component(2));
}

void Store(int& target, const Values& values) {
    target = IntAt(values, 0);
}
void Store(double& target, const Values& values) {
    target = DoubleAt(values, 0);
}
void Store(std::uint32_t& target, const Values& values) {
    target = ColorAt(values, 0);
}
void Store(SFontSpec& font, const Values& values) {
    font = {ValueAt(values, 0), IntAt(values, 1), IntAt(values, 2), IntAt(values, 3),
            ColorAt(values, 4)};
}
void Store(SPenSpec& pen, const Values& values) {
    pen = {IntAt(values, 0), IntAt(values, 1), ColorAt(values, 2)};
}
void Store(SBrushSpec& brush, const Values& values) {
    brush = {IntAt(values, 0), IntAt(values, 1), ColorAt(values, 2)};
}
void Store(SSizeSpec& size, const Values& values) {
    size = {IntAt(values, 0), IntAt(values, 1)};
}

void StoreEntry(DC& config, const SConfigKey& entry, const Values& values) {
    std::visit([&](auto member) { Store(config.*member, values); }, entry.field);
}

// Numbers are formatted without the C library's locale, so "%d" and "%f" forms never pick up a
// comma from the user's locale.
void AppendValue(std::string& out, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out += '\t';
    out.append(buffer, result.ptr);
}
void AppendValue(std::string& out, double value) {
    out += '\t';
    out += FileNumber(value);
}
void AppendValue(std::string& out, std::uint32_t color) {
    AppendValue(out, RedOf(color));
    AppendValue(out, GreenOf(color));
    AppendValue(out, BlueOf(color));
}
void AppendValue(std::string& out, const SFontSpec& font) {
    out += '\t';
    out += FieldText(font.face);
    AppendValue(out, font.height);
    AppendValue(out, font.weight);
    AppendValue(out, font.italic);
    AppendValue(out, font.color);
}
void AppendValue(std::string& out, const SPenSpec& pen) {
    AppendValue(out, pen.style);
    AppendValue(out, pen.width);
    AppendValue(out, pen.color);
}
void AppendValue(std::string& out, const SBrushSpec& brush) {
    AppendValue(out, brush.style);
    AppendValue(out, brush.hatch);
    AppendValue(out, brush.color);
}
void AppendValue(std::string& out, const SSizeSpec& size) {
    AppendValue(out, size.cx);
    AppendValue(out, size.cy);
}

/// Appends the entry's values, each preceded by a tab.
void AppendEntry(std::string& out, const DC& config, const SConfigKey& entry) {
    std::visit([&](auto member) { AppendValue(out, config.*member); }, entry.field);
}

/// Reads one section's lines up to its end marker, or to the end of the text without one.
void ReadSection(DC& config, CLineReader& reader, const SSection& section) {
    std::string line;
    while (reader.ReadLine(line)) {
        const std::string_view text = TrimLeft(line);
        if (EqualsNoCase(text, section.end))
            return;
        if (text.empty() || text.front() == '#')
            continue;
        const Values fields = SplitTabs(text, kMaxFields);
        if (const SConfigKey* entry = FindKey(fields.front(), &section.id))
            StoreEntry(config, *entry, Values(fields.begin() + 1, fields.end()));
    }
}

} // namespace

void DisplayConfig::Reset() {
    *this = DisplayConfig();
}

void DisplayConfig::WriteConfigSections(std::string& out) const {
    for (const SSection& section : kSections) {
        out += "\n";
        out += section.begin;
        out += "\n\n";
        for (const SConfigKey& entry : kKeys) {
            if (entry.section != section.id || !entry.written)
                continue;
            if (entry.comment) {
                out += entry.comment;
                out += '\n';
            }
            out += entry.key;
            AppendEntry(out, *this, entry);
            out += '\n';
        }
        out += "\n";
        out += section.end;
        out += "\n\n";
    }
}

void DisplayConfig::ReadConfigSections(CLineReader& reader) {
    std::string line;
    while (reader.ReadLine(line)) {
        const std::string_view text = TrimLeft(line);
        for (const SSection& section : kSections) {
            if (EqualsNoCase(text, section.begin)) {
                ReadSection(*this, reader, section);
                break;
            }
        }
    }
    // A block may hold values no computation can work with; they are named and replaced.
    for (const std::string& message : RestoreUnusableConfigValues(*this))
        MessageBoxOk(message);
}

bool DisplayConfig::LoadConfigFile(const std::string& path) {
    Reset();
    std::string text;
    std::string cause;
    if (!ReadTextFile(path, text, cause))
        return false;
    CLineReader reader(SplitLines(text));
    ReadConfigSections(reader);
    return true;
}

bool DisplayConfig::SetValue(const std::string& key, const std::string& value) {
    const SConfigKey* entry = FindKey(key, nullptr);
    if (!entry)
        return false;
    StoreEntry(*this, *entry, SplitAtAny(value, "\t,"));
    return true;
}

std::string DisplayConfig::GetValue(const std::string& key) const {
    const SConfigKey* entry = FindKey(key, nullptr);
    if (!entry)
        return {};
    std::string out;
    AppendEntry(out, *this, *entry);
    return out.substr(1);
}

std::vector<std::string> DisplayConfig::KeyNames() {
    std::vector<std::string> names;
    for (const SConfigKey& entry : kKeys)
        if (std::find(names.begin(), names.end(), entry.key) == names.end())
            names.emplace_back(entry.key);
    return names;
}
