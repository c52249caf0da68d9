#include "dialogs/ConfigSheet.h"

#include "dialogs/StyleControls.h"
#include "views/ThermoModeNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

using DC = DisplayConfig;

// The member's name is the key of its field in the configuration block.
#define QUELTA_KEY(name) &DC::name, #name

template <typename T> struct SEntry {
    T DC::*field;
    const char* key;
    const char* caption;
};

using SFlag = SEntry<int>;

const SFlag kPointFlags[] = {
    {QUELTA_KEY(flagPlayer), "Members"},
    {QUELTA_KEY(flagPlayerAbstain), "Abstaining members"},
    {QUELTA_KEY(flagStatusQuo), "Status quo"},
    {QUELTA_KEY(flagProposal), "Proposal"},
    {QUELTA_KEY(flagTovey), "Tovey point"},
    {QUELTA_KEY(flagCopeland), "Copeland winner"},
    {QUELTA_KEY(flagCandidates), "Candidates"},
    {QUELTA_KEY(flagNames), "Member names"},
    {QUELTA_KEY(flagCoalition), "Coalition (not saved)"},
};

const SFlag kConceptFlags[] = {
    {QUELTA_KEY(flagIndiffCurve), "Indifference curves"},
    {QUELTA_KEY(flagQuotaLine), "Quota lines"},
    {QUELTA_KEY(flagQuotaLineQualified), "Qualified quota lines"},
    {QUELTA_KEY(flagSpoke), "Spokes"},
    {QUELTA_KEY(flagPetal), "Petals"},
    {QUELTA_KEY(flagWinSet), "Win set"},
    {QUELTA_KEY(flagWinSetCap), "Win-set capture"},
    {QUELTA_KEY(flagVeto), "Veto"},
    {QUELTA_KEY(flagCore), "Core"},
    {QUELTA_KEY(flagHeart), "Heart"},
    {QUELTA_KEY(flagYolk), "Yolk"},
    {QUELTA_KEY(flagYolkTri), "Yolk triangle (not saved)"},
    {QUELTA_KEY(flagCardioid), "Cardioid"},
    {QUELTA_KEY(flagShapleyOwen), "Shapley-Owen rings"},
    {QUELTA_KEY(flagParetoSet), "Pareto set"},
    {QUELTA_KEY(flagUncoveredSet), "Uncovered set"},
    {QUELTA_KEY(flagBanksSet), "Banks set"},
    {QUELTA_KEY(flagBanksChain), "Banks chain"},
    {QUELTA_KEY(flagTriMedianSet), "Tri-Median set"},
    {QUELTA_KEY(flagSchattschneiderSet), "Schattschneider set"},
};

const SFlag kStatisticsFlags[] = {
    {QUELTA_KEY(flagThermo), "Thermograph"},
    {QUELTA_KEY(flagHist), "Histograms"},
    {QUELTA_KEY(flagStats), "Statistics"},
    {QUELTA_KEY(flagColorCode), "Colour code"},
    {QUELTA_KEY(flagPowerIndex), "Power index"},
    {QUELTA_KEY(flagPowerIndexColorCode), "Power index colours"},
    {QUELTA_KEY(flagBudgetLine), "Budget line"},
    {QUELTA_KEY(flagGrid), "Grid"},
};

const SFlag kVotingFlags[] = {
    {QUELTA_KEY(flagVoteWt), "Weighted voting"},
    {QUELTA_KEY(flagVoteProb), "Probabilistic voting"},
    {QUELTA_KEY(flagPrefRational), "Rational preferences"},
    {QUELTA_KEY(flagPrefCorrelated), "Correlated preferences"},
};

