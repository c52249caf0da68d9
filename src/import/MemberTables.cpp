#include "import/CsvTable.h"
#include "import/ImportedBody.h"

#include "document/ScenarioHeader.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace {

std::string Trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed().toStdString();
}

/// "line L, column C (name)" for a field of a row.
std::string FieldPlace(const CCsvTable& table, const CCsvTable::SRow& row, int column) {
    return "line " + std::to_string(row.line) + ", column " + std::to_string(column + 1) + " (" +
           Trimmed(table.Header()[column]) + ")";
}

/// The columns of the names, in order; false, with `error`, when one is missing.
bool FindColumns(const CCsvTable& table, const std::vector<std::string>& names,
                 std::vector<int>& columns, std::string& error) {
    columns.clear();
    for (const std::string& name : names) {
        columns.push_back(name.empty() ? -1 : table.Column(name));
        if (!name.empty() && columns.back() < 0) {
            std::string all;
            for (const std::string& header : table.Header())
                all += (all.empty() ? "" : ", ") + Trimmed(header);
            error = "line 1: no column named " + name + " (the columns are " + all + ")";
            return false;
        }
    }
    return true;
}

/// The finite number of a field; none for an empty one. False, with `error`, for other text.
bool FieldNumber(const CCsvTable& table, const CCsvTable::SRow& row, int column,
                 std::optional<double>& value, std::string& error) {
    const QString text = QString::fromStdString(row.fields[column]).trimmed();
    value.reset();
    if (text.isEmpty())
        return true;
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        error = FieldPlace(table, row, column) + ": '" + text.toStdString() + "' is not a number";
        return false;
    }
    value = number;
    return true;
}

/// Reads both positions of a row: false on text that is no number; `scored` false when either
/// is empty.
bool ReadPosition(const CCsvTable& table, const CCsvTable::SRow& row, int hColumn, int vColumn,
                  SImportedMember& member, bool& scored, std::string& error) {
    std::optional<double> h;
    std::optional<double> v;
    if (!FieldNumber(table, row, hColumn, h, error) || !FieldNumber(table, row, vColumn, v, error))
        return false;
    scored = h && v;
    member.h = h.value_or(0.0);
    member.v = v.value_or(0.0);
    return true;
}

/// Widens the scales to the members' positions and a margin beyond them: `margin` of their
/// spread on each side (1 when all positions are equal and a margin is asked for).
void FitScales(SImportedBody& body, double margin) {
    const auto fit = [&](SImportedScale& scale, double SImportedMember::*coordinate) {
        const auto [low, high] = std::minmax_element(
            body.members.begin(), body.members.end(),
            [&](const auto& a, const auto& b) { return a.*coordinate < b.*coordinate; });
        const double lowest = (*low).*coordinate;
        const double highest = (*high).*coordinate;
        const double spread = highest - lowest;
        const double room = margin > 0.0 && spread == 0.0 ? 1.0 : spread * margin;
        scale.min = std::min(scale.min, lowest - room);
        scale.max = std::max(scale.max, highest + room);
    };
    fit(body.horizontal, &SImportedMember::h);
    fit(body.vertical, &SImportedMember::v);
}

/// False, with `error`, when the member's ID was given to an earlier row.
bool KeepUniqueMember(SImportedBody& body, std::map<std::string, int>& lines,
                      SImportedMember member, const CCsvTable::SRow& row, std::string& error) {
    if (member.id.empty()) {
        error = "line " + std::to_string(row.line) + ": the member has no ID";
        return false;
    }
    const auto [at, added] = lines.emplace(member.id, row.line);
    if (!added) {
        error = "line " + std::to_string(row.line) + ": the ID " + member.id +
                " is used twice (first on line " + std::to_string(at->second) + ")";
        return false;
    }
    body.members.push_back(std::move(member));
    return true;
}

/// The party name of a party code of the archive.
std::string PartyName(const std::string& code) {
    static const std::map<std::string, std::string> names = {
        {"100", "Democratic"}, {"200", "Republican"}, {"328", "Independent"}};
    const auto found = names.find(code);
    return found != names.end() ? found->second : code.empty() ? "" : "Party " + code;
}

