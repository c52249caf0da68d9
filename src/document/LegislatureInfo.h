#pragma once

#include <string>
#include <vector>

/// One attribute a legislature defines for its members.
struct SAttributeDef {
    std::string contextId;
    std::string attributeId;
    std::string alias;
    /// "N" for nominal (text) values, "O" for numeric ones.
    std::string typeId;
};

/// The labels and term of one house of a legislature.
struct SHouseInfo {
    double term = 0.0;
    std::string constituencyGenus;
    std::string constituencySpecies;
};

/// What a legislature database adds to a scenario beyond its houses, committees and scales.
struct SLegislatureInfo {
    /// The connection the scenario was read from ("" when it came from elsewhere).
    std::string connection;
    std::string body;
    SHouseInfo upper;
    SHouseInfo lower;
    std::vector<SAttributeDef> attributes;
    /// The preference type members have unless a stored scenario gives them another.
    int defaultPrefType = 3;
};
