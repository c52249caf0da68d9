#pragma once

#include <string>
#include <vector>

/// One member read from an imported table.
struct SImportedMember {
    std::string id;
    std::string lastName;
    std::string firstName;
    std::string party;
    std::string state;
    std::string district;
    double h = 0.0;
    double v = 0.0;
    double weight = 1.0;
};

/// One rating scale of an imported body: its ID, its name and its range.
struct SImportedScale {
    std::string id;
    std::string name;
    double min = 0.0;
    double max = 0.0;
};

/// A legislature read from a table, before it becomes a scenario file or database rows.
struct SImportedBody {
    /// The scenario's name.
    std::string title;
    /// The house's label ("House", "Senate", "Members").
    std::string houseLabel;
    /// The house it fills in a database (HOUSE_LOWER or HOUSE_UPPER).
    int house = 0;
    /// The ID and name of the committee of every member.
    std::string committeeId;
    std::string committeeName;
    SImportedScale horizontal;
    SImportedScale vertical;
    std::vector<SImportedMember> members;
    /// The lines of the rows left out because a score was empty.
    std::vector<int> leftOut;

    /// "left out N rows without scores (lines ...)", naming at most ten lines; empty when no
    /// row was left out.
    std::string LeftOutMessage() const;
    /// The distinct parties of the members, in the order they first appear.
    std::vector<std::string> Parties() const;
};

/// What `import voteview` takes from a member file of the roll-call archive.
struct SRollCallOptions {
    int congress = 0;
    /// "House" or "Senate".
    std::string chamber;
    /// The Nokken-Poole scores instead of the NOMINATE ones.
    bool nokkenPoole = false;
};

/// The columns `import csv` reads; empty names are not read.
struct SCsvColumns {
    std::string h;
    std::string v;
    std::string id;
    std::string name;
    std::string party;
    std::string weight;
};

/// Reads the members of one Congress and chamber from a member file of the roll-call archive
/// (columns congress, chamber, icpsr, state_abbrev, district_code, party_code, bioname and the
/// scores). Rows with an empty score are left out and counted. False, with `error` naming the
/// line and column, when the text is not such a file, a score is not a number, or no member
/// of that Congress and chamber has scores.
bool ReadRollCallMembers(const std::string& text, const SRollCallOptions& options,
                         SImportedBody& body, std::string& error);

/// Reads members from a table of the user's own with a header line: the columns named give
/// the positions, IDs (else M1, M2, ...), names (else the IDs), parties and vote weights (else
/// 1). Rows with an empty position are left out and counted. False, with `error` naming the
/// line and column, on a missing column, a position or weight that is not a number, a negative
/// weight, an ID used twice, or no row with a position.
bool ReadCsvMembers(const std::string& text, const SCsvColumns& columns, SImportedBody& body,
                    std::string& error);
