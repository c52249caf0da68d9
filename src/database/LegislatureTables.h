#pragma once

#include <string>
#include <vector>

// The record classes of the legislature tables, one per table (the two houses share their
// shapes). Columns read as NULL hold an empty text or 0.

/// A row of `Header`: the body and its two houses.
struct CTableHeader {
    std::string Body;
    std::string UpperHouse, UHMembers;
    double UHTerm = 0.0;
    std::string UHConstituencyGenus, UHConstituencySpecies;
    std::string LowerHouse, LHMembers;
    double LHTerm = 0.0;
    std::string LHConstituencyGenus, LHConstituencySpecies;
    std::string Description;
};

/// A row of `Ratings`: one rating scale.
struct CTableRatings {
    std::string Rating, RatingID;
    double Scale_Min = 0.0, Scale_Max = 0.0;
};

/// A row of a house's committee table.
struct CTableHouseCommittees {
    std::string Committee;
    int SubLevel = 0;
    std::string Chair, MajorityLeader, MinorityLeader, ParentID, CommitteeID;
};
using CTableUHCommittees = CTableHouseCommittees;
using CTableLHCommittees = CTableHouseCommittees;

/// A row of a house's committee membership table.
struct CTableHouseCommitteeMembers {
    std::string CommitteeID, MemberID;
};
using CTableUHCommitteeMembers = CTableHouseCommitteeMembers;
using CTableLHCommitteeMembers = CTableHouseCommitteeMembers;

/// A row of a house's member table.
struct CTableHouseMembers {
    std::string LastName, FirstName, MiddleName;
    double Vote = 0.0;
    std::string ConstituencyGenus, ConstituencySpecies, MemberID;
};
using CTableUHMembers = CTableHouseMembers;
using CTableLHMembers = CTableHouseMembers;

/// A row of a house's member rating table.
struct CTableHouseMemberRatings {
    int Count = 0;
    double StdDev = 0.0, Value = 0.0;
    std::string MemberID, RatingID;
};
using CTableUHMemberRatings = CTableHouseMemberRatings;
using CTableLHMemberRatings = CTableHouseMemberRatings;

/// A row of `Config_Params`: one setting by name with a text and four numbers.
struct CTableConfigParams {
    std::string Name, T1;
    double N1 = 0.0, N2 = 0.0, N3 = 0.0, N4 = 0.0;
};

/// A row of `Scenario`: one stored scenario.
struct CTableScenario {
    std::string Scenario;
    int CommitteeType = 0;
    std::string Committee, RatingH, RatingV;
    double StatusQuoH = 0.0, StatusQuoV = 0.0, ProposalH = 0.0, ProposalV = 0.0;
    double DecisionRule = 0.0;
    int Absolute = 0;
};

/// A row of `Scenario_Member_Ratings`: one member's settings in a stored scenario.
struct CTableScenarioMemRat {
    std::string Scenario, MemberID;
    int PreferenceType = 0;
    double ValueH = 0.0, ValueV = 0.0;
};

/// A row of `Attribute`: one attribute definition.
struct CTableAttribute {
    std::string AttributeContextID, AttributeID, AttributeAlias, AttributeTypeID;
};

/// A row of a house's nominal attribute table.
struct CTableHouseMemberNominalAttributes {
    std::string MemberID, AttributeContextID, AttributeID, AttributeValue;
};
using CTableUHMemberNominalAttributes = CTableHouseMemberNominalAttributes;
using CTableLHMemberNominalAttributes = CTableHouseMemberNominalAttributes;

/// A row of a house's numeric attribute table.
struct CTableHouseMemberNumericAttributes {
    std::string MemberID, AttributeContextID, AttributeID;
    double AttributeValue = 0.0;
};
using CTableUHMemberNumericAttributes = CTableHouseMemberNumericAttributes;
using CTableLHMemberNumericAttributes = CTableHouseMemberNumericAttributes;

/// Every table of one house.
struct SHouseTables {
    std::vector<CTableHouseMembers> members;
    std::vector<CTableHouseCommittees> committees;
    std::vector<CTableHouseCommitteeMembers> memberships;
    std::vector<CTableHouseMemberRatings> ratings;
    std::vector<CTableHouseMemberNominalAttributes> nominal;
    std::vector<CTableHouseMemberNumericAttributes> numeric;
};

/// Everything read from a legislature database, before it becomes a scenario.
struct SLegislatureData {
    std::vector<CTableConfigParams> config;
    std::vector<CTableHeader> header;
    std::vector<CTableRatings> ratings;
    SHouseTables upper;
    SHouseTables lower;
    std::vector<std::string> scenarioNames;
    std::vector<CTableAttribute> attributes;
};
