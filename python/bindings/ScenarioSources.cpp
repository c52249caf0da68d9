#include "Bindings.h"
#include "GeneratorLock.h"

#include "database/DatabaseSource.h"
#include "database/StoredScenario.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "import/ImportFlow.h"
#include "montecarlo/MonteCarloSettings.h"
#include "platform/Platform.h"

#include <QFileInfo>

#include <pybind11/stl.h>

#include <algorithm>
#include <map>
#include <optional>

namespace py = pybind11;

namespace {

/// Reads the configuration file at every reset from `config` instead of ./quelta.cfg.
void UseConfig(const SCall& call, const std::optional<std::string>& config) {
    if (!config)
        return;
    const QFileInfo info(QString::fromStdString(*config));
    if (!info.isFile() || !info.isReadable())
        call.Refuse("cannot read the configuration file " + *config);
    call.doc.SetConfigPath(*config);
}

bool OpenFile(CScenarioSession& session, const std::string& path,
              const std::optional<std::string>& config) {
    return session.Run("open", [&](SCall& call) {
        UseConfig(call, config);
        if (!ReadScenarioFile(call.doc, path))
            call.Fail("cannot read " + path);
        call.doc.UpdateGridMap();
        return true;
    });
}

/// The house of a name: "UH" (upper) or "LH" (lower), any letter case.
int HouseOf(const SCall& call, const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    if (upper == "UH")
        return HOUSE_UPPER;
    if (upper == "LH")
        return HOUSE_LOWER;
    call.Refuse("house takes UH or LH, not " + name);
}

struct SDatabaseChoice {
    std::optional<std::string> scenario;
    std::optional<std::string> house;
    std::optional<std::string> committee;
    std::optional<std::pair<std::string, std::string>> scales;
};

/// Makes the chosen scenario of the open database current: a stored scenario by name, or a
/// committee of a house on two scales.
void ChooseDatabaseScenario(const SCall& call, const SDatabaseChoice& choice) {
    if (choice.scenario) {
        if (!OpenScenario(call.doc, *choice.scenario))
            call.Fail("the database holds no scenario " + *choice.scenario);
        return;
    }
    if (!SelectScenario(call.doc, HouseOf(call, *choice.house), *choice.committee,
                        choice.scales->first, choice.scales->second))
        call.Fail("the committee or the scales are not in the database");
}

bool OpenDb(CScenarioSession& session, const std::string& connection, const SDatabaseChoice& choice,
            const std::optional<std::string>& config) {
    return session.Run("open_db", [&](SCall& call) {
        const bool chosen = choice.house || choice.committee || choice.scales;
        if (choice.scenario && chosen)
            call.Refuse("scenario takes the place of house, committee and scales");
        if (!choice.scenario && !(choice.house && choice.committee && choice.scales))
            call.Refuse("open_db needs scenario=NAME, or house=, committee= and scales=");
        if (choice.house)
            HouseOf(call, *choice.house);
        UseConfig(call, config);
        if (!OpenDatabase(call.doc, connection))
            call.Fail("the database could not be opened: " + connection);
        ChooseDatabaseScenario(call, choice);
        call.doc.UpdateGridMap();
        return true;
    });
}

bool Whiteboard(CScenarioSession& session, const std::string& name,
                const std::optional<std::string>& config) {
    return session.Run("whiteboard", [&](SCall& call) {
        UseConfig(call, config);
        if (!NewWhiteboard(call.doc, name))
            call.Fail("the whiteboard could not be made");
        call.doc.UpdateGridMap();
        return true;
    });
}

bool Polygon(CScenarioSession& session, int members, double radius, const std::string& model,
             const std::optional<std::string>& config) {
    return session.Run("polygon", [&](SCall& call) {
        UseConfig(call, config);
        const SRegularPolygonSettings settings{radius, members, model};
        if (const std::string problem = RegularPolygonSettingsProblem(settings); !problem.empty())
            call.Refuse(problem);
        if (!NewRegularPolygon(call.doc, settings))
            call.Fail("the polygon could not be made");
        call.doc.UpdateGridMap();
        return true;
    });
}

/// The settings of a Monte Carlo scenario as Python gives them.
struct SGeneratedMonteCarlo {
    SMonteCarloSettings settings;
    std::int64_t draws = 0;
    std::string name;
};

bool MonteCarlo(CScenarioSession& session, SGeneratedMonteCarlo request,
                const std::optional<std::string>& config) {
    return session.Run("montecarlo", [&](SCall& call) {
        UseConfig(call, config);
        SMonteCarloSettings& s = request.settings;
        s.prefType = GeneratorPreferenceType(s.preferenceModel, s.prefType);
        if (const std::string problem = MonteCarloSettingsProblem(s); !problem.empty())
            call.Refuse(problem);
        const std::int64_t draws =
            request.draws > 0 ? request.draws : std::max<std::int64_t>(1000000, 1000LL * s.members);
        const std::lock_guard lock(GeneratorMutex());
        if (NewMonteCarlo(call.doc, request.name, s, draws) != EMonteCarloResult::Generated)
            call.Fail("the Monte Carlo scenario could not be drawn");
        call.doc.UpdateGridMap();
        return true;
    });
}

/// Reads a member file of the roll-call archive or a table of the user's own into a new
/// scenario, the one `quelta-cli import` writes; rows left out for want of scores are a warning.
bool Import(CScenarioSession& session, const SImportSource& source,
            const std::optional<std::string>& config) {
    return session.Run("import", [&](SCall& call) {
        UseConfig(call, config);
        SImportedBody body;
        std::string error;
        if (!ReadImportFile(source, body, error))
            call.Refuse(error);
        if (!LoadImportedScenario(call.doc, body))
            call.Fail("the imported scenario could not be built");
        call.doc.UpdateGridMap();
        if (const std::string leftOut = body.LeftOutMessage(); !leftOut.empty())
            MessageBoxOk(source.file + ": " + leftOut, "Import");
        return true;
    });
}

} // namespace

