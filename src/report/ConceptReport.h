#pragma once

#include <QJsonObject>

#include <string>
#include <variant>
#include <vector>

/// The values of the solution concepts computed for a scenario, in the order they are added,
/// given as "key: value ..." lines or as one JSON object.
class CConceptReport {
public:
    using Value = std::variant<double, std::string>;

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

    /// One line per key; numbers with up to 10 significant digits.
    std::string Text() const;
    /// The lines of Text(), without their line ends.
    std::vector<std::string> Lines() const;
    /// The values as one JSON object with full doubles (its keys sort, unlike Json()'s).
    QJsonObject Object() const;
    /// One JSON object with full doubles.
    std::string Json() const;
    /// The same object on one line, led by the key "file" naming the scenario file.
    std::string JsonLine(const std::string& file) const;

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
