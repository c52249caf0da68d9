#include "database/DatabaseSchema.h"

#include "database/DatabaseConnection.h"

#include <stdexcept>

namespace {

constexpr EColumnType T = EColumnType::Text, D = EColumnType::Double, I = EColumnType::Integer;

std::vector<STableDef> BuildTables() {
    const std::vector<SColumnDef> committees = {
        {"Committee", T},       {"SubLevel", I}, {"Chair", T},      {"Majority Leader", T},
        {"Minority Leader", T}, {"ParentID", T}, {"CommitteeID", T}};
    const std::vector<SColumnDef> memberships = {{"CommitteeID", T}, {"MemberID", T}};
    const std::vector<SColumnDef> members = {
        {"Last Name", T},          {"First Name", T},           {"Middle Name", T}, {"Vote", D},
        {"Constituency Genus", T}, {"Constituency Species", T}, {"MemberID", T}};
    const std::vector<SColumnDef> ratings = {
        {"Count", I}, {"StdDev", D}, {"Value", D}, {"MemberID", T}, {"RatingID", T}};
    const std::vector<SColumnDef> nominal = {
        {"MemberID", T}, {"AttributeContextID", T}, {"AttributeID", T}, {"AttributeValue", T}};
    const std::vector<SColumnDef> numeric = {
        {"MemberID", T}, {"AttributeContextID", T}, {"AttributeID", T}, {"AttributeValue", D}};
    return {
        {"Config_Params", {{"Name", T}, {"T1", T}, {"N1", D}, {"N2", D}, {"N3", D}, {"N4", D}}},
        {"Header",
         {{"Body", T},
          {"Upper House", T},
          {"UH Members", T},
          {"UH Term", D},
          {"UH Constituency Genus", T},
          {"UH Constituency Species", T},
          {"Lower House", T},
          {"LH Members", T},
          {"LH Term", D},
          {"LH Constituency Genus", T},
          {"LH Constituency Species", T},
          {"Description", T}}},
        {"Ratings", {{"Rating", T}, {"RatingID", T}, {"Scale_Min", D}, {"Scale_Max", D}}},
        {"UH_Members", members},
        {"UH_Committees", committees},
        {"UH_Committee_Members", memberships},
        {"UH_Member_Ratings", ratings},
        {"LH_Members", members},
        {"LH_Committees", committees},
        {"LH_Committee_Members", memberships},
        {"LH_Member_Ratings", ratings},
        {"Scenario",
         {{"Scenario", T},
          {"CommitteeType", I},
          {"Committee", T},
          {"RatingH", T},
          {"RatingV", T},
          {"StatusQuoH", D},
          {"StatusQuoV", D},
          {"ProposalH", D},
          {"ProposalV", D},
          {"DecisionRule", D},
          {"Absolute", I}}},
        {"Scenario_Member_Ratings",
         {{"Scenario", T}, {"MemberID", T}, {"PreferenceType", I}, {"ValueH", D}, {"ValueV", D}}},
        {"Attribute",
         {{"AttributeContextID", T},
          {"AttributeID", T},
          {"AttributeAlias", T},
          {"AttributeTypeID", T}}},
        {"UH_Member_Nominal_Attributes", nominal},
        {"LH_Member_Nominal_Attributes", nominal},
        {"UH_Member_Numeric_Attributes", numeric},
        {"LH_Member_Numeric_Attributes", numeric},
    };
}

const char* TypeName(EColumnType type) {
    switch (type) {
    case EColumnType::Text:
        return "VARCHAR(255)";
    case EColumnType::Double:
        return "DOUBLE PRECISION";
    case EColumnType::Integer:
        return "INTEGER";
    }
    return "VARCHAR(255)";
}

std::string ColumnList(const STableDef& table, bool qualified) {
    std::string list;
    for (const SColumnDef& column : table.columns)
        list += (list.empty() ? "" : ", ") +
                (qualified ? QualifiedName(table.name, column.name) : QuoteName(column.name));
    return list;
}

} // namespace

const std::vector<STableDef>& LegislatureTables() {
    static const std::vector<STableDef> tables = BuildTables();
    return tables;
}

const STableDef& TableDef(const std::string& name) {
    for (const STableDef& table : LegislatureTables())
        if (name == table.name)
            return table;
    throw std::out_of_range("no table " + name + " in the legislature schema");
}

std::string QuoteName(const std::string& name) {
    return "\"" + name + "\"";
}

std::string QualifiedName(const std::string& table, const std::string& column) {
    return QuoteName(table) + "." + QuoteName(column);
}

std::string CreateTableSql(const STableDef& table) {
    std::string sql = "CREATE TABLE " + QuoteName(table.name) + " (";
    for (size_t i = 0; i < table.columns.size(); ++i)
        sql += std::string(i ? ", " : "") + QuoteName(table.columns[i].name) + " " +
               TypeName(table.columns[i].type);
    return sql + ")";
}

std::string SelectSql(const STableDef& table, const std::string& where) {
    std::string sql = "SELECT " + ColumnList(table, true) + " FROM " + QuoteName(table.name);
    return where.empty() ? sql : sql + " WHERE " + where;
}

std::string InsertSql(const STableDef& table) {
    std::string marks;
    for (size_t i = 0; i < table.columns.size(); ++i)
        marks += i ? ", ?" : "?";
    return "INSERT INTO " + QuoteName(table.name) + " (" + ColumnList(table, false) + ") VALUES (" +
           marks + ")";
}

std::string SchemaScript() {
    std::string script;
    for (const STableDef& table : LegislatureTables())
        script += CreateTableSql(table) + ";\n";
    return script;
}

void CheckLegislatureSchema(CDatabaseConnection& db) {
    for (const STableDef& table : LegislatureTables()) {
        try {
            db.Run(SelectSql(table, "1 = 0"));
        } catch (const CSqlFailure&) {
            throw CSqlFailure("the table " + std::string(table.name) +
                              " of the legislature schema is missing or lacks a column");
        }
    }
}
