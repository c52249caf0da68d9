#include "database/DatabaseConnection.h"

#include "database/DatabaseSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <atomic>
#include <cstring>

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           QString::fromStdString(text.substr(text.size() - tail.size()))
                   .compare(QString::fromStdString(tail), Qt::CaseInsensitive) == 0;
}

/// Why an existing file cannot be opened as an SQLite database; empty when it can. An empty file
/// is an empty database.
std::string FileProblem(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists())
        return "the database file " + path + " does not exist";
    if (!info.isFile())
        return path + " is not a file";
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return "the database file " + path + " cannot be read";
    const QByteArray head = file.read(16);
    if (!head.isEmpty() && head != QByteArray("SQLite format 3\0", 16))
        return path + " is not an SQLite database";
    return {};
}

std::string DriverMessage(const QSqlError& error) {
    const std::string text = error.text().trimmed().toStdString();
    return text.empty() ? "the driver gave no message" : text;
}

/// The value of one key=value pair of a connection string (any letter case), or empty.
std::string ConnectionValue(const std::string& connection, const char* key) {
    for (const QString& part : QString::fromStdString(connection).split(';')) {
        const qsizetype equals = part.indexOf('=');
        if (equals > 0 && part.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return part.mid(equals + 1).trimmed().toStdString();
    }
    return {};
}

} // namespace

bool IsDatabaseFilePath(const std::string& connection) {
    return connection.find('=') == std::string::npos &&
           (EndsWith(connection, ".sqlite") || EndsWith(connection, ".db"));
}

std::string OdbcConnectionString(const std::string& connection) {
    if (!IsDatabaseFilePath(connection))
        return connection;
    return "DRIVER={SQLite3};Database=" +
           QFileInfo(QString::fromStdString(connection)).absoluteFilePath().toStdString() + ";";
}

std::string DataSourceName(const std::string& connection) {
    std::string name = connection;
    if (connection.find('=') != std::string::npos) {
        for (const char* key : {"DSN", "Database", "DBQ"}) {
            name = ConnectionValue(connection, key);
            if (!name.empty())
                break;
        }
        if (name.empty())
            name = ConnectionValue(connection, "Server");
    }
    const size_t slash = name.find_last_of("\\/");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

CDatabaseConnection::CDatabaseConnection(const std::string& connection, bool createFile) {
    static std::atomic<int> counter{0};
    if (IsDatabaseFilePath(connection) &&
        !(createFile && !QFileInfo::exists(QString::fromStdString(connection))))
        if (const std::string problem = FileProblem(connection); !problem.empty())
            throw CSqlFailure(problem);
    m_name = QString("quelta-db-%1").arg(++counter);
    m_db = QSqlDatabase::addDatabase("QODBC", m_name);
    if (!m_db.isValid())
        throw CSqlFailure("the ODBC driver of Qt SQL is not installed");
    m_db.setDatabaseName(QString::fromStdString(OdbcConnectionString(connection)));
    if (!m_db.open())
        throw CSqlFailure(DriverMessage(m_db.lastError()));
}

CDatabaseConnection::~CDatabaseConnection() {
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlQuery CDatabaseConnection::Run(const std::string& sql, const std::vector<QVariant>& values) {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromStdString(sql)))
        throw CSqlFailure(DriverMessage(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw CSqlFailure(DriverMessage(query.lastError()));
    return query;
}

void CDatabaseConnection::Begin() {
    if (!m_db.transaction())
        throw CSqlFailure(DriverMessage(m_db.lastError()));
}

void CDatabaseConnection::Commit() {
    if (!m_db.commit())
        throw CSqlFailure(DriverMessage(m_db.lastError()));
}

void CDatabaseConnection::Rollback() {
    m_db.rollback();
}

bool RowExists(CDatabaseConnection& db, const std::string& table, const char* column,
               const std::string& id) {
    return db
        .Run("SELECT 1 FROM " + QuoteName(table) + " WHERE " + QualifiedName(table, column) +
                 " = ?",
             {QString::fromStdString(id)})
        .next();
}
