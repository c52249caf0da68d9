#pragma once

/// Installs the legislature database as the document's database source, so the "Database"
/// command opens databases and a database scenario is saved back to its database. Every front
/// end calls it once at start-up; calling it again changes nothing.
void InstallDatabaseCommands();
