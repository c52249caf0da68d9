#pragma once

#include <QJsonObject>

#include <string>
#include <variant>
#include <vector>

/// Why a concept's values are refused when one of them is infinite or not a number (a scenario
/// whose chart cells have no finite size).
inline constexpr const char* kNotNumbersFailure = "gave values that are not numbers";

/// The values of the solution concepts computed for a scenario, in the order they are added,
/// given as "key: value ..." lines, as one JSON object or as rows of a long CSV table.
class CConceptReport {
public:
    /// A number, a text, or nothing (null: the value is undefined or the region empty).
    using Value = std::variant<std::monostate, double, std::string>;

    /// Adds a key with one value (a JSON scalar).
    void Add(const std::string& key, Value value) { m_entries.push_back({key, {value}, false}); }
    /// Adds a key with a list of values (a JSON array, however many values it holds).
    void AddList(const std::string& key, std::vector<Value> values) {
        m_entries.push_back({key, std::move(values), true});
    }

    /// Adds every key of another report after this one's.
    void Append(const CConceptReport& other) {
        m_entries.insert(m_entries.end(), other.m_entries.begin(), other.m_entries.end());
    }
    /// True when every number is finite (neither infinite nor not-a-number).
    bool AllFinite() const;
    /// The keys in order.
    std::vector<std::string> Keys() const;

    /// One line per key; numbers with up to 10 significant digits, "null" for nothing.
    std::string Text() const;
    /// The lines of Text(), without their line ends.
    std::vector<std::string> Lines() const;
    /// The values as one JSON object with full doubles (its keys sort, unlike Json()'s).
    QJsonObject Object() const;
    /// One JSON object with full doubles and the keys in order, one key per line, indented by
    /// `indent` blanks more than its braces, which are indented by `indent` - 2; no line end
    /// after the closing brace.
    std::string Json(int indent = 2) const;
    /// The same object on one line, without a line end.
    std::string JsonLine() const;
    /// The rows "file,key,index,value" of the long CSV table, each ending with a line feed:
    /// one row per value, lists numbered from 0, scalars at 0; nothing gives an empty value.
    std::string CsvRows(const std::string& file) const;

private:
    /// Each entry as one compact "key":value member, in order.
    std::vector<std::string> JsonMembers() const;

    struct SEntry {
        std::string key;
        std::vector<Value> values;
        bool list = false;
    };
    /// An entry's value: a scalar, or an array for a list.
    static QJsonValue EntryJson(const SEntry& entry);
    std::vector<SEntry> m_entries;
};

/// The header line of the long CSV table, with its line feed.
constexpr const char* kConceptCsvHeader = "file,key,index,value\n";

/// A field of a CSV line: quoted (quotes doubled) when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);
