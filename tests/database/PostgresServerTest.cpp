#include "DatabaseFixture.h"

#include "database/DatabaseImport.h"
#include "database/StoredScenario.h"
#include "document/ScenarioFile.h"
#include "views/InputForm.h"

#include <QDirIterator>
#include <QProcess>
#include <QTextStream>

#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace {

/// The server programs of the newest installed PostgreSQL, or empty.
QString PostgresBin() {
    QStringList found;
    QDirIterator it("/usr/lib/postgresql", QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString bin = it.next() + "/bin";
        if (QFileInfo(bin + "/initdb").isExecutable() && QFileInfo(bin + "/pg_ctl").isExecutable())
            found << bin;
    }
    found.sort();
    return found.isEmpty() ? QString() : found.back();
}

bool HasPsqlOdbc() {
    QFile ini("/etc/odbcinst.ini");
    return ini.open(QIODevice::ReadOnly) && ini.readAll().contains("[PostgreSQL Unicode]");
}

/// A TCP port on loopback that nothing listens on at the moment.
int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

/// One PostgreSQL server in a temporary folder on a free loopback port, run by an unprivileged
/// user when the tests run as root (the server refuses root), stopped when the object goes.
class CPostgresServer {
public:
    CPostgresServer() {
        m_bin = PostgresBin();
        if (m_bin.isEmpty() || !HasPsqlOdbc()) {
            m_problem = "PostgreSQL server or psqlODBC driver not installed (packages postgresql "
                        "and odbc-postgresql)";
            return;
        }
        if (::getuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::chown(m_dir.path().toLocal8Bit().constData(), nobody->pw_uid,
                                   nobody->pw_gid) != 0) {
                m_problem = "cannot hand the server folder to user nobody";
                return;
            }
            m_user = "nobody";
        }
        QFile password(m_dir.filePath("pw"));
        password.open(QIODevice::WriteOnly);
        password.write("secret\n");
        password.close();
        if (!m_user.isEmpty())
            QFile::setPermissions(password.fileName(), QFile::ReadOwner | QFile::ReadOther);
        m_port = FreePort();
        if (!Run("initdb", {"-D", Data(), "-U", "quelta", "-A", "scram-sha-256", "--pwfile",
                            password.fileName(), "-E", "UTF8", "--no-sync"}) ||
            !Run("pg_ctl",
                 {"-D", Data(), "-l", m_dir.filePath("server.log"), "-w", "-o",
                  QString("-k %1 -h 127.0.0.1 -p %2 -F").arg(m_dir.path()).arg(m_port), "start"}))
            return;
        m_running = true;
    }
    ~CPostgresServer() {
        if (m_running)
            Run("pg_ctl", {"-D", Data(), "-w", "-m", "immediate", "stop"});
    }

    bool Running() const { return m_running; }
    const std::string& Problem() const { return m_problem; }
    int Port() const { return m_port; }
    std::string Connection(const char* password = "secret") const {
        return QString("DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=%1;Database=postgres;"
                       "Uid=quelta;Pwd=%2;")
            .arg(m_port)
            .arg(password)
            .toStdString();
    }

private:
    QString Data() const { return m_dir.filePath("data"); }
    bool Run(const QString& program, const QStringList& arguments) {
        QProcess process;
        if (m_user.isEmpty())
            process.start(m_bin + "/" + program, arguments);
        else
            process.start("runuser",
                          QStringList{"-u", m_user, "--", m_bin + "/" + program} + arguments);
        const bool ok = process.waitForFinished(60000) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (!ok)
            m_problem = (program + " failed: " + process.readAllStandardError()).toStdString();
        return ok;
    }

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_user;
    std::string m_problem;
    int m_port = 0;
    bool m_running = false;
};

/// The sample legislature on a PostgreSQL server that the suite starts once.
class PostgresServerTest : public DatabaseTest {
protected:
    static void SetUpTestSuite() {
        server = std::make_unique<CPostgresServer>();
        if (!server->Running())
            return;
        QFile script(QDir(QUELTA_EXAMPLES).filePath("legislature.sql"));
        ASSERT_TRUE(script.open(QIODevice::ReadOnly));
        std::vector<std::string> statements;
        for (const QString& line : QString::fromUtf8(script.readAll()).split('\n'))
            if (line.endsWith(';') && !line.startsWith("BEGIN") && !line.startsWith("COMMIT"))
                statements.push_back(line.chopped(1).toStdString());
        CRecordingPlatform quiet;
        CScopedPlatform scope(quiet);
        Exec(server->Connection(), statements);
    }
    static void TearDownTestSuite() { server.reset(); }
    void SetUp() override {
        if (!server->Running())
            GTEST_SKIP() << "PostgreSQL tests skipped: " << server->Problem();
    }

