#pragma once

#include <string>
#include <vector>

/// The kinds of value a legislature table column holds.
enum class EColumnType { Text, Double, Integer };

/// One column of a legislature table: its name (as stored, without quotes) and kind.
struct SColumnDef {
    const char* name;
    EColumnType type;
};

/// One table of the legislature schema with its columns in reading order.
struct STableDef {
    const char* name;
    std::vector<SColumnDef> columns;
};

/// The longest text a text column holds, in characters.
constexpr int kMaxTextLength = 255;

/// The eighteen tables of a legislature database, in reading order.
const std::vector<STableDef>& LegislatureTables();

/// The table of this name; throws std::out_of_range for a name outside the schema.
const STableDef& TableDef(const std::string& name);

/// An identifier quoted for SQL (double quotes, which SQLite and PostgreSQL both accept, so names
/// with blanks need no brackets).
std::string QuoteName(const std::string& name);

/// A column named with its table, quoted. SQLite reads a lone quoted name that is no column as a
/// text, so a missing column would read as its own name instead of failing.
std::string QualifiedName(const std::string& table, const std::string& column);

/// The CREATE TABLE statement of a table.
std::string CreateTableSql(const STableDef& table);

/// A SELECT of every column of a table in column order, with an optional WHERE condition.
std::string SelectSql(const STableDef& table, const std::string& where = {});

/// An INSERT of one row of every column, with one bound parameter per column.
std::string InsertSql(const STableDef& table);

/// The whole schema as an SQL script, one CREATE TABLE statement per table.
std::string SchemaScript();

class CDatabaseConnection;

/// Checks, right after connecting, that the database holds every table of the legislature
/// schema with every column; throws CSqlFailure naming the first table that is missing or lacks
/// a column, so that no command works on a database another command would refuse.
void CheckLegislatureSchema(CDatabaseConnection& db);
