#include "document/ReportFile.h"
#include "FileSizeLimit.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "document/TextLines.h"
#include "model/FormatNumber.h"
#include "model/Member.h"
#include "platform/HeadlessPlatform.h"
#include "platform/TextUtil.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

namespace {

/// A member as the example file gives it, read by the test itself.
struct SFileMember {
    std::string name;
    double h = 0, v = 0, weight = 1;
};

/// What the test reads from an example file on its own: names, scales, rule and members.
struct SExample {
    std::string scenario;
    std::vector<std::string> dimensions;
    double rule = 0.5;
    std::vector<SFileMember> members;
};

SExample ReadExample(const std::string& path) {
    std::string text, cause;
    EXPECT_TRUE(ReadTextFile(path, text, cause)) << path;
    SExample example;
    for (const std::string& line : SplitLines(text)) {
        const std::vector<std::string> f = SplitTabs(line, 8);
        if (f[0] == "Scenario" && f.size() > 1)
            example.scenario = f[1];
        else if (f[0] == "Dimension" && f.size() > 1)
            example.dimensions.push_back(f[1]);
        else if (f[0] == "Decision Rule" && f.size() > 2)
            example.rule = std::stod(f[2]);
        else if (f[0] == "Player" && f.size() > 5)
            example.members.push_back({f[1], std::stod(f[3]), std::stod(f[4]), std::stod(f[5])});
    }
    return example;
}

/// The label (first field, colon dropped) of every line.
std::vector<std::string> Labels(const std::vector<SReportLine>& lines) {
    std::vector<std::string> labels;
    for (const SReportLine& line : lines)
        if (line.kind != SReportLine::EKind::ListRow)
            labels.push_back(line.fields.front().text);
    return labels;
}

/// The item lines as label -> value number.
std::map<std::string, double> Numbers(const std::vector<SReportLine>& lines) {
    std::map<std::string, double> numbers;
    for (const SReportLine& line : lines)
        if (line.kind == SReportLine::EKind::Item && line.fields[1].number)
            numbers[line.fields[0].text] = *line.fields[1].number;
    return numbers;
}

std::vector<std::string> ExpectedLabels(bool yolk) {
    std::vector<std::string> labels = {"Scenario:",         "Data Source:",
                                       "Description:",      "Upper House:",
                                       "Lower House:",      "Committee:",
                                       "Issue-Horz:",       "Issue-Vert:",
                                       "Decision Rule:",    "Status Quo-Horz:",
                                       "Status Quo-Vert:",  "Proposal-Horz:",
                                       "Proposal-Vert:",    "Members Favoring Proposal:",
                                       "Copeland-Horz:",    "Copeland-Vert:",
                                       "Yolk Center-Horz:", "Yolk Center-Vert:",
                                       "Yolk Radius:",      "Win Set Area:",
                                       "Win Set Horz-Min:", "Win Set Horz-Max:",
                                       "Win Set Vert-Min:", "Win Set Vert-Max:",
                                       "Core Area:",        "Core Horz-Min:",
                                       "Core Horz-Max:",    "Core Vert-Min:",
                                       "Core Vert-Max:",    "Heart Area:",
                                       "Heart Horz-Min:",   "Heart Horz-Max:",
                                       "Heart Vert-Min:",   "Heart Vert-Max:",
                                       "Pareto Horz-Min:",  "Pareto Horz-Max:",
                                       "Pareto Vert-Min:",  "Pareto Vert-Max:",
                                       "All Members:"};
    if (!yolk)
        labels.erase(labels.begin() + 16, labels.begin() + 19);
    return labels;
}

class ReportFileTest : public ::testing::Test {
protected:
    std::string TempPath(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string Read(const std::string& path) const {
        std::string text, cause;
        return ReadTextFile(path, text, cause) ? text : "<unreadable>";
    }
    std::string OneMemberScenario(const std::string& lastName) {
        EXPECT_TRUE(NewWhiteboard(doc));
        doc.CreateMember("M1", lastName, CFPoint(30, 40), 3);
        return ReportText(ReportLines(doc));
    }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

/// Checks the report's members, favouring members and Pareto box against the example's own
/// numbers, and the win set's area against a cell-by-cell count of closer members.
void CheckAgainstExample(CQueltaDoc& doc, const SExample& example,
                         const std::vector<SReportLine>& lines) {
    const CFPoint sq = doc.Game().StatusQuo(), proposal = doc.Game().Proposal();
    std::vector<std::string> rows, favoring;
    bool inFavoring = false;
    for (const SReportLine& line : lines) {
        if (line.kind == SReportLine::EKind::ListHeading)
            inFavoring = line.fields[0].text == "Members Favoring Proposal:";
        else if (line.kind == SReportLine::EKind::ListRow)
            (inFavoring ? favoring : rows).push_back(ReportText({line}));
    }
    ASSERT_EQ(rows.size(), example.members.size());
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    for (size_t i = 0; i < rows.size(); ++i) {
        const SFileMember& m = example.members[i];
        const double vote = doc.Config().flagVoteWt ? m.weight : 1.0;
        EXPECT_EQ(rows[i], "\t\t" + m.name + "\t" + FormatNumber(vote) + "\t" + FormatNumber(m.h) +
                               "\t" + FormatNumber(m.v) + "\n");
        left = std::min(left, m.h), right = std::max(right, m.h);
        bottom = std::min(bottom, m.v), top = std::max(top, m.v);
        // Members far from indifference must be listed exactly when they are closer.
        const double gain =
            std::hypot(sq.x - m.h, sq.y - m.v) - std::hypot(proposal.x - m.h, proposal.y - m.v);
        const bool listed = std::count(favoring.begin(), favoring.end(), m.name + "\n") == 1;
        if (std::fabs(gain) > 0.5) {
            EXPECT_EQ(listed, gain > 0) << m.name;
        }
    }
    std::map<std::string, double> n = Numbers(lines);
    EXPECT_NEAR(n["Pareto Horz-Min:"], left, 0.5);
    EXPECT_NEAR(n["Pareto Horz-Max:"], right, 0.5);
    EXPECT_NEAR(n["Pareto Vert-Min:"], bottom, 0.5);
    EXPECT_NEAR(n["Pareto Vert-Max:"], top, 0.5);
    EXPECT_NEAR(n["Decision Rule:"], example.rule, 1e-9);

    // The win set counted cell by cell: a cell surely wins when the members closer to it than
    // to the status quo by a margin have the quota, and surely loses when even the members
    // within that margin of indifference do not reach it (the margin covers the cell size and
    // the polygons that stand for the circles).
    const CGridMap& map = doc.Game().GridMap();
    const CFPoint c00 = map.CellToWorld(0, 0), c11 = map.CellToWorld(1, 1);
    const double cellArea = std::fabs((c11.x - c00.x) * (c11.y - c00.y));
    const double margin = 0.5, quota = doc.Game().VoteQuota();
    double sure = 0, possible = 0;
    for (int y = 50; y < 450; ++y)
        for (int x = 50; x < 450; ++x) {
            const CFPoint p = map.CellToWorld(x, y);
            double surely = 0, maybe = 0;
            for (const SFileMember& m : example.members) {
                const double vote = doc.Config().flagVoteWt ? m.weight : 1.0;
                const double d = std::hypot(p.x - m.h, p.y - m.v);
                const double radius = std::hypot(sq.x - m.h, sq.y - m.v);
                surely += d < radius - margin ? vote : 0;
                maybe += d < radius + margin ? vote : 0;
            }
            sure += surely >= quota ? 1 : 0;
            possible += maybe >= quota ? 1 : 0;
        }
    EXPECT_GE(n["Win Set Area:"], sure * cellArea);
    EXPECT_LE(n["Win Set Area:"], possible * cellArea);
    for (const char* name : {"Win Set ", "Heart ", "Copeland-"}) {
        const std::string h = std::string(name) + (name[0] == 'C' ? "Horz:" : "Horz-Min:");
        EXPECT_GE(n[h], left - 0.5) << name;
        EXPECT_LE(n[h], right + 0.5) << name;
    }
}

} // namespace

TEST_F(ReportFileTest, EveryShippedExampleReportsWhatItsFileHolds) {
    for (const char* name : {"five.txt", "triangle.txt", "seven-weighted.txt", "senate101.txt"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string(QUELTA_EXAMPLES) + "/" + name;
        const SExample example = ReadExample(path);
        ASSERT_TRUE(ReadScenarioFile(doc, path));
        doc.SetProposal(CFPoint(41, 43));
        const std::vector<SReportLine> lines = ReportLines(doc);
        ASSERT_EQ(Labels(lines), ExpectedLabels(true));
        EXPECT_EQ(ReportText({lines[0]}), "Scenario:\t" + example.scenario + "\n");
        EXPECT_EQ(ReportText({lines[1]}), "Data Source:\t" + path + "\n");
        EXPECT_EQ(ReportText({lines[6]}), "Issue-Horz:\t" + example.dimensions.at(0) + "\n");
        EXPECT_EQ(ReportText({lines[7]}), "Issue-Vert:\t" + example.dimensions.at(1) + "\n");
        EXPECT_EQ(ReportText({lines[9]}), "Status Quo-Horz:\t50\n");
        EXPECT_EQ(ReportText({lines[11]}), "Proposal-Horz:\t41\n");
        CheckAgainstExample(doc, example, lines);
    }
}

TEST_F(ReportFileTest, YolkOfThreeMembersIsTheIncircleOfTheirTriangle) {
    ASSERT_TRUE(ReadScenarioFile(doc, std::string(QUELTA_EXAMPLES) + "/triangle.txt"));
    const CFPoint a(20, 25), b(80, 25), c(50, 77);
    const double la = b.Distance(c), lb = a.Distance(c), lc = a.Distance(b);
    const double s = (la + lb + lc) / 2;
    const double area = std::sqrt(s * (s - la) * (s - lb) * (s - lc));
    std::map<std::string, double> n = Numbers(ReportLines(doc));
    EXPECT_NEAR(n["Yolk Radius:"], area / s, 0.01);
    EXPECT_NEAR(n["Yolk Center-Horz:"], (la * a.x + lb * b.x + lc * c.x) / (2 * s), 0.01);
    EXPECT_NEAR(n["Yolk Center-Vert:"], (la * a.y + lb * b.y + lc * c.y) / (2 * s), 0.01);
    EXPECT_NEAR(n["Core Area:"], 0.0, 1e-12) << "three members on a triangle have no core";
}

TEST_F(ReportFileTest, ScenarioWithoutYolkOmitsOnlyTheYolkLines) {
    ASSERT_TRUE(NewWhiteboard(doc));
    const std::vector<SReportLine> lines = ReportLines(doc);
    EXPECT_EQ(Labels(lines), ExpectedLabels(false));
    EXPECT_EQ(ReportText({lines[0], lines[2], lines[5]}),
              "Scenario:\tWhiteboard\nDescription:\tGroup / Group\nCommittee:\tGroup\n");
}

TEST_F(ReportFileTest, MemberLinesFieldsAndNames) {
    const std::string plain = OneMemberScenario("Ames");
    EXPECT_NE(plain.find("All Members:\n\t\tAmes\t1\t30\t40\n"), std::string::npos) << plain;
    doc.Config().flagPowerIndex = 1;
    const std::vector<SReportLine> lines = ReportLines(doc);
    EXPECT_EQ(lines.back().fields.size(), 5u) << "the power index adds a fifth field";
    EXPECT_EQ(lines.back().fields[4].number.value_or(-1), 1.0) << "a lone member has all power";
    const std::string unnamed = OneMemberScenario("");
    EXPECT_NE(unnamed.find("\n\t\t?\t1\t30\t40\n"), std::string::npos) << unnamed;
    const std::string broken = OneMemberScenario("Ames\nScenario:\tforged");
    EXPECT_NE(broken.find("\n\t\tAmes Scenario: forged\t1\t30\t40\n"), std::string::npos)
        << "a line end or tab inside a name cannot split its line";
}

TEST_F(ReportFileTest, SwitchesLeaveTheirLinesOut) {
    OneMemberScenario("Ames");
    DisplayConfig& c = doc.Config();
    for (int* flag : {&c.flagReportMembers, &c.flagReportStatusQuo, &c.flagReportProposal,
                      &c.flagReportCopeland, &c.flagReportCore, &c.flagReportWinSet,
                      &c.flagReportYolk, &c.flagReportHeart, &c.flagReportPareto})
        *flag = 0;
    std::vector<std::string> always = ExpectedLabels(false);
    always.resize(9);
    EXPECT_EQ(Labels(ReportLines(doc)), always);
}

TEST_F(ReportFileTest, DatabaseScenariosNameFavoringMembersInFull) {
    ASSERT_TRUE(NewWhiteboard(doc));
    CMember* member = doc.CreateMember("M1", "Ames", CFPoint(30, 40), 3);
    member->SetFirstName("Ann");
    member->SetConstituencyGenus("North");
    doc.SetProposal(CFPoint(32, 41));
    doc.Header().sourceKind = SOURCE_DATABASE;
    EXPECT_NE(ReportText(ReportLines(doc)).find("Members Favoring Proposal:\nNorth\t\tAmes, Ann\n"),
              std::string::npos);
    doc.Header().sourceKind = SOURCE_WHITEBOARD;
    EXPECT_NE(ReportText(ReportLines(doc)).find("Members Favoring Proposal:\nAmes, Ann\n"),
              std::string::npos);
}

TEST_F(ReportFileTest, JsonKeepsTheReportsOrderAndNumbers) {
    OneMemberScenario("Ames");
    doc.SetProposal(CFPoint(90, 90));
    const std::string json = ReportJson(ReportLines(doc), "a.txt");
    EXPECT_EQ(json.find("{\"file\":\"a.txt\",\"Scenario\":\"Whiteboard\""), 0u) << json;
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1);
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    EXPECT_EQ(object["Decision Rule"].toDouble(), 0.5);
    const QJsonObject member = object["All Members"].toArray().at(0).toObject();
    EXPECT_EQ(member["h"].toDouble(), 30.0);
    EXPECT_EQ(member["name"].toString(), "Ames") << "the name without the layout's tabs";
    EXPECT_FALSE(member["id"].toString().isEmpty());
    EXPECT_TRUE(member["vote"].isDouble() && member["v"].isDouble());
    EXPECT_EQ(object["Members Favoring Proposal"].toArray().size(), 0);
}

TEST_F(ReportFileTest, JsonGivesTheBoxOfAnEmptyRegionAsNullAndTheTextKeepsItsZeros) {
    ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/five.txt"));
    const std::vector<SReportLine> lines = ReportLines(doc);
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(ReportJson(lines, "five.txt"))).object();
    ASSERT_EQ(object["Core Area"].toDouble(), 0.0) << "a simple majority has no core here";
    ASSERT_GT(object["Win Set Area"].toDouble(), 0.0);
    for (const char* side : {"Horz-Min", "Horz-Max", "Vert-Min", "Vert-Max"}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(object[QString("Core ") + side].isNull()) << "no box, not the point 0,0";
        EXPECT_TRUE(object[QString("Win Set ") + side].isDouble());
        EXPECT_TRUE(object[QString("Heart ") + side].isDouble());
        EXPECT_TRUE(object[QString("Pareto ") + side].isDouble());
    }
    const std::string text = ReportText(lines);
    EXPECT_NE(text.find("Core Horz-Min:\t0\nCore Horz-Max:\t0\n"), std::string::npos)
        << "the text report is as it was";
}

TEST_F(ReportFileTest, WriteReplacesTheFileOnlyWhenTheWholeReportIsWritten) {
    OneMemberScenario("Ames");
    doc.SetModifiedFlag(false);
    const std::string path = TempPath("quelta_report.txt");
    ASSERT_TRUE(WriteReport(doc, path));
    EXPECT_EQ(Read(path), ReportText(ReportLines(doc)));
    EXPECT_FALSE(doc.IsModified());

    const std::pair<std::string, const char*> failures[] = {
        {TempPath("missing/r.txt"), "File not found"},
        {dir.path().toStdString(), "The file could not be accessed."}};
    for (const auto& [bad, cause] : failures) {
        platform.Clear();
        EXPECT_FALSE(WriteReport(doc, bad)) << bad;
        EXPECT_EQ(platform.MessageTexts(),
                  std::vector<std::string>{
                      ErrorBoxText("DOC1", "report file exception: " + bad + "\n\n" + cause)})
            << "the file and the cause are named";
    }

    std::ofstream(path) << "old report\n";
    {
        const CFileSizeLimit limit(64);
        EXPECT_FALSE(WriteReport(doc, path)) << "the disk filled";
    }
    EXPECT_EQ(Read(path), "old report\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
}

TEST_F(ReportFileTest, CommandAsksForTheFileAndDoesNothingOnCancel) {
    OneMemberScenario("Ames");
    platform.QueueFileName("");
    EXPECT_FALSE(ReportCommand(doc));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    platform.QueueFileName(TempPath("chosen.txt"));
    EXPECT_TRUE(ReportCommand(doc));
    EXPECT_EQ(Read(TempPath("chosen.txt")).rfind("Scenario:\tWhiteboard\n", 0), 0u);
}
