#include "cli/ConceptReport.h"

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
    for (const SEntry& entry : m_entries) {
        text += entry.key + ":";
        for (const Value& value : entry.values)
            text += " " + ValueText(value);
        text += "\n";
    }
    return text;
}

std::string CConceptReport::Json() const {
    // Members are written one by one so that the keys keep the documented order.
    std::string json = "{\n";
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const SEntry& entry = m_entries[i];
        QJsonValue value;
        if (!entry.list && entry.values.size() == 1) {
            value = ValueJson(entry.values.front());
        } else {
            QJsonArray array;
            for (const Value& item : entry.values)
                array.append(ValueJson(item));
            value = array;
        }
        const QJsonObject single{{QString::fromStdString(entry.key), value}};
        const std::string member =
            QJsonDocument(single).toJson(QJsonDocument::Compact).toStdString();
        json += "  " + member.substr(1, member.size() - 2);
        json += i + 1 < m_entries.size() ? ",\n" : "\n";
    }
    return json + "}\n";
}