void BindSources(PyScenario& scenario) {
    scenario.def("open_file", &OpenFile, py::arg("path"), py::arg("config") = py::none());
    scenario.def(
        "open_db",
        [](CScenarioSession& session, const std::string& connection,
           std::optional<std::string> name, std::optional<std::string> house,
           std::optional<std::string> committee,
           std::optional<std::pair<std::string, std::string>> scales,
           const std::optional<std::string>& config) {
            return OpenDb(session, connection, {name, house, committee, scales}, config);
        },
        py::arg("connection"), py::arg("scenario") = py::none(), py::arg("house") = py::none(),
        py::arg("committee") = py::none(), py::arg("scales") = py::none(),
        py::arg("config") = py::none());
    scenario.def(
        "import_voteview",
        [](CScenarioSession& session, const std::string& path, int congress,
           const std::string& chamber, bool nokkenPoole, const std::optional<std::string>& config) {
            SImportSource source;
            source.file = path;
            source.rollCallOptions = {congress, chamber, nokkenPoole};
            return Import(session, source, config);
        },
        py::arg("path"), py::arg("congress"), py::arg("chamber"), py::arg("nokken_poole"),
        py::arg("config") = py::none());
    scenario.def(
        "import_csv",
        [](CScenarioSession& session, const std::string& path,
           const std::map<std::string, std::string>& columns,
           const std::optional<std::string>& config) {
            SImportSource source;
            source.rollCall = false;
            source.file = path;
            SCsvColumns& c = source.csvColumns;
            for (auto [key, column] : {std::pair{"h", &c.h},
                                       {"v", &c.v},
                                       {"id", &c.id},
                                       {"name", &c.name},
                                       {"party", &c.party},
                                       {"weight", &c.weight}})
                if (const auto named = columns.find(key); named != columns.end())
                    *column = named->second;
            return Import(session, source, config);
        },
        py::arg("path"), py::arg("columns"), py::arg("config") = py::none());
    scenario.def("new_whiteboard", &Whiteboard, py::arg("name"), py::arg("config") = py::none());
    scenario.def("new_polygon", &Polygon, py::arg("members"), py::arg("radius"), py::arg("model"),
                 py::arg("config") = py::none());
    scenario.def(
        "new_montecarlo",
        [](CScenarioSession& session, int members, int seed, const std::string& model,
           int distribution, std::pair<double, double> mean, std::pair<double, double> spread,
           std::int64_t draws, const std::string& name, const std::optional<std::string>& config) {
            SGeneratedMonteCarlo request;
            SMonteCarloSettings& s = request.settings;
            s.members = members;
            s.seed = seed;
            s.preferenceModel = model;
            s.distributionH = s.distributionV = distribution;
            std::tie(s.meanH, s.meanV) = mean;
            std::tie(s.stdDevH, s.stdDevV) = spread;
            request.draws = draws;
            request.name = name;
            return MonteCarlo(session, request, config);
        },
        py::arg("members"), py::arg("seed"), py::arg("model"), py::arg("distribution"),
        py::arg("mean"), py::arg("spread"), py::arg("draws"), py::arg("name"),
        py::arg("config") = py::none());
}