const SFlag kReportFlags[] = {
    {QUELTA_KEY(flagReportMembers), "Members"},
    {QUELTA_KEY(flagReportStatusQuo), "Status quo"},
    {QUELTA_KEY(flagReportProposal), "Proposal"},
    {QUELTA_KEY(flagReportCopeland), "Copeland winner"},
    {QUELTA_KEY(flagReportCore), "Core"},
    {QUELTA_KEY(flagReportWinSet), "Win set"},
    {QUELTA_KEY(flagReportYolk), "Yolk"},
    {QUELTA_KEY(flagReportHeart), "Heart"},
    {QUELTA_KEY(flagReportPareto), "Pareto set"},
};

const SFlag kLabelFlags[] = {
    {QUELTA_KEY(flagLabelNameLast), "Last name"},
    {QUELTA_KEY(flagLabelNameFirst), "First name"},
    {QUELTA_KEY(flagLabelConstituency), "Constituency"},
    {QUELTA_KEY(flagLabelAffiliation), "Affiliation"},
    {QUELTA_KEY(flagLabelLeadership), "Leadership"},
    {QUELTA_KEY(flagLabelVote), "Vote"},
    {QUELTA_KEY(flagLabelAttribute), "Attribute"},
};

/// A drawn element with its pen and brush slots.
struct SStyleSlot {
    SPenSpec DC::*pen;
    const char* penKey;
    SBrushSpec DC::*brush;
    const char* brushKey;
    const char* caption;
};

const SStyleSlot kPointSlots[] = {
    {QUELTA_KEY(lpPlayer), QUELTA_KEY(lbPlayer), "Member"},
    {QUELTA_KEY(lpPlayerAbstain), QUELTA_KEY(lbPlayerAbstain), "Abstaining member"},
    {QUELTA_KEY(lpStatusQuo), QUELTA_KEY(lbStatusQuo), "Status quo"},
    {QUELTA_KEY(lpProposal), QUELTA_KEY(lbProposal), "Proposal"},
    {QUELTA_KEY(lpCopeland), QUELTA_KEY(lbCopeland), "Copeland winner"},
    {QUELTA_KEY(lpCoalition), QUELTA_KEY(lbCoalition), "Coalition member"},
    {QUELTA_KEY(lpTovey), QUELTA_KEY(lbTovey), "Tovey point"},
};

const SStyleSlot kLineSlots[] = {
    {QUELTA_KEY(lpIndiffCurve), QUELTA_KEY(lbIndiffCurve), "Indifference curve"},
    {QUELTA_KEY(lpQuotaLine), QUELTA_KEY(lbQuotaLine), "Quota line"},
    {QUELTA_KEY(lpQuotaLineQualified), QUELTA_KEY(lbQuotaLineQualified), "Qualified quota line"},
    {QUELTA_KEY(lpCore), QUELTA_KEY(lbCore), "Core"},
    {QUELTA_KEY(lpBanksSet), QUELTA_KEY(lbBanksSet), "Banks set"},
    {QUELTA_KEY(lpBanksChain), QUELTA_KEY(lbBanksChain), "Banks chain"},
    {QUELTA_KEY(lpCandidate), QUELTA_KEY(lbCandidate), "Candidate"},
    {QUELTA_KEY(lpSpoke), QUELTA_KEY(lbSpoke), "Spoke"},
    {QUELTA_KEY(lpPetal), QUELTA_KEY(lbPetal), "Petal"},
    {QUELTA_KEY(lpWinSet), QUELTA_KEY(lbWinSet), "Win set"},
    {QUELTA_KEY(lpWinSetCap), QUELTA_KEY(lbWinSetCap), "Win-set capture"},
    {QUELTA_KEY(lpWinSetLimit), QUELTA_KEY(lbWinSetLimit), "Win-set limit"},
    {QUELTA_KEY(lpParetoSet), QUELTA_KEY(lbParetoSet), "Pareto set"},
    {QUELTA_KEY(lpUncoveredSet), QUELTA_KEY(lbUncoveredSet), "Uncovered set"},
    {QUELTA_KEY(lpHeart), QUELTA_KEY(lbHeart), "Heart"},
    {QUELTA_KEY(lpTriMedianSet), QUELTA_KEY(lbTriMedianSet), "Tri-Median set"},
    {QUELTA_KEY(lpSchattschneiderSet), QUELTA_KEY(lbSchattschneiderSet), "Schattschneider set"},
    {QUELTA_KEY(lpCardioid), QUELTA_KEY(lbCardioid), "Cardioid"},
    {QUELTA_KEY(lpYolk), QUELTA_KEY(lbYolk), "Yolk"},
    {QUELTA_KEY(lpYolkTri), QUELTA_KEY(lbYolkTri), "Yolk triangle"},
    {QUELTA_KEY(lpSORings), QUELTA_KEY(lbSORings), "Shapley-Owen rings"},
};

