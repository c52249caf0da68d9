#pragma once

class CQueltaDoc;

/// What the document needs of the database source: opening a database scenario (with its own
/// dialogs) and saving the scenario back to its database. The database code registers one.
class CDatabaseCommands {
public:
    virtual ~CDatabaseCommands() = default;
    /// Replaces the scenario by one read from a database; returns success.
    virtual bool OpenDatabase(CQueltaDoc& doc) = 0;
    /// Saves the scenario to the database it came from; returns success.
    virtual bool SaveToDatabase(CQueltaDoc& doc) = 0;
};

/// Registers the database source (not owned); nullptr removes it.
void SetDatabaseCommands(CDatabaseCommands* commands);

/// The registered database source, or nullptr.
CDatabaseCommands* DatabaseCommands();

/// The message shown when a database command runs while no database source is registered.
inline constexpr const char* kNoDatabaseMessage =
    "Database scenarios are not available: no database source is installed.";
