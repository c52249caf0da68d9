#include "report/ConceptReport.h"

#include "platform/TextUtil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

std::string ValueText(const CConceptReport::Value& value) {
    if (const double* number = std::get_if<double>(&value))
        return Format("%.10g", *number);
    return std::get<std::string>(value);
}

QJsonValue ValueJson(const CConceptReport::Value& value) {
    if (const double* number = std::get_if<double>(&value))
        return *number;
    return QString::fromStdString(std::get<std::string>(value));
}

} // namespace

bool CConceptReport::AllFinite() const {
    for (const SEntry& entry : m_entries)
        for (const Value& value : entry.values)
            if (const double* number = std::get_if<double>(&value);
                number && !std::isfinite(*number))
                return false;
    return true;
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

std::string CConceptReport::Json() const {
    const std::vector<std::string> members = JsonMembers();
    std::string json = "{\n";
    for (size_t i = 0; i < members.size(); ++i)
        json += "  " + members[i] + (i + 1 < members.size() ? ",\n" : "\n");
    return json + "}\n";
}

std::string CConceptReport::JsonLine(const std::string& file) const {
    const QJsonObject head{{"file", QString::fromStdString(file)}};
    std::string json = QJsonDocument(head).toJson(QJsonDocument::Compact).toStdString();
    json.pop_back();
    for (const std::string& member : JsonMembers())
        json += "," + member;
    return json + "}\n";
}