/// Splits "LAST, First Middle" into the last name and the rest.
void SplitName(const std::string& name, SImportedMember& member) {
    const size_t comma = name.find(',');
    member.lastName = Trimmed(name.substr(0, comma));
    member.firstName = comma == std::string::npos ? "" : Trimmed(name.substr(comma + 1));
}

/// Sets what a roll-call import knows before reading rows: names, house, scales.
void StartRollCallBody(const SRollCallOptions& options, SImportedBody& body) {
    const bool house = options.chamber == "House";
    const std::string congress = std::to_string(options.congress);
    const std::string method = options.nokkenPoole ? "Nokken-Poole" : "NOMINATE";
    const std::string id = options.nokkenPoole ? "NP" : "NOM";
    body = SImportedBody{};
    body.title = options.chamber + ", Congress " + congress + " (" + method + " scores)";
    body.houseLabel = options.chamber;
    body.house = house ? HOUSE_LOWER : HOUSE_UPPER;
    body.committeeId = (house ? "H" : "S") + congress;
    body.committeeName = options.chamber + ", Congress " + congress;
    body.horizontal = {id + "1", method + " dimension 1", -1.0, 1.0};
    body.vertical = {id + "2", method + " dimension 2", -1.0, 1.0};
}

/// Whether a row belongs to the Congress and chamber asked for; false, with `error`, when its
/// Congress is not a whole number.
bool RowSelected(const CCsvTable& table, const CCsvTable::SRow& row,
                 const std::vector<int>& columns, const SRollCallOptions& options, bool& selected,
                 std::string& error) {
    bool ok = false;
    const QString congress = QString::fromStdString(row.fields[columns[0]]).trimmed();
    const int number = congress.toInt(&ok);
    if (!ok) {
        error = FieldPlace(table, row, columns[0]) + ": '" + congress.toStdString() +
                "' is not a whole number";
        return false;
    }
    selected = number == options.congress &&
               QString::fromStdString(row.fields[columns[1]])
                       .trimmed()
                       .compare(QString::fromStdString(options.chamber), Qt::CaseInsensitive) == 0;
    return true;
}

/// The member of a selected row of the archive.
SImportedMember RollCallMember(const CCsvTable::SRow& row, const std::vector<int>& columns) {
    const auto field = [&row](int column) {
        return column < 0 ? std::string() : Trimmed(row.fields[column]);
    };
    SImportedMember member;
    member.id = field(columns[2]);
    SplitName(field(columns[3]), member);
    member.state = field(columns[6]);
    member.district = field(columns[7]);
    member.party = PartyName(field(columns[8]));
    return member;
}

/// False, with `error`, when no row gave a member.
bool CheckSomeMembers(const SImportedBody& body, const std::string& what, bool anyRow,
                      std::string& error) {
    if (!body.members.empty())
        return true;
    error = anyRow ? "no " + what + " has scores" : "the file holds no " + what;
    return false;
}

} // namespace

bool ReadRollCallMembers(const std::string& text, const SRollCallOptions& options,
                         SImportedBody& body, std::string& error) {
    CCsvTable table;
    if (!table.Parse(text, error))
        return false;
    const std::string score = options.nokkenPoole ? "nokken_poole_dim" : "nominate_dim";
    std::vector<int> columns;
    if (!FindColumns(table, {"congress", "chamber", "icpsr", "bioname", score + "1", score + "2"},
                     columns, error))
        return false;
    for (const char* optional : {"state_abbrev", "district_code", "party_code"})
        columns.push_back(table.Column(optional));
    StartRollCallBody(options, body);
    std::map<std::string, int> lines;
    bool anyRow = false;
    for (const CCsvTable::SRow& row : table.Rows()) {
        bool selected = false;
        if (!RowSelected(table, row, columns, options, selected, error))
            return false;
        if (!selected)
            continue;
        anyRow = true;
        SImportedMember member = RollCallMember(row, columns);
        bool scored = false;
        if (!ReadPosition(table, row, columns[4], columns[5], member, scored, error))
            return false;
        if (!scored)
            body.leftOut.push_back(row.line);
        else if (!KeepUniqueMember(body, lines, std::move(member), row, error))
            return false;
    }
    const std::string what =
        "member of the " + options.chamber + " in Congress " + std::to_string(options.congress);
    if (!CheckSomeMembers(body, what, anyRow, error))
        return false;
    FitScales(body, 0.0);
    return true;
}

