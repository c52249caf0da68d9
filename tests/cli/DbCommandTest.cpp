#include "CliDirTest.h"

#include <QFileInfo>
#include <QJsonArray>

namespace {

/// quelta-cli db and --db on the scenario commands, against copies of the sample legislature.
class DbCommandTest : public CliDirTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        sample = Path("sample.sqlite");
        ASSERT_TRUE(QFile::copy(ExamplePath("legislature.sqlite"), sample))
            << "the sample database is copied to " << sample.toStdString();
        ASSERT_TRUE(QFile(sample).setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        ASSERT_EQ(QFileInfo(sample).size(), QFileInfo(ExamplePath("legislature.sqlite")).size());
    }
    /// Runs SQL statements on the sample through the sqlite3 shell.
    void Alter(const QString& sql) const {
        QProcess shell;
        shell.start("sqlite3", {sample, sql});
        ASSERT_TRUE(shell.waitForFinished(30000));
        ASSERT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    }
    QString sample;
};

TEST_F(DbCommandTest, ListShowsHousesCommitteesScalesAndScenarios) {
    const SCliRun run = Run({"db", "list", sample});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const QString out = run.Out();
    for (const char* line :
         {"UH\tUpper Chamber\tSenators\t21 members\n", "  U-FIN-TAX\t--Taxation (5)\n",
          "  L-AGR-RUR-WAT\t----Water Rights (5)\n", "  L-ENV\tEnvironment (0)\n",
          "  FORA\tForeign affairs\t-10\t10\n", "scenarios\n  Budget 2027\n  Tax reform\n"})
        EXPECT_TRUE(out.contains(line)) << line << "\nin:\n" << out.toStdString();
}

TEST_F(DbCommandTest, ScenarioCommandsReadStoredScenariosAndCommittees) {
    const SCliRun stored =
        Run({"concepts", "--db", sample, "--scenario", "Tax reform", "--only", "vote", "--json"});
    ASSERT_EQ(stored.exitCode, 0) << stored.Err().toStdString();
    EXPECT_EQ(stored.Json()["members.count"].toInt(), 5);
    EXPECT_EQ(stored.Json()["scenario.name"].toString(), "Tax reform");
    const SCliRun chosen = Run({"info", "--db", sample, "--house", "LH", "--committee", "L-AGR-RUR",
                                "--scales", "ECON,SOC", "--json"});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.Err().toStdString();
    EXPECT_EQ(chosen.Json()["members"].toArray().size(), 7);
    EXPECT_EQ(chosen.Json()["sourceKind"].toInt(), 7);
    EXPECT_EQ(chosen.Json()["vertical"].toString(), "SOC");
    const SCliRun saved = Run({"save", "--db", sample, "--scenario", "Farm bill", "farm.txt"});
    ASSERT_EQ(saved.exitCode, 0) << saved.Err().toStdString();
    const SCliRun fromFile = Run({"info", "farm.txt", "--json"});
    EXPECT_EQ(
        fromFile.Json()["members"],
        RunCli({"info", "--db", sample, "--scenario", "Farm bill", "--json"}).Json()["members"]);
}

TEST_F(DbCommandTest, SaveStoresFilesAndChangedScenariosUnderTheirNames) {
    const SCliRun imported = Run({"db", "import", ExamplePath("five.txt"), sample});
    ASSERT_EQ(imported.exitCode, 0) << imported.Err().toStdString();
    const QString name = imported.Out().section(" as scenario ", 1).trimmed();
    ASSERT_FALSE(name.isEmpty()) << imported.Out().toStdString();
    const SCliRun file = Run({"info", ExamplePath("five.txt"), "--json"});
    const SCliRun back = Run({"info", "--db", sample, "--scenario", name, "--json"});
    ASSERT_EQ(back.exitCode, 0) << back.Err().toStdString();
    EXPECT_EQ(back.Json()["members"], file.Json()["members"]);
    EXPECT_EQ(back.Json()["statusQuo"], file.Json()["statusQuo"]);

    // The stored scenario changed by the common options, under a new name.
    ASSERT_EQ(Run({"db", "save", sample, "--scenario", "Budget 2027", "--sq", "10,20"}).exitCode,
              0);
    ASSERT_EQ(Run({"db", "save", sample, "--scenario", "Education", "--house", "LH", "--committee",
                   "L-EDU", "--scales", "SOC,ENVI", "--rule", "0.75"})
                  .exitCode,
              0);
    const SCliRun budget = Run({"info", "--db", sample, "--scenario", "Budget 2027", "--json"});
    EXPECT_EQ(budget.Json()["statusQuo"].toArray(), (QJsonArray{10, 20}));
    const SCliRun education = Run({"info", "--db", sample, "--scenario", "Education", "--json"});
    EXPECT_EQ(education.Json()["rule"].toDouble(), 0.75);
    EXPECT_EQ(education.Json()["members"].toArray().size(), 9);
    // A file whose committee the database lacks is refused.
    const SCliRun lacking =
        Run({"db", "save", sample, "--scenario", "T", ExamplePath("seven-weighted.txt")});
    EXPECT_EQ(lacking.exitCode, 1);
    EXPECT_TRUE(lacking.Err().contains("has no committee")) << lacking.Err().toStdString();
}

