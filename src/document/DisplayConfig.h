#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CLineReader;

/// Builds a 24-bit colour with red in the low byte, green in the middle and blue in the high byte.
constexpr std::uint32_t MakeRgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) | static_cast<std::uint32_t>(green & 0xFF) << 8 |
           static_cast<std::uint32_t>(blue & 0xFF) << 16;
}
/// The red component of a colour.
constexpr int RedOf(std::uint32_t color) {
    return static_cast<int>(color & 0xFF);
}
/// The green component of a colour.
constexpr int GreenOf(std::uint32_t color) {
    return static_cast<int>(color >> 8 & 0xFF);
}
/// The blue component of a colour.
constexpr int BlueOf(std::uint32_t color) {
    return static_cast<int>(color >> 16 & 0xFF);
}

/// Pen style codes as stored in the configuration.
namespace PenStyle {
constexpr int Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5;
}
/// Brush style codes as stored in the configuration (hatched brushes use a hatch code 0 to 5).
namespace BrushStyle {
constexpr int Solid = 0, Null = 1, Hatched = 2;
}
/// Hatch codes of hatched brushes.
namespace Hatch {
constexpr int Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3, Cross = 4,
              DiagonalCross = 5;
}

/// A chart font: face name, height, weight, italic flag and colour.
struct SFontSpec {
    std::string face = "Arial";
    int height = 12;
    int weight = 400;
    int italic = 0;
    std::uint32_t color = 0;
    bool operator==(const SFontSpec&) const = default;
};

/// A pen: style code, width in pixels and colour.
struct SPenSpec {
    int style = PenStyle::Solid;
    int width = 1;
    std::uint32_t color = 0;
    bool operator==(const SPenSpec&) const = default;
};

/// A brush: style code, hatch code and colour.
struct SBrushSpec {
    int style = BrushStyle::Solid;
    int hatch = 0;
    std::uint32_t color = 0;
    bool operator==(const SBrushSpec&) const = default;
};

/// A horizontal and a vertical extent in pixels.
struct SSizeSpec {
    int cx = 0;
    int cy = 0;
    bool operator==(const SSizeSpec&) const = default;
};

/// The settings record: display switches, drawing styles, label choices and algorithm tuning
/// values. It is saved as a four-section text block in the configuration file and at the end of
/// every scenario file; member names are the keys of that block.
struct DisplayConfig {
    /// A record holding every default.
    DisplayConfig() = default;

    /// Restores every default.
    void Reset();
    /// Appends the four sections of the text block to `out`, one "\n"-ended line at a time.
    void WriteConfigSections(std::string& out) const;
    /// Reads the sections found in the remaining lines of `reader`, setting the keys they hold.
    void ReadConfigSections(CLineReader& reader);
    /// Restores the defaults, then reads the sections of the file at `path` when it can be read;
    /// a missing or unreadable file is silent. True when the file was read.
    bool LoadConfigFile(const std::string& path = "quelta.cfg");
    /// Sets one key of the block (case-insensitive, old key names accepted) from a value text
    /// whose values are separated by tabs or commas; false for an unknown key.
    bool SetValue(const std::string& key, const std::string& value);
    /// The text of a key's values as the block writes them (tab-separated); empty for an unknown
    /// key.
    std::string GetValue(const std::string& key) const;
    /// The name of every key of the block, sections in order, including keys that are read but
    /// not written.
    static std::vector<std::string> KeyNames();

    bool operator==(const DisplayConfig&) const = default;

    // Report items; not saved.
    int flagReportMembers = 1;
    int flagReportStatusQuo = 1;
    int flagReportProposal = 1;
    int flagReportCopeland = 1;
    int flagReportCore = 1;
    int flagReportWinSet = 1;
    int flagReportYolk = 1;
    int flagReportHeart = 1;
    int flagReportPareto = 1;

    int typeThermo = 8;
    int typeHist = 30;
    int typeCand = 0;

    int flagPlayer = 1;
    int flagPlayerAbstain = 1;
    int flagStatusQuo = 1;
    int flagProposal = 1;
    int flagTovey = 1;
    int flagIndiffCurve = 0;
    int flagQuotaLine = 0;
    int flagQuotaLineQualified = 0;
    int flagCore = 0;
    int flagBanksSet = 0;
    int flagBanksChain = 0;
    int flagSpoke = 0;
    int flagPetal = 0;
    int flagWinSet = 0;
    int flagWinSetCap = 0;
    int flagShapleyOwen = 0;
    int flagCopeland = 0;
    int flagYolk = 0;
    int flagCardioid = 0;
    int flagSchattschneiderSet = 0;
    int flagTriMedianSet = 0;
    int flagHeart = 0;
    int flagUncoveredSet = 0;
    int flagParetoSet = 0;
    int flagVoteWt = 0;
    int flagVoteProb = 0;
    int flagVeto = 0;
    int flagCandidates = 0;
    int flagPrefRational = 1;
    int flagPrefCorrelated = 0;
    int flagThermo = 0;
    int flagHist = 0;
    int flagStats = 0;
    int flagColorCode = 0;
    int flagNames = 0;
    int flagPowerIndex = 0;
    int flagPowerIndexColorCode = 0;
    int flagBudgetLine = 0;
    int flagGrid = 0;

