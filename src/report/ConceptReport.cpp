#include "report/ConceptReport.h"

#include "platform/TextUtil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>

namespace {

/// A number as the shortest text that reads back as the same double.
std::string ExactNumber(double number) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, number).ptr;
    return std::string(text, end);
}

std::string ValueText(const CConceptReport::Value& value) {
    if (const double* number = std::get_if<double>(&value))
        return Format("%.10g", *number);
    if (const std::string* text = std::get_if<std::string>(&value))
        return *text;
    return "null";
}

QJsonValue ValueJson(const CConceptReport::Value& value) {
    if (const double* number = std::get_if<double>(&value))
        return *number;
    if (const std::string* text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    return QJsonValue::Null;
}

/// A value as a CSV field: numbers exact, nothing empty.
std::string ValueCsv(const CConceptReport::Value& value) {
    if (const double* number = std::get_if<double>(&value))
        return ExactNumber(*number);
    if (const std::string* text = std::get_if<std::string>(&value))
        return CsvField(*text);
    return {};
}

} // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool CConceptReport::AllFinite() const {
    for (const SEntry& entry : m_entries)
        for (const Value& value : entry.values)
            if (const double* number = std::get_if<double>(&value);
                number && !std::isfinite(*number))
                return false;
    return true;
}

std::vector<std::string> CConceptReport::Keys() const {
    std::vector<std::string> keys;
    for (const SEntry& entry : m_entries)
        keys.push_back(entry.key);
    return keys;
}

std::string CConceptReport::Text() const {
    std::string text;
    for (const std::string& line : Lines())
        text += line + "\n";
    return text;
}

std::vector<std::string> CConceptReport::Lines() const {
    std::vector<std::string> lines;
    for (const SEntry& entry : m_entries) {
        std::string line = entry.key + ":";
        for (const Value& value : entry.values)
            line += " " + ValueText(value);
        lines.push_back(std::move(line));
    }
    return lines;
}

QJsonValue CConceptReport::EntryJson(const SEntry& entry) {
    if (!entry.list && entry.values.size() == 1)
        return ValueJson(entry.values.front());
    QJsonArray array;
    for (const Value& item : entry.values)
        array.append(ValueJson(item));
    return array;
}

QJsonObject CConceptReport::Object() const {
    QJsonObject object;
    for (const SEntry& entry : m_entries)
        object.insert(QString::fromStdString(entry.key), EntryJson(entry));
    return object;
}

std::vector<std::string> CConceptReport::JsonMembers() const {
    // Members are written one by one so that the keys keep the documented order.
    std::vector<std::string> members;
    for (const SEntry& entry : m_entries) {
        const QJsonObject single{{QString::fromStdString(entry.key), EntryJson(entry)}};
        const std::string member =
            QJsonDocument(single).toJson(QJsonDocument::Compact).toStdString();
        members.push_back(member.substr(1, member.size() - 2));
    }
    return members;
}

std::string CConceptReport::Json(int indent) const {
    const std::vector<std::string> members = JsonMembers();
    const std::string outer(static_cast<size_t>(indent - 2), ' ');
    const std::string inner(static_cast<size_t>(indent), ' ');
    std::string json = outer + "{\n";
    for (size_t i = 0; i < members.size(); ++i)
        json += inner + members[i] + (i + 1 < members.size() ? ",\n" : "\n");
    return json + outer + "}";
}

std::string CConceptReport::JsonLine() const {
    std::string json = "{";
    for (const std::string& member : JsonMembers())
        json += (json.size() > 1 ? "," : "") + member;
    return json + "}";
}

std::string CConceptReport::CsvRows(const std::string& file) const {
    const std::string head = CsvField(file) + ",";
    std::string rows;
    for (const SEntry& entry : m_entries)
        for (size_t i = 0; i < entry.values.size(); ++i)
            rows += head + CsvField(entry.key) + "," + std::to_string(i) + "," +
                    ValueCsv(entry.values[i]) + "\n";
    return rows;
}
