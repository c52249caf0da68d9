#pragma once

#include <string>

class CQueltaDoc;

/// Asks the platform which database to open and opens it; a cancelled question changes nothing.
/// Returns whether a database was opened.
bool OpenDatabase(CQueltaDoc& doc);

/// Opens a legislature database (a .sqlite/.db file, an ODBC connection string or a DSN name)
/// into the document: every table is read first, so a failure (shown in the error box with its
/// code and the driver's message) leaves the document as it was. Returns success.
bool OpenDatabase(CQueltaDoc& doc, const std::string& connection);

/// Creates the eighteen empty tables: in a new database file (an existing file is refused) or in
/// the database of a connection string. Shows the failure and returns false; a failed file is
/// removed again.
bool CreateDatabase(const std::string& connection);