const SEntry<SFontSpec> kFonts[] = {
    {QUELTA_KEY(lfTitle), "Title"},
    {QUELTA_KEY(lfLegend), "Legend"},
    {QUELTA_KEY(lfLabel), "Member labels"},
    {QUELTA_KEY(lfAxisH), "Horizontal axis"},
    {QUELTA_KEY(lfScaleH), "Horizontal scale"},
    {QUELTA_KEY(lfAxisV), "Vertical axis"},
    {QUELTA_KEY(lfScaleV), "Vertical scale"},
};

/// Counts are offered up to here; the sheet's OK names the ones the computations cannot take.
constexpr int kLargestCount = 1000000;
constexpr int kLargestChart = 100000;
constexpr int kLargestPoint = 10000;
constexpr int kLargestHistogramCell = 1000;

#undef QUELTA_KEY

QLabel* Heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QWidget* Scrolled(QWidget* content) {
    auto* area = new QScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

QWidget* CConfigSheet::BuildDisplayPage() {
    const auto group = [this](const QString& title, const auto& flags, int columns) {
        auto* box = new QGroupBox(title);
        auto* grid = new QGridLayout(box);
        int index = 0;
        for (const SFlag& flag : flags) {
            grid->addWidget(BindFlag(flag.field, flag.key, tr(flag.caption)), index / columns,
                            index % columns);
            ++index;
        }
        return box;
    };
    auto* left = new QVBoxLayout;
    left->addWidget(group(tr("Points"), kPointFlags, 2));
    left->addWidget(group(tr("Voting and Preferences"), kVotingFlags, 2));
    left->addWidget(group(tr("Report Items"), kReportFlags, 2));
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(group(tr("Concepts"), kConceptFlags, 2));
    right->addWidget(group(tr("Statistics"), kStatisticsFlags, 2));
    right->addStretch();
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->addLayout(left);
    row->addLayout(right);
    return page;
}

QWidget* CConfigSheet::BuildStylesPage() {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->addWidget(Heading(tr("Element")), 0, 0);
    grid->addWidget(Heading(tr("Pen: style, width, colour")), 0, 1);
    grid->addWidget(Heading(tr("Brush: style, hatch, colour")), 0, 2);
    int row = 1;
    const auto addSlots = [&](const QString& title, const auto& styleSlots) {
        grid->addWidget(Heading(title), row++, 0);
        for (const SStyleSlot& slot : styleSlots) {
            const QString caption = tr(slot.caption);
            auto* label = new QLabel(caption);
            CPenEditor* pen = BindPen(slot.pen, slot.penKey, caption + tr(" pen"));
            label->setBuddy(pen);
            grid->addWidget(label, row, 0);
            grid->addWidget(pen, row, 1);
            grid->addWidget(BindBrush(slot.brush, slot.brushKey, caption + tr(" brush")), row, 2);
            ++row;
        }
    };
    addSlots(tr("Points"), kPointSlots);
    addSlots(tr("Lines and Regions"), kLineSlots);
    grid->addWidget(Heading(tr("Colours")), row++, 0);
    const std::pair<std::uint32_t DC::*, const char*> colors[] = {
        {&DC::colorBackground, "colorBackground"},
        {&DC::colorDefault, "colorDefault"},
        {&DC::colorHighlight, "colorHighlight"}};
    const QString colorCaptions[] = {tr("Background"), tr("Default"), tr("Highlight")};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(colorCaptions[i]), row, 0);
        grid->addWidget(BindColor(colors[i].first, colors[i].second, colorCaptions[i]), row, 1,
                        Qt::AlignLeft);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return Scrolled(content);
}

