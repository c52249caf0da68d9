#include "database/DatabaseConnection.h"
#include "database/DatabaseSchema.h"
#include "database/DatabaseSource.h"
#include "database/StoredScenario.h"
#include "document/EditSteps.h"
#include "document/QueltaDoc.h"
#include "platform/HeadlessPlatform.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

/// Qt SQL loads its drivers through the application object, which the benchmark main lacks.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "quelta_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

QVariant Text(const std::string& text) {
    return QString::fromStdString(text);
}

/// A generated legislature: an upper house of `members` members rated on `scales` scales, the
/// whole house and `committees` further committees of about 40 members, one stored scenario.
void WriteLegislature(const std::string& path, int members, int committees, int scales) {
    EnsureApplication();
    CreateDatabase(path);
    CDatabaseConnection db(path);
    db.Begin();
    db.Run(InsertSql(TableDef("Header")),
           {Text("Generated"), Text("House"), Text("Members"), 2.0, Text(""), Text(""),
            Text("Lower"), Text("Members"), 2.0, Text(""), Text(""), Text("")});
    for (int s = 0; s < scales; ++s)
        db.Run(InsertSql(TableDef("Ratings")),
               {Text("Scale " + std::to_string(s)), Text("R" + std::to_string(s)), 0.0, 100.0});
    const std::string member = InsertSql(TableDef("UH_Members"));
    const std::string rating = InsertSql(TableDef("UH_Member_Ratings"));
    const std::string membership = InsertSql(TableDef("UH_Committee_Members"));
    const std::string committee = InsertSql(TableDef("UH_Committees"));
    for (int m = 0; m < members; ++m) {
        const std::string id = "M" + std::to_string(m);
        db.Run(member, {Text("Last" + std::to_string(m)), Text("First"), Text(""), 1.0,
                        Text("State"), Text("District"), Text(id)});
        for (int s = 0; s < scales; ++s)
            db.Run(rating, {20, 3.5, (m * 37 + s * 11) % 97 + 1.5, Text(id),
                            Text("R" + std::to_string(s))});
        db.Run(membership, {Text("ALL"), Text(id)});
    }
    db.Run(committee,
           {Text("Whole House"), 0, Text(""), Text(""), Text(""), Text(""), Text("ALL")});
    for (int c = 0; c < committees; ++c) {
        const std::string id = "C" + std::to_string(c);
        db.Run(committee, {Text("Committee " + std::to_string(c)), c % 3, Text(""), Text(""),
                           Text(""), Text(c % 3 ? "C" + std::to_string(c - 1) : ""), Text(id)});
        for (int m = c; m < members; m += members / 40)
            db.Run(membership, {Text(id), Text("M" + std::to_string(m))});
    }
    db.Run(InsertSql(TableDef("Scenario")),
           {Text("All"), 2, Text("ALL"), Text("R0"), Text("R1"), 50.0, 50.0, 40.0, 60.0, 0.5, 1});
    db.Commit();
}

/// A generated legislature of so many members, 20 committees and 10 scales in a temporary file.
struct SGeneratedHouse {
    explicit SGeneratedHouse(int members) : path(dir.filePath("house.sqlite").toStdString()) {
        WriteLegislature(path, members, 20, 10);
    }
    QTemporaryDir dir;
    std::string path;
};

/// Opening the generated legislature: every table read and joined into the document.
void BM_OpenDatabase(benchmark::State& state) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    const SGeneratedHouse house(static_cast<int>(state.range(0)));
    const std::string& path = house.path;
    for (auto _ : state) {
        CQueltaDoc doc;
        if (!OpenDatabase(doc, path))
            state.SkipWithError("the generated database did not open");
        benchmark::DoNotOptimize(doc.Header().upperHouse.members.size());
    }
}
BENCHMARK(BM_OpenDatabase)->Arg(435)->Unit(benchmark::kMillisecond);

/// Opening the database and then its stored scenario of the whole house (members placed and
/// their preferred-to regions built).
void BM_OpenDatabaseScenario(benchmark::State& state) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    const SGeneratedHouse house(static_cast<int>(state.range(0)));
    const std::string& path = house.path;
    for (auto _ : state) {
        CQueltaDoc doc;
        if (!OpenDatabase(doc, path) || !OpenScenario(doc, "All"))
            state.SkipWithError("the generated scenario did not open");
        benchmark::DoNotOptimize(doc.Game().Members().size());
    }
}
BENCHMARK(BM_OpenDatabaseScenario)->Arg(435)->Unit(benchmark::kMillisecond);

/// A generated house of `state.range(0)` members with its stored scenario of the whole house
/// open in a document.
struct SOpenHouse {
    explicit SOpenHouse(benchmark::State& state) : house(static_cast<int>(state.range(0))) {
        if (!OpenDatabase(doc, house.path) || !OpenScenario(doc, "All"))
            state.SkipWithError("the generated scenario did not open");
    }
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    SGeneratedHouse house;
    CQueltaDoc doc;
};

/// One step of the edit history on a legislature's scenario, recorded as the desktop records
/// it: a member moved (the text, the state and a copy of both houses) or the rule changed
/// (the text and the state; the houses' copy is shared with the step before). A fixed number
/// of steps, since each keeps its copy.
void BM_LegislatureEditStep(benchmark::State& state) {
    SOpenHouse open(state);
    CQueltaDoc& doc = open.doc;
    const bool moveMember = state.range(1) != 0;
    int step = 0;
    for (auto _ : state) {
        ++step;
        if (moveMember)
            doc.SetMemberIdealPoint("M0", CFPoint(10.0 + step % 50, 20.0));
        else
            doc.SetVoteRule(0.5 + (step % 40) / 100.0);
        CommitEdit(doc, "Step");
    }
    if (doc.History().Position() != static_cast<size_t>(step))
        state.SkipWithError("a step was not recorded");
}
BENCHMARK(BM_LegislatureEditStep)
    ->ArgNames({"members", "moveMember"})
    ->Args({101, 1})
    ->Args({435, 1})
    ->Args({435, 0})
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);

/// An undo and a redo of a member's move on a legislature's scenario: the whole legislature
/// put back from its copy each time.
void BM_LegislatureUndoRedo(benchmark::State& state) {
    SOpenHouse open(state);
    CQueltaDoc& doc = open.doc;
    doc.SetMemberIdealPoint("M0", CFPoint(10.0, 20.0));
    CommitEdit(doc, "Move Member");
    for (auto _ : state) {
        if (!UndoEdit(doc) || !RedoEdit(doc))
            state.SkipWithError("the step was not taken");
    }
}
BENCHMARK(BM_LegislatureUndoRedo)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);

} // namespace
