#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <stdexcept>
#include <string>
#include <vector>

/// A failure of the database or its driver, carrying the driver's message (or why a database
/// file cannot be used).
class CSqlFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Whether the text names a database file (a path ending in .sqlite or .db) rather than an ODBC
/// connection string or data source name.
bool IsDatabaseFilePath(const std::string& connection);

/// The ODBC connection string for what a user names: a database file becomes a DSN-less string
/// for the SQLite3 driver; any other text is passed on as a connection string or DSN name.
std::string OdbcConnectionString(const std::string& connection);

/// The name the document shows for a connection: a file's name, a DSN, a database name; never
/// the password of a connection string.
std::string DataSourceName(const std::string& connection);

/// One open ODBC connection, closed when the object goes. Every statement runs with bound
/// parameters; values are never pasted into SQL text.
class CDatabaseConnection {
public:
    /// Connects. A database file must exist unless `createFile` is set, and an existing file must
    /// be an SQLite database. Throws CSqlFailure.
    explicit CDatabaseConnection(const std::string& connection, bool createFile = false);
    ~CDatabaseConnection();
    CDatabaseConnection(const CDatabaseConnection&) = delete;
    CDatabaseConnection& operator=(const CDatabaseConnection&) = delete;

    QSqlDatabase& Database() { return m_db; }
    /// Prepares the statement, binds the values in order and runs it; throws CSqlFailure with
    /// the driver's message.
    QSqlQuery Run(const std::string& sql, const std::vector<QVariant>& values = {});
    /// Starts a transaction; throws CSqlFailure.
    void Begin();
    /// Commits the transaction; throws CSqlFailure.
    void Commit();
    /// Rolls the transaction back, ignoring failures (the connection may be gone).
    void Rollback();
    /// Runs `write` in one transaction: committed when it returns, rolled back when it throws
    /// (the exception goes on to the caller).
    template <typename FWrite> void InTransaction(FWrite write) {
        Begin();
        try {
            write();
            Commit();
        } catch (...) {
            Rollback();
            throw;
        }
    }

private:
    QString m_name;
    QSqlDatabase m_db;
};

/// Whether a row of `table` holds `id` in `column` (an ID compared exactly, as stored).
bool RowExists(CDatabaseConnection& db, const std::string& table, const char* column,
               const std::string& id);
