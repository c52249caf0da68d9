#pragma once

#include "document/DisplayConfig.h"
#include "document/EditHistory.h"
#include "document/ScenarioHeader.h"
#include "document/ScenarioLog.h"
#include "document/ScriptShapes.h"
#include "document/WinSetList.h"
#include "model/VotingGame.h"
#include "thermograph/Thermograph.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

/// The document: owns the scenario (scales, houses, committees, members, marks), the voting
/// game, the settings record and the log, and offers the operations that menus, gestures,
/// scripts and the command line apply to the scenario.
class CQueltaDoc {
public:
    /// A document holding a freshly reset scenario.
    CQueltaDoc();

    ScenarioHeader& Header() { return m_header; }
    const ScenarioHeader& Header() const { return m_header; }
    CVotingGame& Game() { return m_game; }
    const CVotingGame& Game() const { return m_game; }
    DisplayConfig& Config() { return m_config; }
    const DisplayConfig& Config() const { return m_config; }
    CScenarioLog& Log() { return m_log; }
    const CScenarioLog& Log() const { return m_log; }
    /// The thermograph's value map of the chart, kept as long as the scenario.
    CThermograph& Thermograph() { return m_thermograph; }
    const CThermograph& Thermograph() const { return m_thermograph; }
    /// The saved win sets.
    CWinSetList& WinSetList() { return m_winSetList; }
    const CWinSetList& WinSetList() const { return m_winSetList; }
    /// The status quos of the last agenda run, in order, for the chart.
    std::vector<CFPoint>& AgendaPath() { return m_agendaPath; }
    /// The points of a Monte Carlo draw that are not members yet, for the chart.
    std::vector<CFPoint>& DrawnPoints() { return m_drawnPoints; }
    const std::vector<CFPoint>& DrawnPoints() const { return m_drawnPoints; }
    /// The shapes scripts drew on the chart; they outlive scenario resets until a script
    /// clears them.
    CScriptShapeList& ScriptShapes() { return m_scriptShapes; }
    const CScriptShapeList& ScriptShapes() const { return m_scriptShapes; }

    /// The undo and redo history of the scenario's edits.
    CEditHistory& History() { return m_history; }
    const CEditHistory& History() const { return m_history; }

    bool IsModified() const { return m_modified; }
    /// Sets the modified flag; clearing it (after a save or a read) makes the history's current
    /// position the clean one.
    void SetModifiedFlag(bool modified);
    const std::string& PathName() const { return m_pathName; }
    const std::string& Title() const { return m_title; }
    /// Makes a path the data source, path and title of the document.
    void SetPathName(const std::string& path);
    /// The names of scenarios known to the source (a database's stored scenarios).
    std::vector<std::string>& ScenarioNames() { return m_scenarioNames; }
    const std::vector<std::string>& ScenarioNames() const { return m_scenarioNames; }

    /// Removes the scenario and restores every default, re-reading the configuration file.
    void ResetScenario();
    /// The configuration file read at every reset (`quelta.cfg` in the current directory).
    void SetConfigPath(const std::string& path) { m_configPath = path; }
    /// Whether a current committee with members and two different scales exist.
    bool IsReady() const;
    /// The description with the house and committee in use.
    std::string Description() const;

    /// The current committee's member with this ID (or, failing that, label); nullptr if none.
    CMember* FindMember(const std::string& text) const;
    /// A member named by either text, or else the committee's member at `index`.
    CMember* MemberByScriptReference(const std::string& first, const std::string& second,
                                     int index) const;
    /// Creates a member rated at `point` in the current committee; returns an existing member
    /// of that ID unchanged, nullptr without a current committee.
    CMember* CreateMember(const std::string& id, const std::string& lastName, const CFPoint& point,
                          int prefType);
    /// Whether the member is one of the current committee's (a pointer kept across a reset or
    /// an undo may name a member that is gone).
    bool IsCurrentMember(const CMember* member) const;
    /// Takes a member out of the current committee; false when it is not there.
    bool RemoveMember(CMember* member);
    /// Makes the committee of the house in use with this ID (any letter case) current.
    void SelectCommittee(const std::string& id);
    /// Makes the scale with this ID (any letter case) the horizontal axis, or none.
    void SelectHorizontalScale(const std::string& id);
    /// Makes the scale with this ID (any letter case) the vertical axis, or none.
    void SelectVerticalScale(const std::string& id);
    /// Fits the plane rectangle to the chosen scales and keeps the status quo and proposal in it.
    void UpdatePlane();
    /// The generated ID of the next member of the house in use ("XX%d").
    std::string NextMemberID() const;

    // Per-member setters by ID: nothing happens when no member has the ID.
    void SetMemberVoteWt(const std::string& id, double weight);
    void SetMemberVoteProb(const std::string& id, int flag);
    void SetMemberVoteWeighted(const std::string& id, int flag);
    void SetMemberVeto(const std::string& id, int flag);
    void SetMemberCandidate(const std::string& id, int flag);
    void SetMemberPreference(const std::string& id, int prefType);
    void SetMemberRational(const std::string& id, int flag);
    void SetMemberIdealPoint(const std::string& id, const CFPoint& point);

