#include "DatabaseFixture.h"

#include "database/ConfigParams.h"
#include "database/DatabaseSchema.h"
#include "document/DisplayConfig.h"
#include "preferences/PreferenceSpec.h"
#include "views/InputForm.h"

#include <QTextStream>

#include <algorithm>

namespace {

using LegislatureReaderTest = DatabaseTest;

const CMember* HouseMember(const SHouse& house, const std::string& id) {
    for (const auto& m : house.members)
        if (m->MemberID() == id)
            return m.get();
    return nullptr;
}

TEST_F(LegislatureReaderTest, SampleLegislatureFillsHousesCommitteesScalesAndSettings) {
    const std::string path = SampleCopy();
    CQueltaDoc doc;
    ASSERT_TRUE(OpenDatabase(doc, path)) << Messages();
    const ScenarioHeader& h = doc.Header();
    EXPECT_EQ(h.sourceKind, SOURCE_DATABASE);
    EXPECT_EQ(h.dataSource, "sample.sqlite");
    EXPECT_EQ(doc.Title(), "sample.sqlite");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(h.upperHouse.label, "Upper Chamber");
    EXPECT_EQ(h.upperHouse.membersLabel, "Senators");
    EXPECT_EQ(h.upperHouse.committeesLabel, "Upper Chamber Committees");
    EXPECT_EQ(h.lowerHouse.committeesLabel, "Lower Chamber Committees");
    EXPECT_EQ(h.legislature.upper.term, 6.0);
    EXPECT_EQ(h.legislature.lower.constituencyGenus, "District");
    EXPECT_EQ(h.upperHouse.members.size(), 21u);
    EXPECT_EQ(h.lowerHouse.members.size(), 35u);
    ASSERT_EQ(h.scales.size(), 4u);
    EXPECT_EQ(h.scales[3]->RatingID(), "FORA");
    EXPECT_EQ(h.scales[3]->Scale_Min(), -10.0);

    // Committees as the form lists them, with parents linked by exact IDs.
    std::vector<std::string> entries;
    for (const auto& c : h.lowerHouse.committees)
        entries.push_back(CInputForm::CommitteeEntryText(*c));
    EXPECT_EQ(entries, (std::vector<std::string>{"Whole Chamber (35)", "Agriculture (11)",
                                                 "--Rural Affairs (7)", "----Water Rights (5)",
                                                 "Education (9)", "Environment (0)"}));
    ASSERT_NE(h.lowerHouse.committees[3]->Parent(), nullptr);
    EXPECT_EQ(h.lowerHouse.committees[3]->Parent()->CommitteeID(), "L-AGR-RUR");

    // A member's ratings, with spread and count, and its attributes.
    const CMember* member = HouseMember(h.upperHouse, "S005");
    ASSERT_NE(member, nullptr);
    const double expected = Scalar(path, "SELECT \"Value\" FROM \"UH_Member_Ratings\" WHERE "
                                         "\"MemberID\" = 'S005' AND \"RatingID\" = 'SOC'");
    const CRating* rating = member->FindRating("SOC");
    ASSERT_NE(rating, nullptr);
    EXPECT_EQ(rating->Value, expected);
    EXPECT_EQ(rating->StdDev, Scalar(path, "SELECT \"StdDev\" FROM \"UH_Member_Ratings\" WHERE "
                                           "\"MemberID\" = 'S005' AND \"RatingID\" = 'SOC'"));
    EXPECT_EQ(rating->Count, Scalar(path, "SELECT \"Count\" FROM \"UH_Member_Ratings\" WHERE "
                                          "\"MemberID\" = 'S005' AND \"RatingID\" = 'SOC'"));
    EXPECT_EQ(member->FormatName(NAME_PARTY), "Progress");
    ASSERT_EQ(member->NumericAttributes().size(), 1u);
    EXPECT_EQ(member->NumericAttributes()[0].first, "TENURE");
    EXPECT_EQ(member->Committees().size(), 4u) << "Whole Chamber, Finance, Taxation, Tax Appeals";
    ASSERT_EQ(h.legislature.attributes.size(), 2u);
    EXPECT_EQ(h.legislature.attributes[1].typeId, "O");

    EXPECT_EQ(doc.ScenarioNames(), (std::vector<std::string>{"Budget 2027", "Tax reform",
                                                             "Farm bill", "Treaty ratification"}));
    // Settings: lower-case and upper-case names, composite pens, colours and fonts.
    const DisplayConfig& config = doc.Config();
    EXPECT_EQ(config.nCore, 80);
    EXPECT_EQ(config.nUncoveredSet, 15);
    EXPECT_EQ(config.lpWinSet, (SPenSpec{PenStyle::Solid, 2, MakeRgb(255, 0, 0)}));
    EXPECT_EQ(config.colorHighlight, MakeRgb(255, 255, 0));
    EXPECT_EQ(config.lfTitle, (SFontSpec{"Liberation Sans", 18, 700, 0, 0}));
}

TEST_F(LegislatureReaderTest, ProgressCountsEveryRowOfEachGroupAndClosesThePanel) {
    const std::string path = SampleCopy();
    CQueltaDoc doc;
    ASSERT_TRUE(OpenDatabase(doc, path)) << Messages();
    ASSERT_GE(platform.panels.size(), 3u);
    EXPECT_EQ(platform.titles.front(), "Reading Data . . .");
    EXPECT_TRUE(platform.panels.back().empty()) << "the panel is closed at the end";
    const std::vector<SProgressCount>& last = platform.panels[platform.panels.size() - 2];
    ASSERT_EQ(last.size(), 9u);
    const char* tables[] = {
        "Ratings",           "UH_Members", "UH_Committees", "UH_Committee_Members",
        "UH_Member_Ratings", "LH_Members", "LH_Committees", "LH_Committee_Members",
        "LH_Member_Ratings"};
    for (size_t i = 0; i < 9; ++i)
        EXPECT_EQ(last[i].count,
                  Scalar(path, std::string("SELECT COUNT(*) FROM \"") + tables[i] + "\""))
            << last[i].label;
    // Each report adds one row to one count.
    for (size_t p = 1; p + 1 < platform.panels.size(); ++p) {
        long added = 0;
        for (size_t i = 0; i < 9; ++i)
            added += platform.panels[p][i].count - platform.panels[p - 1][i].count;
        ASSERT_EQ(added, 1) << "report " << p;
    }
}

TEST(ConfigParamsTest, NamesInAnyCaseComposeTheirSettingsFromTextAndNumbers) {
    struct SCase {
        CTableConfigParams row;
        const char* key;
        const char* expected;
    };
    const SCase cases[] = {
        {{"NCORE", "", 75, 0, 0, 0}, "nCore", "75"},
        {{"dBOD", "", 2.5, 0, 0, 0}, "dBOD", "2.500000"},
        {{"lpYolk", "", 1, 3, 0x00FF00, 0}, "lpYolk", "1\t3\t0\t255\t0"},
        {{"lbmember", "", 2, 4, 0x0000FF, 0}, "lbPlayer", "2\t4\t255\t0\t0"},
        {{"lpCurveIndiff", "", 2, 1, 0, 0}, "lpIndiffCurve", "2\t1\t0\t0\t0"},
        {{"colorBackground", "", 0x102030, 0, 0, 0}, "colorBackground", "48\t32\t16"},
        {{"szPoint", "", 7, 9, 0, 0}, "szPoint", "7\t9"},
        {{"lfLegend", "Serif, Bold", 14, 700, 1, 0xFF},
         "lfLegend",
         "Serif  Bold\t14\t700\t1\t255\t0\t0"},
        // Names outside the database's list leave their settings alone.
        {{"flagWinSet", "", 1, 0, 0, 0}, "flagWinSet", "0"},
        {{"nchains", "", 9, 0, 0, 0}, "nChain", "5"},
    };
    for (const SCase& c : cases) {
        DisplayConfig config;
        int prefType = PREF_TRADEOFF;
        ApplyConfigParams({c.row}, config, prefType);
        EXPECT_EQ(config.GetValue(c.key), c.expected) << c.row.Name;
    }
    DisplayConfig config;
    int prefType = PREF_TRADEOFF;
    ApplyConfigParams({{"TypePrefRgn", "", 4, 0, 0, 0}}, config, prefType);
    EXPECT_EQ(prefType, PREF_CITYBLOCK);
    ApplyConfigParams({{"typeprefrgn", "", 99, 0, 0, 0}}, config, prefType);
    EXPECT_EQ(prefType, PREF_TRADEOFF);
}

TEST_F(LegislatureReaderTest, TypePrefRgnGivesTheMembersTheirPreferenceType) {
    const std::string path = SampleCopy();
    Exec(path, {"UPDATE \"Config_Params\" SET \"N1\" = 4 WHERE \"Name\" = 'typeprefrgn'"});
    CQueltaDoc doc;
    ASSERT_TRUE(OpenDatabase(doc, path)) << Messages();
    for (const auto& m : doc.Header().lowerHouse.members)
        EXPECT_EQ(m->PrefType(), PREF_CITYBLOCK);
}

TEST_F(LegislatureReaderTest, SchemaFileCreatesTheTablesTheReaderReads) {
    QFile file(QDir(QUELTA_EXAMPLES).filePath("schema.sql"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::string statements;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.startsWith("--") && !line.isEmpty())
            statements += line.toStdString() + "\n";
    EXPECT_EQ(statements, SchemaScript());
}

} // namespace
