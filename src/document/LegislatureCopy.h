#pragma once

#include "document/DisplayConfig.h"
#include "document/ScenarioHeader.h"

#include <memory>
#include <string>
#include <vector>

class CQueltaDoc;

/// Everything a legislature's scenario holds beyond its text, written out field by field: both
/// houses with every member (names, constituency, vote, flags, preference settings, ideal point
/// and spreads, the rating on every scale, committees, attributes), every committee with its
/// members in order, the scales, the house, committee and scales in use, the plane, the
/// legislature's own labels and the stored scenario names. Two scenarios with the same text
/// and the same state are the same scenario.
std::string LegislatureState(const CQueltaDoc& doc);

/// A copy of a legislature's scenario, kept by the edit history: the scenario header with both
/// houses, their members and committees and the scales, and the stored scenario names (what
/// LegislatureState describes), with the settings record, the voting game's settings, the
/// scenario's name and its marks. Copies of scenarios whose legislature is in the same state
/// share one copy of the houses, so an edit of the settings alone copies no member. Restoring
/// it puts the scenario back exactly as it was copied: the same text and the same state.
class CLegislatureCopy {
public:
    /// Copies the document's scenario; `state` is its LegislatureState. The houses are those of
    /// `earlier` when it is in the same state.
    CLegislatureCopy(const CQueltaDoc& doc, std::string state, const CLegislatureCopy* earlier);
    CLegislatureCopy(const CLegislatureCopy&) = delete;
    CLegislatureCopy& operator=(const CLegislatureCopy&) = delete;

    /// The LegislatureState of the copied scenario.
    const std::string& State() const { return m_houses->state; }
    /// Whether this copy and another share their houses.
    bool SharesHouses(const CLegislatureCopy& other) const { return m_houses == other.m_houses; }
    /// Resets the document's scenario and puts a copy of this one in its place; where the
    /// document came from, and the default preference model of new members, are left as they
    /// are for the caller.
    void RestoreInto(CQueltaDoc& doc) const;

private:
    /// What LegislatureState describes.
    struct SHouses {
        ScenarioHeader header;
        std::vector<std::string> scenarioNames;
        std::string state;
    };
    /// The voting game's settings that are not its members.
    struct SGameSettings {
        double voteRule = 0.5;
        int absolute = 0;
        int weighted = 0;
        int probabilistic = 0;
        CFPoint statusQuo;
        CFPoint proposal;
    };

    std::shared_ptr<const SHouses> m_houses;
    DisplayConfig m_config;
    SGameSettings m_game;
    std::string m_scenarioName;
    std::vector<CFPoint> m_markPoints;
    std::vector<SMarkRect> m_markRects;
};

/// Makes `to` a copy of `from`: its names, labels, marks and plane, and both houses, the scales
/// and the committee and scales in use copied anew, each copied member rating on the copied
/// scales and belonging to the copied committees.
void CopyScenarioHeader(const ScenarioHeader& from, ScenarioHeader& to);