TEST_F(DbCommandTest, BadDatabasesAndOptionsExitWithAMessage) {
    struct SCase {
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const SCase cases[] = {
        {{"db", "list", "missing.sqlite"}, 1, "does not exist"},
        {{"concepts", "--db", "missing.db", "--scenario", "x"}, 1, "does not exist"},
        {{"concepts", "--db", "sample.sqlite", "--scenario", "No such"}, 1, "holds no scenario"},
        {{"concepts", "--db", "sample.sqlite", "--house", "LH", "--committee", "U-FIN", "--scales",
          "ECON,SOC"},
         1,
         "not in that house"},
        {{"concepts", "--db", "sample.sqlite"}, 2, "--db needs --scenario"},
        {{"concepts", "--db", "sample.sqlite", "--house", "XH", "--committee", "L-AGR", "--scales",
          "ECON,SOC"},
         2,
         "--house takes UH or LH"},
        {{"concepts", "five.txt", "--db", "sample.sqlite", "--scenario", "Farm bill"}, 2, "usage"},
        {{"db", "init", "sample.sqlite"}, 1, "exists already"},
        {{"db", "frobnicate"}, 2, "usage"},
        {{"db", "save", "sample.sqlite", "--scenario", std::string(300, 'n').c_str(), "--house",
          "UH", "--committee", "U-FIN", "--scales", "ECON,SOC"},
         1,
         "longer than 255"},
    };
    for (const SCase& c : cases) {
        const SCliRun run = Run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Err().contains(c.message)) << c.arguments.join(' ').toStdString() << ":\n"
                                                   << run.Err().toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("missing.sqlite")));
    EXPECT_FALSE(QFile::exists(Path("missing.db")));
    EXPECT_EQ(Run({"db", "list", sample}).exitCode, 0) << "nothing was written";
}

TEST_F(DbCommandTest, EveryCommandChecksTheSchemaWhenItConnects) {
    Alter("DROP TABLE \"Scenario_Member_Ratings\"");
    const QStringList commands[] = {
        {"db", "list", "sample.sqlite"},
        {"info", "--db", "sample.sqlite", "--house", "UH", "--committee", "U-FIN", "--scales",
         "ECON,SOC"},
        {"db", "import", ExamplePath("five.txt"), "sample.sqlite"},
        {"db", "save", "sample.sqlite", "--scenario", "new", ExamplePath("five.txt")},
    };
    for (const QStringList& arguments : commands) {
        const SCliRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Err().contains("Scenario_Member_Ratings"))
            << arguments.join(' ').toStdString() << ": " << run.Err().toStdString();
    }
}

TEST_F(DbCommandTest, ImportRefusesADatabaseTheOtherCommandsRefuse) {
    Alter("INSERT INTO \"UH_Members\" (\"Last Name\", \"MemberID\") VALUES ('Twin', 'S003')");
    const SCliRun list = Run({"db", "list", "sample.sqlite"});
    EXPECT_EQ(list.exitCode, 1);
    const SCliRun import = Run({"db", "import", ExamplePath("five.txt"), "sample.sqlite", "--house",
                                "LH", "--scenario", "five"});
    EXPECT_EQ(import.exitCode, 1);
    EXPECT_TRUE(
        import.Err().contains("The scenario was not imported: the database cannot be opened"))
        << import.Err().toStdString();
    QProcess shell;
    shell.start("sqlite3",
                {sample, "SELECT COUNT(*) FROM \"Scenario\" WHERE \"Scenario\" = 'five'"});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.readAllStandardOutput().trimmed(), "0") << "nothing was imported";
}

TEST_F(DbCommandTest, InitCreatesAnEmptyDatabaseThatImportsAFile) {
    ASSERT_EQ(Run({"db", "init", "new.sqlite"}).exitCode, 0);
    const SCliRun empty = Run({"db", "list", "new.sqlite"});
    ASSERT_EQ(empty.exitCode, 0) << empty.Err().toStdString();
    EXPECT_TRUE(empty.Out().contains("UH\t\t\t0 members")) << empty.Out().toStdString();
    ASSERT_EQ(Run({"db", "import", ExamplePath("triangle.txt"), "new.sqlite", "--scenario", "tri"})
                  .exitCode,
              0);
    const SCliRun list = Run({"db", "list", "new.sqlite"});
    EXPECT_TRUE(list.Out().contains("scenarios\n  tri\n")) << list.Out().toStdString();
    EXPECT_TRUE(list.Out().contains("UH\tUpper House\tMembers\t3 members"))
        << list.Out().toStdString();
}

} // namespace

TEST_F(DbCommandTest, ListAsJsonHoldsTheSameFacts) {
    const SCliRun run = Run({"db", "list", sample, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const QJsonObject list = run.Json();
    const QJsonArray houses = list["houses"].toArray();
    ASSERT_EQ(houses.size(), 2);
    EXPECT_EQ(houses[0].toObject()["label"].toString(), "Upper Chamber");
    EXPECT_EQ(houses[0].toObject()["members"].toInt(), 21);
    const QJsonArray committees = houses[1].toObject()["committees"].toArray();
    const auto water = std::find_if(committees.begin(), committees.end(), [](const auto& c) {
        return c.toObject()["id"].toString() == "L-AGR-RUR-WAT";
    });
    ASSERT_NE(water, committees.end());
    EXPECT_EQ(water->toObject()["members"].toInt(), 5);
    EXPECT_EQ(water->toObject()["parent"].toString(), "L-AGR-RUR");
    const QJsonArray scenarios = list["scenarios"].toArray();
    EXPECT_TRUE(scenarios.contains("Budget 2027") && scenarios.contains("Tax reform"));
    EXPECT_EQ(list["scales"].toArray().size(), run.Out().count("\"min\""));
}
