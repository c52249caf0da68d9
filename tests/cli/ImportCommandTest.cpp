#include "CliDirTest.h"

#include <QDir>
#include <QJsonArray>

namespace {

/// quelta-cli import: the roll-call sample and tables of the user's own, into scenario files
/// and databases.
class ImportCommandTest : public CliDirTest {
protected:
    QString sample = ExamplePath("import/members-sample.csv");
};

TEST_F(ImportCommandTest, SampleHouseBecomesAScenarioFile) {
    const SCliRun run = Run({"import", "voteview", sample, "--congress", "110", "--chamber",
                             "House", "-o", "house.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    EXPECT_EQ(run.Err(), "quelta-cli: " + sample + ": left out 1 row without scores (line 8)\n");
    EXPECT_TRUE(run.Out().startsWith("imported 5 members of House, Congress 110 into house.txt"));
    const SCliRun info = Run({"info", "house.txt", "--json"});
    ASSERT_EQ(info.exitCode, 0) << info.Err().toStdString();
    const QJsonArray members = info.Json()["members"].toArray();
    ASSERT_EQ(members.size(), 5);
    EXPECT_EQ(members[0].toObject()["id"].toString(), "90001");
    EXPECT_EQ(info.Json()["horizontal"].toString(), "NOM1");
    const SCliRun concepts = Run({"concepts", "house.txt", "--only", "vote,winset", "--json"});
    EXPECT_EQ(concepts.Json()["scenario.name"].toString(), "House, Congress 110 (NOMINATE scores)");
    EXPECT_EQ(concepts.Json()["vote.total"].toDouble(), 5.0);
    // Status quo and proposal start at the centre of the scores' scales, so the win set of the
    // imported body lies inside the chart instead of covering it.
    EXPECT_EQ(concepts.Json()["statusquo"].toArray(), (QJsonArray{0.0, 0.0}));
    EXPECT_EQ(concepts.Json()["proposal"].toArray(), (QJsonArray{0.0, 0.0}));
    EXPECT_EQ(concepts.Json()["winset.complete"].toDouble(), 1.0);
    EXPECT_LT(concepts.Json()["winset.area"].toDouble(), 1.0);
}

TEST_F(ImportCommandTest, OwnTableWithQuotesAndByteOrderMark) {
    WriteFile(dir, "own.csv",
              "\xEF\xBB\xBF\"Member ID\",\"Name\",left-right,\"up, down\",Party\r\n"
              "A1,\"Ames, \"\"Al\"\"\",10,20,Red\r\n"
              "B2,Baker,30,40,Blue\r\n"
              "C3,Cole,50,,Red\r\n"
              "D4,Dunn,70,10,Blue\r\n");
    const SCliRun run =
        Run({"import", "csv", "own.csv", "--h", "left-right", "--v", "up, down", "--id",
             "member id", "--name", "Name", "--party", "Party", "-o", "own.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    EXPECT_TRUE(run.Err().contains("left out 1 row without scores (line 4)"));
    const SCliRun info = Run({"info", "own.txt", "--json"});
    const QJsonArray members = info.Json()["members"].toArray();
    ASSERT_EQ(members.size(), 3);
    EXPECT_EQ(members[0].toObject()["id"].toString(), "A1");
    EXPECT_EQ(members[0].toObject()["label"].toString(), "Ames, \"Al\"");
    EXPECT_EQ(members[2].toObject()["h"].toDouble(), 70.0);
}

TEST_F(ImportCommandTest, BrokenFilesNameTheirFaultAndWriteNothing) {
    WriteFile(dir, "old.txt", "kept\n");
    const QByteArray header = "congress,chamber,icpsr,bioname,nominate_dim1,nominate_dim2\n";
    const std::pair<QByteArray, QString> cases[] = {
        {"congress,chamber,icpsr,bioname,nominate_dim1\n110,House,1,A,0.1\n",
         "line 1: no column named nominate_dim2"},
        {header + "110,House,1,A,0.1,0.2\n110,House,2,B,x,0.2\n",
         "line 3, column 5 (nominate_dim1): 'x' is not a number"},
        {"", "line 1: the file is empty"},
    };
    for (const auto& [text, message] : cases) {
        const QString file = WriteFile(dir, "broken.csv", text);
        for (const char* target : {"new.txt", "old.txt"}) {
            const SCliRun run = Run({"import", "voteview", file, "--congress", "110", "--chamber",
                                     "House", "-o", target});
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.Err().startsWith("quelta-cli: IMPORT: " + file + ": " + message))
                << run.Err().toStdString();
            EXPECT_TRUE(run.Err().endsWith("; nothing was written\n"));
            EXPECT_EQ(run.Err().count('\n'), 1);
        }
        EXPECT_FALSE(QFile::exists(Path("new.txt")));
        EXPECT_EQ(Contents("old.txt"), "kept\n");
    }
}

TEST_F(ImportCommandTest, OneMemberAndAnUnwritableTargetReadAsSentences) {
    WriteFile(dir, "one.csv", "x,y\n1,2\n");
    const SCliRun one = Run({"import", "csv", "one.csv", "--h", "x", "--v", "y", "-o", "one.txt"});
    EXPECT_EQ(one.exitCode, 0) << one.Err().toStdString();
    EXPECT_EQ(one.Out(), "imported 1 member of All members into one.txt\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.txt"));
    const SCliRun folder =
        Run({"import", "csv", "one.csv", "--h", "x", "--v", "y", "-o", "folder.txt"});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_EQ(folder.Err(), "quelta-cli: IMPORT: folder.txt: The file could not be accessed; "
                            "nothing was written\n");
}

TEST_F(ImportCommandTest, DatabaseGetsTheHousePartiesAndScales) {
    ASSERT_EQ(Run({"db", "init", "congress.sqlite"}).exitCode, 0);
    const QStringList house = {"import",    "voteview", sample, "--congress",     "110",
                               "--chamber", "House",    "--db", "congress.sqlite"};
    const SCliRun run = Run(house);
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    ASSERT_EQ(Run({"import", "voteview", sample, "--congress", "110", "--chamber", "Senate", "--db",
                   "congress.sqlite"})
                  .exitCode,
              0);
    const SCliRun whole =
        Run({"concepts", "--db", "congress.sqlite", "--house", "LH", "--committee", "H110",
             "--scales", "NOM1,NOM2", "--only", "vote", "--json"});
    ASSERT_EQ(whole.exitCode, 0) << whole.Err().toStdString();
    EXPECT_EQ(whole.Json()["members.count"].toDouble(), 5.0);
    const SCliRun party = Run({"info", "--db", "congress.sqlite", "--house", "LH", "--committee",
                               "H110.Republican", "--scales", "NOM1,NOM2", "--json"});
    ASSERT_EQ(party.exitCode, 0) << party.Err().toStdString();
    EXPECT_EQ(party.Json()["members"].toArray().size(), 2);
    const SCliRun list = Run({"db", "list", "congress.sqlite"});
    EXPECT_TRUE(list.Out().contains("NOM1\tNOMINATE dimension 1\t-1\t1"))
        << list.Out().toStdString();
    EXPECT_TRUE(list.Out().contains("S110\tSenate, Congress 110 (3)")) << list.Out().toStdString();

    const SCliRun again = Run(house);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.Err().contains("the committee H110 is in LH_Committees already; nothing"))
        << again.Err().toStdString();
}

TEST_F(ImportCommandTest, UsageErrors) {
    for (const QStringList& arguments :
         {QStringList{"import", "voteview", sample, "--congress", "110", "--chamber", "House"},
          QStringList{"import", "voteview", sample, "--congress", "110", "--chamber", "Moon", "-o",
                      "x.txt"},
          QStringList{"import", "voteview", sample, "--congress", "0", "--chamber", "House", "-o",
                      "x.txt"},
          QStringList{"import", "csv", sample, "--h", "nominate_dim1", "-o", "x.txt"},
          QStringList{"import", "rollcall", sample, "-o", "x.txt"}})
        EXPECT_EQ(Run(arguments).exitCode, 2) << arguments.join(' ').toStdString();
}

} // namespace
