// Seeded fuzzing of the one file writer and of the database reader: random targets (files of any
// mode, chains of symbolic links, FIFOs, devices, folders, missing folders, a file-size limit)
// for the writer, mutated legislature databases (changed rows, dropped tables and columns,
// flipped bytes) for the reader. How to run it longer is in tests/fuzz/README.
#include "../database/DatabaseFixture.h"
#include "../document/FileSizeLimit.h"
#include "FuzzBudget.h"
#include "platform/AtomicFile.h"

#include <cerrno>
#include <cmath>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Report(const char* target, std::uint64_t tried, std::uint64_t seed) {
    std::printf("[ fuzz     ] %s: %llu inputs tried (seed %llu)\n", target,
                static_cast<unsigned long long>(tried), static_cast<unsigned long long>(seed));
}

/// What is at a path, for comparing before and after a write: its kind, mode and bytes.
struct SEntry {
    mode_t mode = 0;
    std::string bytes;
    bool operator==(const SEntry&) const = default;
};

SEntry EntryAt(const std::string& path, bool follow) {
    SEntry entry;
    struct stat info {};
    if ((follow ? ::stat : ::lstat)(path.c_str(), &info) != 0)
        return entry;
    entry.mode = info.st_mode;
    if (S_ISREG(info.st_mode)) {
        QFile file(QString::fromStdString(path));
        if (file.open(QIODevice::ReadOnly))
            entry.bytes = file.readAll().toStdString();
    }
    return entry;
}

/// One random target in a fresh folder: the path handed to the writer.
class CTargetMaker {
public:
    CTargetMaker(const std::string& folder, std::mt19937_64& random)
        : m_folder(folder), m_random(random) {}

    std::string Make() {
        const std::string end = m_folder + "/end";
        switch (Below(6)) {
        case 0:
            break; // nothing there yet
        case 1:
            Regular(end);
            break;
        case 2:
            ::mkfifo(end.c_str(), 0644);
            break;
        case 3:
            ::mkdir(end.c_str(), 0755);
            break;
        case 4:
            ::symlink("/dev/null", end.c_str());
            break;
        default:
            return m_folder + "/missing/end";
        }
        // Zero to three links lead to the end, some by relative and some by absolute paths.
        std::string path = end;
        for (std::size_t hops = Below(4), i = 0; i < hops; ++i) {
            const std::string link = m_folder + "/link" + std::to_string(i);
            const std::string to = Below(2) ? path : path.substr(m_folder.size() + 1);
            ::symlink(to.c_str(), link.c_str());
            path = link;
        }
        return path;
    }
    std::string Bytes() {
        std::string bytes(Below(3) == 0 ? Below(70000) : Below(64), '\0');
        for (char& c : bytes)
            c = static_cast<char>(Below(256));
        return bytes;
    }
    std::size_t Below(std::size_t n) { return m_random() % n; }

private:
    void Regular(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (file.open(QIODevice::WriteOnly))
            file.write("old contents\n");
        file.close();
        static const mode_t modes[] = {0644, 0600, 0640, 0444, 0400, 0000, 0666, 04755};
        ::chmod(path.c_str(), modes[Below(std::size(modes))]);
    }

    std::string m_folder;
    std::mt19937_64& m_random;
};