    static std::unique_ptr<CPostgresServer> server;
};

std::unique_ptr<CPostgresServer> PostgresServerTest::server;

std::vector<std::string> CommitteeList(const SHouse& house) {
    std::vector<std::string> entries;
    for (const auto& c : house.committees)
        entries.push_back(c->CommitteeID() + " " + CInputForm::CommitteeEntryText(*c));
    return entries;
}

TEST_F(PostgresServerTest, ServerLegislatureReadsAsTheSqliteFileAndRoundTrips) {
    CQueltaDoc server_doc, file_doc;
    ASSERT_TRUE(OpenDatabase(server_doc, server->Connection())) << Messages();
    ASSERT_TRUE(OpenDatabase(file_doc, SampleCopy())) << Messages();
    EXPECT_EQ(server_doc.Header().dataSource, "postgres");
    EXPECT_EQ(CommitteeList(server_doc.Header().upperHouse),
              CommitteeList(file_doc.Header().upperHouse));
    EXPECT_EQ(CommitteeList(server_doc.Header().lowerHouse),
              CommitteeList(file_doc.Header().lowerHouse));
    EXPECT_EQ(server_doc.ScenarioNames(), file_doc.ScenarioNames());
    EXPECT_EQ(server_doc.Config(), file_doc.Config());
    for (const char* name : {"Budget 2027", "Tax reform", "Farm bill"}) {
        ASSERT_TRUE(OpenScenario(server_doc, name)) << Messages();
        ASSERT_TRUE(OpenScenario(file_doc, name)) << Messages();
        EXPECT_EQ(ShapeOf(server_doc), ShapeOf(file_doc)) << name;
    }

    server_doc.SetVoteRule(0.7);
    server_doc.SetStatusQuo(CFPoint(0.142857142857143, 64.5));
    server_doc.SetMemberPreference("D009", 2);
    for (const char* name : {"Bob's plan", "x' OR '1'='1"}) {
        server_doc.Header().scenarioName = name;
        ASSERT_TRUE(SaveStoredScenario(server_doc)) << Messages();
        CQueltaDoc back;
        ASSERT_TRUE(OpenDatabase(back, server->Connection())) << Messages();
        ASSERT_TRUE(OpenScenario(back, name)) << Messages();
        EXPECT_EQ(ShapeOf(back), ShapeOf(server_doc)) << name;
        ASSERT_TRUE(OpenScenario(back, "Farm bill"));
        EXPECT_EQ(ShapeOf(back), ShapeOf(file_doc)) << "the other scenario is untouched";
    }
}

TEST_F(PostgresServerTest, WrongPasswordOrAServerThatIsDownFailsClearly) {
    CQueltaDoc doc;
    ASSERT_TRUE(OpenDatabase(doc, SampleCopy()));
    platform.Clear();
    EXPECT_FALSE(OpenDatabase(doc, server->Connection("wrong")));
    EXPECT_NE(Messages().find("could not be connected"), std::string::npos) << Messages();
    EXPECT_NE(Messages().find("password"), std::string::npos) << Messages();
    EXPECT_EQ(Messages().find("Pwd=wrong"), std::string::npos) << "no password in messages";
    platform.Clear();
    const std::string down =
        "DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=" + std::to_string(FreePort()) +
        ";Database=postgres;Uid=quelta;Pwd=x;";
    EXPECT_FALSE(OpenDatabase(doc, down));
    EXPECT_NE(Messages().find("could not be connected"), std::string::npos) << Messages();
    EXPECT_EQ(doc.Header().dataSource, "sample.sqlite");
}

TEST_F(PostgresServerTest, FileImportsIntoTheServerAndReadsBack) {
    CQueltaDoc file;
    ASSERT_TRUE(ReadScenarioFile(file, std::string(QUELTA_EXAMPLES) + "/triangle.txt"));
    ASSERT_TRUE(ImportScenario(file, server->Connection(), HOUSE_UPPER, "triangle")) << Messages();
    CQueltaDoc back;
    ASSERT_TRUE(OpenDatabase(back, server->Connection())) << Messages();
    ASSERT_TRUE(OpenScenario(back, "triangle")) << Messages();
    EXPECT_EQ(ShapeOf(back), ShapeOf(file));
}

} // namespace