    // Display switches that are not saved.
    int flagCoalition = 0; ///< the coalition highlight
    int flagYolkTri = 0;   ///< the yolk triangle

    SFontSpec lfTitle{"Arial", 16};
    SFontSpec lfLegend{"Arial", 12};
    SFontSpec lfLabel{"Arial", 12};
    SFontSpec lfAxisH{"Arial", 14};
    SFontSpec lfScaleH{"Arial", 10};
    SFontSpec lfAxisV{"Arial", 12};
    SFontSpec lfScaleV{"Arial", 10};

    SPenSpec lpPlayer{PenStyle::Solid, 1, MakeRgb(0, 0, 0)};
    SPenSpec lpPlayerAbstain{PenStyle::Solid, 1, MakeRgb(128, 128, 128)};
    SPenSpec lpStatusQuo{PenStyle::Solid, 1, MakeRgb(0, 0, 0)};
    SPenSpec lpProposal{PenStyle::Solid, 1, MakeRgb(0, 0, 0)};
    SPenSpec lpCopeland{PenStyle::Solid, 1, MakeRgb(0, 0, 0)};
    SPenSpec lpCoalition{PenStyle::Solid, 2, MakeRgb(255, 0, 255)};
    SPenSpec lpTovey{PenStyle::Solid, 1, MakeRgb(0, 0, 0)};

    SBrushSpec lbPlayer{BrushStyle::Solid, 0, MakeRgb(0, 0, 255)};
    SBrushSpec lbPlayerAbstain{BrushStyle::Null, 0, MakeRgb(128, 128, 128)};
    SBrushSpec lbStatusQuo{BrushStyle::Solid, 0, MakeRgb(255, 0, 0)};
    SBrushSpec lbProposal{BrushStyle::Solid, 0, MakeRgb(0, 160, 0)};
    SBrushSpec lbCopeland{BrushStyle::Solid, 0, MakeRgb(255, 128, 0)};
    SBrushSpec lbCoalition{BrushStyle::Null, 0, MakeRgb(255, 0, 255)};
    SBrushSpec lbTovey{BrushStyle::Solid, 0, MakeRgb(0, 192, 192)};

    SPenSpec lpIndiffCurve{PenStyle::Dot, 1, MakeRgb(160, 160, 160)};
    SPenSpec lpQuotaLine{PenStyle::Solid, 1, MakeRgb(0, 128, 255)};
    SPenSpec lpQuotaLineQualified{PenStyle::Dash, 1, MakeRgb(0, 0, 160)};
    SPenSpec lpCore{PenStyle::Solid, 2, MakeRgb(128, 0, 0)};
    SPenSpec lpBanksSet{PenStyle::Solid, 2, MakeRgb(160, 82, 45)};
    SPenSpec lpBanksChain{PenStyle::Dot, 1, MakeRgb(210, 105, 30)};
    SPenSpec lpCandidate{PenStyle::DashDot, 1, MakeRgb(128, 0, 128)};
    SPenSpec lpSpoke{PenStyle::Solid, 1, MakeRgb(255, 140, 0)};
    SPenSpec lpPetal{PenStyle::Solid, 1, MakeRgb(255, 182, 193)};
    SPenSpec lpWinSet{PenStyle::Solid, 2, MakeRgb(255, 0, 0)};
    SPenSpec lpWinSetCap{PenStyle::Solid, 2, MakeRgb(0, 128, 128)};
    SPenSpec lpWinSetLimit{PenStyle::Dash, 1, MakeRgb(96, 96, 96)};
    SPenSpec lpYolk{PenStyle::Solid, 2, MakeRgb(0, 176, 0)};
    SPenSpec lpYolkTri{PenStyle::Dot, 1, MakeRgb(107, 142, 35)};
    SPenSpec lpCardioid{PenStyle::Dash, 1, MakeRgb(199, 21, 133)};
    SPenSpec lpSchattschneiderSet{PenStyle::Solid, 1, MakeRgb(0, 0, 128)};
    SPenSpec lpTriMedianSet{PenStyle::Solid, 1, MakeRgb(128, 128, 0)};
    SPenSpec lpHeart{PenStyle::Solid, 2, MakeRgb(255, 20, 147)};
    SPenSpec lpUncoveredSet{PenStyle::Solid, 1, MakeRgb(218, 165, 32)};
    SPenSpec lpParetoSet{PenStyle::Solid, 1, MakeRgb(0, 100, 0)};
    SPenSpec lpSORings{PenStyle::DashDotDot, 1, MakeRgb(70, 130, 180)};

