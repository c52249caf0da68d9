#include "database/LegislatureReader.h"

#include "database/DatabaseConnection.h"
#include "database/DatabaseSchema.h"
#include "platform/Platform.h"

#include <QSqlError>

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

namespace {

/// The values of the current row of a query; NULL reads as an empty text or 0, and a number
/// that is not finite as 0.
class CRow {
public:
    explicit CRow(const QSqlQuery& query) : m_query(query) {}
    std::string Text(int i) const {
        const QVariant value = m_query.value(i);
        return value.isNull() ? std::string() : value.toString().toStdString();
    }
    double Double(int i, double ifNull = 0.0) const {
        const QVariant value = m_query.value(i);
        const double number = value.isNull() ? ifNull : value.toDouble();
        return std::isfinite(number) ? number : ifNull;
    }
    int Int(int i) const {
        return static_cast<int>(std::clamp(std::trunc(Double(i)), static_cast<double>(INT_MIN),
                                           static_cast<double>(INT_MAX)));
    }

private:
    const QSqlQuery& m_query;
};

/// The running counts of the progress panel, one per table group.
class CReadingProgress {
public:
    enum { RATINGS, UH_MEMBERS, UH_COMMITTEES, UH_MEMBERSHIPS, UH_RATINGS, LH_OFFSET = 4 };

    CReadingProgress()
        : m_counts{{"Ratings", 0},
                   {"Upper House Members", 0},
                   {"Upper House Committees", 0},
                   {"Upper House Committee Members", 0},
                   {"Upper House Member Ratings", 0},
                   {"Lower House Members", 0},
                   {"Lower House Committees", 0},
                   {"Lower House Committee Members", 0},
                   {"Lower House Member Ratings", 0}} {
        Show();
    }
    ~CReadingProgress() { Platform().ShowProgressCounts(kTitle, {}); }
    CReadingProgress(const CReadingProgress&) = delete;
    CReadingProgress& operator=(const CReadingProgress&) = delete;

