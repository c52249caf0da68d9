#include "database/DatabaseSource.h"

#include "database/DatabaseConnection.h"
#include "database/DatabaseSchema.h"
#include "database/LegislatureBuilder.h"
#include "database/LegislatureReader.h"
#include "document/QueltaDoc.h"
#include "platform/ErrorText.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <new>

namespace {

const char* const kIncompleteDatabaseAdvice =
    "The database lacks a table or a column Quelta reads. Open a legislature database made by "
    "\"quelta-cli db init\", or restore the missing table from a copy.";

} // namespace

bool OpenDatabase(CQueltaDoc& doc) {
    const std::string connection = Platform().AskDataSource();
    return !connection.empty() && OpenDatabase(doc, connection);
}

bool OpenDatabase(CQueltaDoc& doc, const std::string& connection) {
    CWaitCursor wait;
    SLegislatureData data;
    std::unique_ptr<CDatabaseConnection> db;
    try {
        db = std::make_unique<CDatabaseConnection>(connection);
    } catch (const CSqlFailure& failure) {
        UserErrorBox("DOC4.2",
                     "The database " + DataSourceName(connection) + " could not be connected:\n\n" +
                         failure.what(),
                     "Check the database file's name or the connection string, then open it "
                     "again.");
        return false;
    }
    try {
        data = ReadLegislature(*db);
        // Each table read names its own step; the tables only a stored scenario reads are
        // checked here, so that a database is refused now rather than at its first scenario.
        CheckLegislatureSchema(*db);
        db.reset();
    } catch (const SDatabaseError& error) {
        UserErrorBox(error.code,
                     "The database " + DataSourceName(connection) + " could not be read.\n\n" +
                         error.message,
                     kIncompleteDatabaseAdvice);
        return false;
    } catch (const std::bad_alloc&) {
        ErrorBox("DOC4.1", "memory exception");
        return false;
    } catch (const CSqlFailure& failure) {
        UserErrorBox("DOC4.2",
                     "The database " + DataSourceName(connection) + " could not be read.\n\n" +
                         "database exception:\n\n" + failure.what(),
                     kIncompleteDatabaseAdvice);
        return false;
    }
    if (const std::string problem = LegislatureProblem(data); !problem.empty()) {
        UserErrorBox("DOC4.2", "The database " + DataSourceName(connection) +
                                   " cannot be opened: " + problem + ".");
        return false;
    }
    BuildLegislature(doc, data, connection);
    doc.LogSummary(false);
    Platform().RefreshViews();
    return true;
}

bool CreateDatabase(const std::string& connection) {
    const bool file = IsDatabaseFilePath(connection);
    if (file && QFileInfo::exists(QString::fromStdString(connection))) {
        UserErrorBox("DOC6.2",
                     "The database file " + connection + " exists already; it was left as it is.");
        return false;
    }
    try {
        CDatabaseConnection db(connection, true);
        db.InTransaction([&] {
            for (const STableDef& table : LegislatureTables())
                db.Run(CreateTableSql(table));
        });
    } catch (const CSqlFailure& failure) {
        if (file)
            QFile::remove(QString::fromStdString(connection));
        UserErrorBox("DOC6.2", std::string("The database was not created:\n\n") + failure.what());
        return false;
    }
    return true;
}