    // Curves are framed, not filled, so their brushes are hollow in the pen's colour; the sets
    // drawn as filled areas get a fill that leaves what lies below visible.
    SBrushSpec lbIndiffCurve{BrushStyle::Null, 0, MakeRgb(160, 160, 160)};
    SBrushSpec lbQuotaLine{BrushStyle::Null, 0, MakeRgb(0, 128, 255)};
    SBrushSpec lbQuotaLineQualified{BrushStyle::Null, 0, MakeRgb(0, 0, 160)};
    SBrushSpec lbCore{BrushStyle::Null, 0, MakeRgb(128, 0, 0)};
    SBrushSpec lbBanksSet{BrushStyle::Null, 0, MakeRgb(160, 82, 45)};
    SBrushSpec lbBanksChain{BrushStyle::Null, 0, MakeRgb(210, 105, 30)};
    SBrushSpec lbCandidate{BrushStyle::Null, 0, MakeRgb(128, 0, 128)};
    SBrushSpec lbSpoke{BrushStyle::Null, 0, MakeRgb(255, 140, 0)};
    SBrushSpec lbPetal{BrushStyle::Solid, 0, MakeRgb(255, 182, 193)};
    SBrushSpec lbWinSet{BrushStyle::Hatched, Hatch::DiagonalCross, MakeRgb(255, 0, 0)};
    SBrushSpec lbWinSetCap{BrushStyle::Null, 0, MakeRgb(0, 128, 128)};
    SBrushSpec lbWinSetLimit{BrushStyle::Null, 0, MakeRgb(96, 96, 96)};
    SBrushSpec lbYolk{BrushStyle::Null, 0, MakeRgb(0, 176, 0)};
    SBrushSpec lbYolkTri{BrushStyle::Null, 0, MakeRgb(107, 142, 35)};
    SBrushSpec lbCardioid{BrushStyle::Null, 0, MakeRgb(199, 21, 133)};
    SBrushSpec lbSchattschneiderSet{BrushStyle::Hatched, Hatch::BackwardDiagonal,
                                    MakeRgb(0, 0, 128)};
    SBrushSpec lbTriMedianSet{BrushStyle::Hatched, Hatch::ForwardDiagonal, MakeRgb(128, 128, 0)};
    SBrushSpec lbHeart{BrushStyle::Null, 0, MakeRgb(255, 20, 147)};
    SBrushSpec lbUncoveredSet{BrushStyle::Solid, 0, MakeRgb(255, 255, 160)};
    SBrushSpec lbParetoSet{BrushStyle::Hatched, Hatch::Cross, MakeRgb(144, 238, 144)};
    SBrushSpec lbSORings{BrushStyle::Null, 0, MakeRgb(70, 130, 180)};

    std::uint32_t colorBackground = MakeRgb(255, 255, 255);
    std::uint32_t colorDefault = MakeRgb(0, 0, 0);
    // Not a grey: the thermograph's hue mode takes its lightness and saturation from this colour.
    std::uint32_t colorThermo = MakeRgb(255, 0, 0);
    std::uint32_t colorHist = MakeRgb(100, 149, 237);
    std::uint32_t colorHighlight = MakeRgb(255, 255, 0);

    SSizeSpec szChart{400, 400};
    SSizeSpec szPoint{5, 5};
    SSizeSpec szHistH{10, 20};
    SSizeSpec szHistV{10, 20};

    int nCoalition = 51;

    int flagLabelNameLast = 1;
    int flagLabelNameFirst = 0;
    int flagLabelConstituency = 0;
    int flagLabelAffiliation = 0;
    int flagLabelLeadership = 0;
    int flagLabelVote = 0;
    int flagLabelAttribute = 0;

    int nCore = 60;
    int nUncoveredSet = 20;
    int bExcludeYolk = 0;
    int bUncoveredSetBJS = 1;
    int nChain = 5;
    int nResolution = 25;
    double dTriMedianTolerance = 1.0;
    int nTriMedianSet = 180;
    int nSchattschneiderSet = 180;
    int nCopeland = 31;
    double dCopeland = 0.0;
    double dBOD = 0.0;
    double dProb = 0.9;
    /// How the members' trade-off ellipses become cells: 0 the cells whose centres lie inside
    /// the exact ellipse, N >= 3 the inscribed N-gon (40 the classic outline).
    int nPrefVertices = 0;
};