    /// Moves the status quo when the point differs from it.
    void SetStatusQuo(const CFPoint& point);
    /// Moves the proposal when the point differs from it.
    void SetProposal(const CFPoint& point);
    /// Sets the vote rule fraction (clamped to 0..1) and logs it.
    void SetVoteRule(double fraction);
    void SetAbsolutePlurality(int flag);

    /// The projection-line switch of the chart (not saved).
    int ProjectionLine() const { return m_projectionLine; }
    void SetProjectionLine(int flag) { m_projectionLine = flag; }

    /// The chart's zoom factor (1 shows the whole scale range).
    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom);
    /// Where the visible window's centre lies off the scale box's centre, in fractions of the
    /// box's width and height (0, 0 until the chart is panned).
    const CFPoint& Pan() const { return m_pan; }
    /// Sets zoom and pan in one step (one new grid map); a zoom not above 0 is ignored.
    void SetZoomAndPan(double zoom, const CFPoint& pan);
    /// Zooms to `zoom` keeping the issue-space point `fixed` where it is on the chart.
    void ZoomAbout(double zoom, const CFPoint& fixed);
    /// The chart size the plot is laid out at: the size the view fits it to when it has one,
    /// else the configuration's (which the view never changes).
    SSizeSpec ChartSize() const { return m_fittedChart.value_or(m_config.szChart); }
    /// The size the view fits the plot to (none: the configured size rules); rebuilds the map.
    void SetFittedChartSize(const std::optional<SSizeSpec>& size);
    /// Rebuilds the game's grid map from the plane rectangle, the chart size and the zoom.
    void UpdateGridMap();

    /// Completes a load: links committees to their parents, applies the voting and "Rational"
    /// switches, rebuilds every member's region, refreshes and leaves the document unmodified.
    void FinishLoad();
    /// Writes the load summary to the log; after a load or generation with the vote total and
    /// quota as well.
    void LogSummary(bool withVotes);

    /// Ends every editing operation: refresh the views and mark the document modified.
    void RefreshAndModify();

    /// The issue-space box the chart shows at zoom 1: the ranges of the chosen scales, or the
    /// plane rectangle on an axis without a scale.
    SEdges ScaleBox() const;

    /// While alive, created members join the committee without being handed to the game one
    /// by one; the game takes the whole list once at the end. The IDs of the members are
    /// gathered once, so that each created member's ID is checked in constant time (no member
    /// is renamed while a batch is loaded).
    class CBatchLoad {
    public:
        explicit CBatchLoad(CQueltaDoc& doc);
        ~CBatchLoad();
        CBatchLoad(const CBatchLoad&) = delete;
        CBatchLoad& operator=(const CBatchLoad&) = delete;

    private:
        CQueltaDoc& m_doc;
        std::unordered_set<std::string> m_ids;
        std::unordered_set<std::string>* m_outerIds;
    };

private:
    template <typename Apply> void ApplyToMember(const std::string& id, Apply apply);
    CMember* MemberWithId(const std::string& id) const;
    void HandToGame(const CCommittee& committee, CMember* created);
    void DestroyScenario();
    const CRatingScale* FindScale(const std::string& id) const;
    void LinkCommittees();
    void ApplyRationalSwitch();

    ScenarioHeader m_header;
    CVotingGame m_game;
    DisplayConfig m_config;
    CScenarioLog m_log;
    CThermograph m_thermograph;
    CWinSetList m_winSetList;
    std::vector<std::string> m_scenarioNames;
    std::vector<CFPoint> m_agendaPath;
    std::vector<CFPoint> m_drawnPoints;
    CScriptShapeList m_scriptShapes;
    CEditHistory m_history;
    std::string m_configPath = "quelta.cfg";
    std::string m_pathName = "*";
    std::string m_title = "*";
    double m_zoom = 1.0;
    CFPoint m_pan{0.0, 0.0};
    std::optional<SSizeSpec> m_fittedChart;
    int m_projectionLine = 0;
    SIntRect m_lastPlot{};
    bool m_modified = false;
    bool m_batchLoad = false;
    std::unordered_set<std::string>* m_batchIds = nullptr;
    /// Each house's members by ID, the first of an ID winning as in the house's order. Members
    /// are only ever appended to a house (with their ID set) until the scenario is destroyed,
    /// which empties the index, so the members appended since the last look are all it lacks;
    /// a member's ID changed since (CMember::IdChanges) has it made again.
    struct SHouseIds {
        std::unordered_map<std::string, CMember*> byId;
        size_t indexed = 0;
        unsigned idChanges = 0;
    };
    mutable SHouseIds m_houseIds[2];
};