namespace {

/// The member of a row of the user's table, its position and weight aside.
SImportedMember CsvMember(const CCsvTable::SRow& row, const std::vector<int>& columns,
                          size_t index) {
    SImportedMember member;
    member.id = columns[2] < 0 ? "M" + std::to_string(index) : Trimmed(row.fields[columns[2]]);
    member.lastName = columns[3] < 0 ? member.id : Trimmed(row.fields[columns[3]]);
    member.party = columns[4] < 0 ? "" : Trimmed(row.fields[columns[4]]);
    return member;
}

/// Reads the weight of a row; false, with `error`, for text that is no number or below 0.
bool ReadWeight(const CCsvTable& table, const CCsvTable::SRow& row, int column,
                SImportedMember& member, std::string& error) {
    std::optional<double> weight;
    if (column < 0)
        return true;
    if (!FieldNumber(table, row, column, weight, error))
        return false;
    if (weight && *weight < 0.0) {
        error = FieldPlace(table, row, column) + ": a vote weight cannot be negative";
        return false;
    }
    member.weight = weight.value_or(1.0);
    return true;
}

} // namespace

bool ReadCsvMembers(const std::string& text, const SCsvColumns& columns, SImportedBody& body,
                    std::string& error) {
    CCsvTable table;
    if (!table.Parse(text, error))
        return false;
    std::vector<int> at;
    if (!FindColumns(
            table, {columns.h, columns.v, columns.id, columns.name, columns.party, columns.weight},
            at, error))
        return false;
    body = SImportedBody{};
    body.houseLabel = "Members";
    body.house = HOUSE_UPPER;
    body.committeeId = "ALL";
    body.committeeName = "All members";
    const auto scale = [&](int column) {
        const std::string name = Trimmed(table.Header()[column]);
        return SImportedScale{name, name, 0.0, 0.0};
    };
    body.horizontal = scale(at[0]);
    body.vertical = scale(at[1]);
    std::map<std::string, int> lines;
    for (const CCsvTable::SRow& row : table.Rows()) {
        SImportedMember member = CsvMember(row, at, body.members.size() + body.leftOut.size() + 1);
        bool scored = false;
        if (!ReadPosition(table, row, at[0], at[1], member, scored, error) ||
            !ReadWeight(table, row, at[5], member, error))
            return false;
        if (!scored)
            body.leftOut.push_back(row.line);
        else if (!KeepUniqueMember(body, lines, std::move(member), row, error))
            return false;
    }
    if (!CheckSomeMembers(body, "row", !table.Rows().empty(), error))
        return false;
    body.horizontal.min = body.horizontal.max = body.members.front().h;
    body.vertical.min = body.vertical.max = body.members.front().v;
    FitScales(body, 0.05);
    return true;
}

std::string SImportedBody::LeftOutMessage() const {
    if (leftOut.empty())
        return {};
    std::string lines;
    for (size_t i = 0; i < leftOut.size() && i < 10; ++i)
        lines += (i ? ", " : "") + std::to_string(leftOut[i]);
    if (leftOut.size() > 10)
        lines += ", ...";
    return "left out " + std::to_string(leftOut.size()) + (leftOut.size() == 1 ? " row" : " rows") +
           " without scores (line" + (leftOut.size() == 1 ? " " : "s ") + lines + ")";
}

std::vector<std::string> SImportedBody::Parties() const {
    std::vector<std::string> parties;
    for (const SImportedMember& member : members)
        if (!member.party.empty() &&
            std::find(parties.begin(), parties.end(), member.party) == parties.end())
            parties.push_back(member.party);
    return parties;
}
