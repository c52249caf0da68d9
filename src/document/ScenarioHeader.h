#pragma once

#include "document/LegislatureInfo.h"
#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "model/Committee.h"
#include "model/Member.h"
#include "model/RatingScale.h"

#include <memory>
#include <string>
#include <vector>

/// Where a scenario came from.
enum ESourceKind {
    SOURCE_NONE = 0,
    SOURCE_WHITEBOARD = 1,
    SOURCE_MONTE_CARLO = 2,
    SOURCE_REGULAR_POLYGON = 3,
    SOURCE_BARGAIN = 4,
    SOURCE_STANDARD_FILE = 5,
    SOURCE_XY_FILE = 6,
    SOURCE_DATABASE = 7,
    /// Read by File > Import...: saved through the save dialog as a generated scenario is, but
    /// no File > New item made it.
    SOURCE_IMPORTED = 8,
};

/// Which house of a legislature a scenario uses.
enum EHouse { HOUSE_NONE = 0, HOUSE_LOWER = 1, HOUSE_UPPER = 2 };

/// A rectangle mark placed by a script, in issue space.
struct SMarkRect {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
    bool operator==(const SMarkRect&) const = default;
};

/// One house of a legislature: its labels, members (owned) and committees (owned).
struct SHouse {
    std::string label;
    std::string membersLabel;
    std::string committeesLabel;
    std::vector<std::unique_ptr<CMember>> members;
    std::vector<std::unique_ptr<CCommittee>> committees;
};

/// The scenario's data beside the voting game: names, source, houses, scales, the current
/// committee and scales, the marks and the plane rectangle.
struct ScenarioHeader {
    std::string scenarioName = "*";
    std::string dataSource = "*";
    std::string description;
    std::string committeeLabel;
    std::string defaultModelName = "tradeoff";
    int sourceKind = SOURCE_NONE;
    int houseInUse = HOUSE_NONE;
    SHouse lowerHouse;
    SHouse upperHouse;
    std::vector<std::unique_ptr<CRatingScale>> scales;
    CCommittee* currentCommittee = nullptr;
    const CRatingScale* horizontalScale = nullptr;
    const CRatingScale* verticalScale = nullptr;
    std::vector<CFPoint> markPoints;
    std::vector<SMarkRect> markRects;
    /// The legislature's own data when the scenario came from a database.
    SLegislatureInfo legislature;
    /// The plane rectangle: left, right, top, bottom in issue space.
    SEdges plane{0.0, 100.0, 100.0, 0.0};

    /// The house the scenario uses (the upper house unless the lower one is in use).
    SHouse& HouseInUse() { return houseInUse == HOUSE_LOWER ? lowerHouse : upperHouse; }
    const SHouse& HouseInUse() const { return houseInUse == HOUSE_LOWER ? lowerHouse : upperHouse; }
};