    void Count(int group) {
        ++m_counts[static_cast<size_t>(group)].count;
        Show();
    }

private:
    static constexpr const char* kTitle = "Reading Data . . .";
    void Show() { Platform().ShowProgressCounts(kTitle, m_counts); }
    std::vector<SProgressCount> m_counts;
};

constexpr int kNoCount = -1;

/// Every row of a table, each filled into a record; counts rows into a progress group.
template <typename Record, typename Fill>
std::vector<Record> ReadTable(CDatabaseConnection& db, const char* table, Fill fill,
                              CReadingProgress* progress = nullptr, int group = kNoCount) {
    std::vector<Record> records;
    QSqlQuery query = db.Run(SelectSql(TableDef(table)));
    while (query.next()) {
        const CRow row(query);
        records.push_back(fill(row));
        if (progress && group != kNoCount)
            progress->Count(group);
    }
    if (query.lastError().isValid())
        throw CSqlFailure(query.lastError().text().toStdString());
    return records;
}

CTableConfigParams ConfigRow(const CRow& r) {
    return {r.Text(0), r.Text(1), r.Double(2), r.Double(3), r.Double(4), r.Double(5)};
}

CTableHeader HeaderRow(const CRow& r) {
    return {r.Text(0), r.Text(1), r.Text(2),   r.Double(3), r.Text(4),  r.Text(5),
            r.Text(6), r.Text(7), r.Double(8), r.Text(9),   r.Text(10), r.Text(11)};
}

CTableRatings RatingsRow(const CRow& r) {
    return {r.Text(0), r.Text(1), r.Double(2), r.Double(3)};
}

CTableHouseMembers MemberRow(const CRow& r) {
    // A member without a recorded vote has one vote.
    return {r.Text(0), r.Text(1), r.Text(2), r.Double(3, 1.0), r.Text(4), r.Text(5), r.Text(6)};
}

CTableHouseCommittees CommitteeRow(const CRow& r) {
    return {r.Text(0), r.Int(1), r.Text(2), r.Text(3), r.Text(4), r.Text(5), r.Text(6)};
}

CTableHouseCommitteeMembers MembershipRow(const CRow& r) {
    return {r.Text(0), r.Text(1)};
}

CTableHouseMemberRatings MemberRatingRow(const CRow& r) {
    return {r.Int(0), r.Double(1), r.Double(2), r.Text(3), r.Text(4)};
}

CTableAttribute AttributeRow(const CRow& r) {
    return {r.Text(0), r.Text(1), r.Text(2), r.Text(3)};
}

CTableHouseMemberNominalAttributes NominalRow(const CRow& r) {
    return {r.Text(0), r.Text(1), r.Text(2), r.Text(3)};
}

CTableHouseMemberNumericAttributes NumericRow(const CRow& r) {
    return {r.Text(0), r.Text(1), r.Text(2), r.Double(3)};
}

/// The four tables of one house; `prefix` is "UH" or "LH", `first` its first progress group.
void ReadHouse(CDatabaseConnection& db, const std::string& prefix, SHouseTables& house,
               CReadingProgress& progress, int first) {
    const auto name = [&prefix](const char* rest) { return prefix + rest; };
    house.members =
        ReadTable<CTableHouseMembers>(db, name("_Members").c_str(), MemberRow, &progress, first);
    house.ratings = ReadTable<CTableHouseMemberRatings>(db, name("_Member_Ratings").c_str(),
                                                        MemberRatingRow, &progress, first + 3);
    house.committees = ReadTable<CTableHouseCommittees>(db, name("_Committees").c_str(),
                                                        CommitteeRow, &progress, first + 1);
    house.memberships = ReadTable<CTableHouseCommitteeMembers>(
        db, name("_Committee_Members").c_str(), MembershipRow, &progress, first + 2);
}

std::vector<std::string> ScenarioNames(CDatabaseConnection& db) {
    std::vector<std::string> names;
    QSqlQuery query = db.Run(SelectSql(TableDef("Scenario")));
    while (query.next()) {
        const std::string name = CRow(query).Text(0);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

void ReadAttributes(CDatabaseConnection& db, SLegislatureData& data) {
    data.attributes = ReadTable<CTableAttribute>(db, "Attribute", AttributeRow);
    data.upper.nominal = ReadTable<CTableHouseMemberNominalAttributes>(
        db, "UH_Member_Nominal_Attributes", NominalRow);
    data.lower.nominal = ReadTable<CTableHouseMemberNominalAttributes>(
        db, "LH_Member_Nominal_Attributes", NominalRow);
    data.upper.numeric = ReadTable<CTableHouseMemberNumericAttributes>(
        db, "UH_Member_Numeric_Attributes", NumericRow);
    data.lower.numeric = ReadTable<CTableHouseMemberNumericAttributes>(
        db, "LH_Member_Numeric_Attributes", NumericRow);
}

/// The texts of one step's two failures; an empty text lets that failure pass to the caller.
struct SStepTexts {
    const char* what;
    const char* memoryCode;
    const char* databaseCode;
};

/// Runs one reading step, turning its failures into the step's codes and texts.
template <typename Step> void RunStep(const SStepTexts& texts, Step step) {
    try {
        step();
    } catch (const std::bad_alloc&) {
        if (!*texts.memoryCode)
            throw;
        throw SDatabaseError{texts.memoryCode,
                             std::string("memory exception: reading ") + texts.what + "\n\n"};
    } catch (const CSqlFailure& failure) {
        if (!*texts.databaseCode)
            throw;
        throw SDatabaseError{texts.databaseCode, std::string("database exception: reading ") +
                                                     texts.what + "\n\n" + failure.what()};
    }
}

} // namespace

SLegislatureData ReadLegislature(CDatabaseConnection& db) {
    SLegislatureData data;
    CReadingProgress progress;
    RunStep({"configuration table", "DOC6.3", "DOC6.4"},
            [&] { data.config = ReadTable<CTableConfigParams>(db, "Config_Params", ConfigRow); });
    RunStep({"header table", "DOC6.5", "DOC6.6"},
            [&] { data.header = ReadTable<CTableHeader>(db, "Header", HeaderRow); });
    RunStep({"ratings table", "DOC6.7", "DOC6.8"}, [&] {
        data.ratings = ReadTable<CTableRatings>(db, "Ratings", RatingsRow, &progress,
                                                CReadingProgress::RATINGS);
    });
    RunStep({"upper house tables", "DOC6.9", ""},
            [&] { ReadHouse(db, "UH", data.upper, progress, CReadingProgress::UH_MEMBERS); });
    RunStep({"lower house tables", "DOC6.10", ""}, [&] {
        ReadHouse(db, "LH", data.lower, progress,
                  CReadingProgress::UH_MEMBERS + CReadingProgress::LH_OFFSET);
    });
    RunStep({"scenario table", "", "DOC6.11"}, [&] { data.scenarioNames = ScenarioNames(db); });
    RunStep({"attribute tables", "", "DOC6.14"}, [&] { ReadAttributes(db, data); });
    return data;
}