QWidget* CConfigSheet::BuildLabelsPage() {
    auto* labels = new QGroupBox(tr("Member Labels"));
    auto* labelGrid = new QGridLayout(labels);
    int index = 0;
    for (const SFlag& flag : kLabelFlags) {
        labelGrid->addWidget(BindFlag(flag.field, flag.key, tr(flag.caption)), index / 4,
                             index % 4);
        ++index;
    }
    auto* fonts = new QGroupBox(tr("Fonts: face, height, weight, italic, colour"));
    auto* fontForm = new QFormLayout(fonts);
    for (const SEntry<SFontSpec>& font : kFonts) {
        const QString caption = tr(font.caption);
        fontForm->addRow(caption, BindFont(font.field, font.key, caption + tr(" font")));
    }
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(labels);
    layout->addWidget(fonts);
    layout->addStretch();
    return page;
}

QWidget* CConfigSheet::BuildAlgorithmPage() {
    const auto count = [this](QFormLayout* form, int DC::*field, const char* key,
                              const QString& caption) {
        form->addRow(caption, BindCount(field, key, caption, 0, kLargestCount));
    };
    const auto number = [this](QFormLayout* form, double DC::*field, const char* key,
                               const QString& caption, double lowest, double highest) {
        form->addRow(caption, BindNumber(field, key, caption, lowest, highest));
    };
    const auto flag = [this](QFormLayout* form, int DC::*field, const char* key,
                             const QString& caption) {
        form->addRow(BindFlag(field, key, caption));
    };
    const auto group = [](const QString& title) {
        auto* box = new QGroupBox(title);
        auto* form = new QFormLayout(box);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        return std::make_pair(box, form);
    };

    auto [core, coreForm] = group(tr("Core and Heart"));
    count(coreForm, &DC::nCore, "nCore", tr("Core samples"));
    auto [uncovered, uncoveredForm] = group(tr("Uncovered Set and Banks Set"));
    count(uncoveredForm, &DC::nUncoveredSet, "nUncoveredSet", tr("Uncovered-set grid size"));
    flag(uncoveredForm, &DC::bExcludeYolk, "bExcludeYolk", tr("Leave out the yolk's points"));
    flag(uncoveredForm, &DC::bUncoveredSetBJS, "bUncoveredSetBJS", tr("Use the BJS algorithm"));
    count(uncoveredForm, &DC::nChain, "nChain", tr("Number of Banks chains"));
    count(uncoveredForm, &DC::nResolution, "nResolution", tr("Chain resolution"));
    auto [median, medianForm] = group(tr("Tri-Median and Schattschneider Sets"));
    number(medianForm, &DC::dTriMedianTolerance, "dTriMedianTolerance", tr("Tri-Median tolerance"),
           0.0, 1e6);
    count(medianForm, &DC::nTriMedianSet, "nTriMedianSet", tr("Tri-Median samples"));
    count(medianForm, &DC::nSchattschneiderSet, "nSchattschneiderSet",
          tr("Schattschneider samples"));
    auto [copeland, copelandForm] = group(tr("Copeland Winner"));
    count(copelandForm, &DC::nCopeland, "nCopeland", tr("Copeland samples"));
    number(copelandForm, &DC::dCopeland, "dCopeland", tr("Copeland offset"), -1e6, 1e6);
    auto [voting, votingForm] = group(tr("Voting and Preferences"));
    number(votingForm, &DC::dBOD, "dBOD", tr("Benefit of the doubt"), -1e6, 1e6);
    number(votingForm, &DC::dProb, "dProb", tr("Probabilistic voting size"), 0.0, 1e6);
    count(votingForm, &DC::nPrefVertices, "nPrefVertices",
          tr("Ellipse corners (0 for exact ellipses)"));

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(core, 0, 0);
    grid->addWidget(uncovered, 1, 0);
    grid->addWidget(median, 0, 1);
    grid->addWidget(copeland, 1, 1);
    grid->addWidget(voting, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* CConfigSheet::BuildChartPage() {
    // Built in the order shown, so the tab key follows the page from top to bottom.
    auto* chart = new QGroupBox(tr("Chart"));
    auto* chartForm = new QFormLayout(chart);
    chartForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    chartForm->addRow(tr("Chart size"),
                      BindSize(&DC::szChart, "szChart", tr("Chart size"), kLargestChart));
    chartForm->addRow(tr("Point symbol size"),
                      BindSize(&DC::szPoint, "szPoint", tr("Point symbol size"), kLargestPoint));
    auto* candidates = new QComboBox;
    candidates->addItem(tr("Issue"), 0);
    candidates->addItem(tr("Cleave"), 4);
    SelectCode(*candidates, m_initial.typeCand);
    chartForm->addRow(tr("Candidate type"), candidates);
    Remember("typeCand", tr("Candidate type"), candidates,
             [candidates](DisplayConfig& config) { config.typeCand = SelectedCode(*candidates); });
    chartForm->addRow(
        tr("Coalition list length"),
        BindCount(&DC::nCoalition, "nCoalition", tr("Coalition list length"), 0, kLargestCount));

    auto* thermo = new QGroupBox(tr("Thermograph"));
    auto* thermoForm = new QFormLayout(thermo);
    thermoForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* modes = new QComboBox;
    for (const auto& [code, name] : kThermoModeNames)
        modes->addItem(tr(name), code);
    const int typeThermo = m_initial.typeThermo;
    SelectCode(*modes, typeThermo & ~kThermoFlagBits);
    auto* shade = new QCheckBox(tr("Shades of the thermograph colour"));
    shade->setObjectName("typeThermoShade");
    shade->setChecked((typeThermo & kThermoShadeBit) != 0);
    thermoForm->addRow(tr("Mode"), modes);
    thermoForm->addRow(shade);
    Remember("typeThermo", tr("Thermograph mode"), modes,
             [modes, shade, typeThermo](DisplayConfig& config) {
                 // The bit of value 4 is not the sheet's to change.
                 config.typeThermo = SelectedCode(*modes) |
                                     (shade->isChecked() ? kThermoShadeBit : 0) |
                                     (typeThermo & (kThermoFlagBits & ~kThermoShadeBit));
             });
    thermoForm->addRow(tr("Thermograph colour"),
                       BindColor(&DC::colorThermo, "colorThermo", tr("Thermograph colour")));

    auto* histograms = new QGroupBox(tr("Histograms"));
    auto* histForm = new QFormLayout(histograms);
    histForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    histForm->addRow(tr("Histogram type"),
                     BindCount(&DC::typeHist, "typeHist", tr("Histogram type"), 0, kLargestCount));
    histForm->addRow(tr("Horizontal cell"), BindSize(&DC::szHistH, "szHistH", tr("Horizontal cell"),
                                                     kLargestHistogramCell));
    histForm->addRow(tr("Vertical cell"),
                     BindSize(&DC::szHistV, "szHistV", tr("Vertical cell"), kLargestHistogramCell));
    histForm->addRow(tr("Histogram colour"),
                     BindColor(&DC::colorHist, "colorHist", tr("Histogram colour")));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(chart);
    layout->addWidget(thermo);
    layout->addWidget(histograms);
    layout->addStretch();
    return page;
}