/// Every name in a folder, hidden ones included, without the folder's own.
QStringList Names(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

/// Writes random bytes to a random target and checks the rule every writer keeps.
void CheckOneWrite(std::mt19937_64& random) {
    QTemporaryDir dir;
    CTargetMaker maker(dir.path().toStdString(), random);
    const std::string path = maker.Make();
    const std::string bytes = maker.Bytes();
    const bool limited = maker.Below(5) == 0;
    const SEntry before = EntryAt(path, true);
    const SEntry link = EntryAt(path, false);
    const QStringList names = Names(dir.path());
    int error = 0;
    {
        std::optional<CFileSizeLimit> limit;
        if (limited)
            limit.emplace(1024);
        error = WriteFileAtomically(path, bytes);
    }
    const bool regularOrNothing = before.mode == 0 || S_ISREG(before.mode);
    const bool writable = before.mode == 0 || (before.mode & 0222) != 0;
    const bool fits = !limited || bytes.size() <= 1024;
    const bool folderExists = path.find("/missing/") == std::string::npos;
    EXPECT_EQ(error == 0, regularOrNothing && writable && fits && folderExists)
        << "error " << error << " mode " << std::oct << before.mode;
    const mode_t after = EntryAt(path, false).mode;
    if (S_ISLNK(link.mode)) {
        EXPECT_TRUE(S_ISLNK(after)) << "a link stays a link";
    } else if (error == 0) {
        EXPECT_TRUE(S_ISREG(after));
    }
    if (error == 0) {
        EXPECT_EQ(EntryAt(path, true).bytes, bytes);
        const mode_t kept = before.mode == 0 ? EntryAt(path, true).mode : before.mode;
        EXPECT_EQ(EntryAt(path, true).mode & 0777, kept & 0777) << "the mode is kept";
    } else {
        EXPECT_EQ(EntryAt(path, true), before) << "a failed write changes nothing";
        EXPECT_EQ(Names(dir.path()), names) << "and leaves nothing behind";
    }
}

/// One edit of a legislature database by SQL: rows changed or added, tables and columns gone.
std::string DatabaseEdit(std::mt19937_64& random) {
    static const char* const kEdits[] = {
        "DROP TABLE \"Scenario_Member_Ratings\"",
        "DROP TABLE \"UH_Committee_Members\"",
        "ALTER TABLE \"UH_Members\" DROP COLUMN \"Vote\"",
        "ALTER TABLE \"Ratings\" RENAME COLUMN \"Scale_Max\" TO \"Max\"",
        "INSERT INTO \"UH_Members\" (\"Last Name\", \"MemberID\") VALUES ('Twin', 'S003')",
        "INSERT INTO \"UH_Members\" (\"Last Name\") VALUES (NULL)",
        "UPDATE \"UH_Members\" SET \"Vote\" = 1e308",
        "UPDATE \"UH_Members\" SET \"Vote\" = -1",
        "UPDATE \"UH_Member_Ratings\" SET \"Value\" = 1e300",
        "UPDATE \"UH_Member_Ratings\" SET \"Value\" = NULL",
        "UPDATE \"Ratings\" SET \"Scale_Min\" = \"Scale_Max\"",
        "UPDATE \"Ratings\" SET \"Scale_Max\" = -1e308",
        "UPDATE \"UH_Members\" SET \"MemberID\" = ''",
        "UPDATE \"UH_Members\" SET \"Last Name\" = printf('%.300c', 'x')",
        "UPDATE \"UH_Committees\" SET \"ParentID\" = \"CommitteeID\"",
        "UPDATE \"Scenario\" SET \"Vote Rule\" = 7",
        "DELETE FROM \"Ratings\"",
        "DELETE FROM \"UH_Members\"",
        "UPDATE \"Config_Params\" SET \"Value\" = '2147483647'",
        "UPDATE \"Header\" SET \"UHLabel\" = NULL",
    };
    return kEdits[random() % std::size(kEdits)];
}

/// Flips a few bytes of a database file past its header, where the pages are.
void FlipBytes(const std::string& path, std::mt19937_64& random) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadWrite))
        return;
    QByteArray bytes = file.readAll();
    for (int i = 0; i < 1 + static_cast<int>(random() % 8) && bytes.size() > 200; ++i)
        bytes[100 + static_cast<qsizetype>(random() % (bytes.size() - 100))] ^=
            static_cast<char>(1u << (random() % 8));
    file.seek(0);
    file.write(bytes);
}

/// Opens mutated copies of the sample legislature: each either opens into a document of the
/// database or fails with a message and opens nothing.
class FuzzDatabaseReaderTest : public DatabaseTest {
protected:
    /// A copy of the sample changed by one to three SQL edits, or with flipped bytes.
    std::string MutatedCopy(std::mt19937_64& random) {
        const std::string path = SampleCopy("mutated.sqlite");
        if (random() % 4 == 0) {
            FlipBytes(path, random);
            return path;
        }
        CDatabaseConnection db(path);
        for (std::size_t i = 0, n = 1 + random() % 3; i < n; ++i) {
            try {
                db.Run(DatabaseEdit(random));
            } catch (const CSqlFailure&) {
                // An edit the changed schema no longer allows is simply not made.
            }
        }
        return path;
    }
};

} // namespace

TEST(FuzzWritersTest, EveryTargetIsWrittenWholeOrLeftAsItWas) {
    const SFuzzBudget budget(300, 5, 30);
    std::mt19937_64 random(budget.seed);
    std::uint64_t index = 0;
    for (const auto start = Clock::now(); budget.Continue(index, start); ++index) {
        SCOPED_TRACE("seed " + std::to_string(budget.seed) + " input " + std::to_string(index));
        CheckOneWrite(random);
    }
    Report("file writer", index, budget.seed);
}

TEST_F(FuzzDatabaseReaderTest, MutatedDatabasesOpenOrAreRefusedWithAMessage) {
    const SFuzzBudget budget(40, 8, 5);
    std::mt19937_64 random(budget.seed);
    std::uint64_t index = 0;
    for (const auto start = Clock::now(); budget.Continue(index, start); ++index) {
        SCOPED_TRACE("seed " + std::to_string(budget.seed) + " input " + std::to_string(index));
        const std::string path = MutatedCopy(random);
        CQueltaDoc doc;
        platform.Clear();
        if (OpenDatabase(doc, path)) {
            EXPECT_EQ(doc.Header().sourceKind, SOURCE_DATABASE);
        } else {
            EXPECT_FALSE(platform.MessageTexts().empty()) << "a refusal says why";
            EXPECT_TRUE(doc.Header().upperHouse.members.empty()) << "and opens nothing";
        }
        QFile::remove(QString::fromStdString(path));
    }
    Report("database reader", index, budget.seed);
}
