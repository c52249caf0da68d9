#include "Bindings.h"
#include "GeneratorLock.h"

#include "document/ModelCommands.h"
#include "document/ReportFile.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioOptions.h"
#include "document/TextLines.h"
#include "geometry/GeoAlloc.h"
#include "model/Member.h"
#include "platform/TextUtil.h"
#include "script/BasicInterpreter.h"
#include "script/DocScriptModel.h"
#include "script/ScriptText.h"
#include "script/ScriptTextBox.h"

#include <pybind11/stl.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace py = pybind11;

namespace {

using Point = std::pair<double, double>;

/// One member as `quelta-cli info --json` lists it.
struct SMemberRecord {
    std::string id;
    std::string label;
    double h = 0.0;
    double v = 0.0;
    double weight = 1.0;
    int type = 0;
    int veto = 0;
    int candidate = 0;
};

std::vector<SMemberRecord> Members(CScenarioSession& session) {
    return session.Run("members", [](SCall& call) {
        std::vector<SMemberRecord> records;
        for (const CMember* m : call.doc.Game().Members())
            records.push_back({m->MemberID(), m->Label(), m->IdealPoint().x, m->IdealPoint().y,
                               m->VoteWeight(), m->PrefType(), m->Veto(), m->Candidate()});
        return records;
    });
}

py::list MemberDicts(CScenarioSession& session) {
    py::list members;
    for (const SMemberRecord& m : Members(session))
        members.append(py::dict(py::arg("id") = m.id, py::arg("label") = m.label,
                                py::arg("h") = m.h, py::arg("v") = m.v,
                                py::arg("weight") = m.weight, py::arg("type") = m.type,
                                py::arg("veto") = m.veto, py::arg("candidate") = m.candidate));
    return members;
}

/// A point for the status quo or the proposal: finite and within the bounds the grid can map.
CFPoint UsablePoint(const SCall& call, const Point& point, const char* what) {
    if (!std::isfinite(point.first) || !std::isfinite(point.second) ||
        !PointUsable(point.first, point.second))
        call.Refuse(std::string(what) + " takes (h, v), two numbers from -1e15 to 1e15");
    return CFPoint(point.first, point.second);
}

void BindPoints(PyScenario& scenario) {
    scenario.def("status_quo", [](CScenarioSession& s) {
        return s.Run("status_quo", [](SCall& c) {
            return Point(c.doc.Game().StatusQuo().x, c.doc.Game().StatusQuo().y);
        });
    });
    scenario.def("set_status_quo", [](CScenarioSession& s, Point point) {
        return s.Run("status_quo", [&](SCall& c) {
            c.doc.SetStatusQuo(UsablePoint(c, point, "status_quo"));
            return true;
        });
    });
    scenario.def("proposal", [](CScenarioSession& s) {
        return s.Run("proposal", [](SCall& c) {
            return Point(c.doc.Game().Proposal().x, c.doc.Game().Proposal().y);
        });
    });
    scenario.def("set_proposal", [](CScenarioSession& s, Point point) {
        return s.Run("proposal", [&](SCall& c) {
            c.doc.SetProposal(UsablePoint(c, point, "proposal"));
            return true;
        });
    });
}

void BindRule(PyScenario& scenario) {
    scenario.def("rule", [](CScenarioSession& s) {
        return s.Run("rule", [](SCall& c) {
            return std::make_tuple(c.doc.Game().VoteRule(), c.doc.Game().AbsolutePlurality(),
                                   c.doc.Game().WeightedVoting());
        });
    });
    scenario.def("set_rule", [](CScenarioSession& s, double fraction) {
        return s.Run("rule", [&](SCall& c) {
            if (!(fraction >= 0.0 && fraction <= 1.0))
                c.Refuse("rule takes a fraction from 0 to 1");
            c.doc.SetVoteRule(fraction);
            return true;
        });
    });
    scenario.def("set_absolute", [](CScenarioSession& s, bool absolute) {
        return s.Run("absolute", [&](SCall& c) {
            c.doc.SetAbsolutePlurality(absolute ? 1 : 0);
            return true;
        });
    });
    scenario.def("set_weighted", [](CScenarioSession& s, bool weighted) {
        return s.Run("weighted", [&](SCall& c) {
            SetVoteWeightedSwitch(c.doc, weighted ? 1 : 0);
            return true;
        });
    });
}

/// The member of the current committee with exactly this ID; nullptr when there is none.
CMember* MemberWithId(const CQueltaDoc& doc, const std::string& id) {
    for (CMember* member : doc.Game().Members())
        if (member->MemberID() == id)
            return member;
    return nullptr;
}

std::string AddMember(CScenarioSession& session, Point point, const std::string& id,
                      const std::string& name, int type) {
    return session.Run("add_member", [&](SCall& c) {
        const CFPoint at = UsablePoint(c, point, "add_member");
        const std::string memberId = id.empty() ? c.doc.NextMemberID() : id;
        if (MemberWithId(c.doc, memberId) || (!id.empty() && c.doc.FindMember(id)))
            c.Refuse("a member with the ID " + memberId + " is already there");
        if (!c.doc.CreateMember(memberId, name.empty() ? memberId : name, at, type))
            c.Refuse("the scenario has no committee to add a member to");
        return memberId;
    });
}

bool RemoveMember(CScenarioSession& session, const std::string& id) {
    return session.Run("remove_member", [&](SCall& c) {
        CMember* member = MemberWithId(c.doc, id);
        if (!member || !c.doc.RemoveMember(member))
            c.Refuse("no member has the ID " + id);
        return true;
    });
}

void BindSettings(PyScenario& scenario) {
    scenario.def("setting", [](CScenarioSession& s, const std::string& key) {
        return s.Run("setting", [&](SCall& c) {
            if (key == "defaultModelName")
                return c.doc.Header().defaultModelName;
            std::string value = c.doc.Config().GetValue(key);
            if (value.empty())
                c.Refuse("unknown setting " + key);
            return value;
        });
    });
    scenario.def("set_setting",
                 [](CScenarioSession& s, const std::string& key, const std::string& value) {
                     return s.Run("setting", [&](SCall& c) {
                         const std::string problem = ApplyConfigSetting(c.doc, key, value);
                         if (problem == kUnknownSetting)
                             c.Refuse("unknown setting " + key);
                         if (!problem.empty())
                             c.Refuse(key + "=" + value + ": " + problem);
                         return true;
                     });
                 });
    scenario.def("chart", [](CScenarioSession& s) {
        return s.Run("chart", [](SCall& c) {
            const SSizeSpec size = c.doc.Config().szChart;
            return std::make_tuple(size.cx, size.cy, c.doc.Zoom());
        });
    });
    scenario.def("set_chart", [](CScenarioSession& s, int width, int height, double zoom) {
        return s.Run("chart", [&](SCall& c) {
            if (!ChartSizeUsable(c.doc.Config(), SSizeSpec{width, height}))
                c.Refuse("chart takes (width, height), whole numbers of pixels from 6 to 20000 "
                         "each, at most " +
                         std::to_string(GeoAllocationLimit()) + " grid cells in all");
            if (!ChartZoomUsable(zoom))
                c.Refuse("zoom takes a number from 0.000001 to 1000000");
            c.doc.Config().szChart = SSizeSpec{width, height};
            c.doc.SetZoom(zoom);
            c.doc.UpdateGridMap();
            return true;
        });
    });
}

bool Save(CScenarioSession& session, const std::string& path) {
    return session.Run("save", [&](SCall& c) {
        std::string cause;
        if (!WriteTextFileAtomically(path, ScenarioText(c.doc), cause))
            c.Refuse(path + ": " + cause);
        return true;
    });
}

std::string Report(CScenarioSession& session) {
    return session.Run("report", [](SCall& c) { return ReportText(ReportLines(c.doc)); });
}

/// Runs a program as the Script dialog runs it; its output, or quelta.Error with the output's
/// last line when the script failed.
std::string RunScript(CScenarioSession& session, const std::string& text,
                      const std::optional<std::string>& input) {
    return session.Run("script", [&](SCall& c) {
        const std::lock_guard lock(GeneratorMutex());
        CDocScriptModel model(c.doc);
        CScriptTextBuffer output;
        std::optional<CScriptTextBuffer> inputBox;
        if (input)
            inputBox.emplace(*input);
        CBasicInterpreter interpreter;
        interpreter.Attach(&model, inputBox ? &*inputBox : static_cast<CScriptTextBox*>(&output),
                           &output);
        interpreter.Run(ScriptProgramText(text));
        if (interpreter.LastFailed())
            c.Refuse(std::string(Trim(LastInputLine(output.Text()).value_or("the script failed"))));
        return output.Text();
    });
}

} // namespace

void BindEdits(PyScenario& scenario) {
    scenario.def("members", &MemberDicts);
    BindPoints(scenario);
    BindRule(scenario);
    scenario.def("add_member", &AddMember, py::arg("point"), py::arg("id"), py::arg("name"),
                 py::arg("type"));
    scenario.def("remove_member", &RemoveMember, py::arg("id"));
    BindSettings(scenario);
    scenario.def("save", &Save, py::arg("path"));
    scenario.def("report", &Report);
    scenario.def("run_script", &RunScript, py::arg("text"), py::arg("input") = py::none());
}
