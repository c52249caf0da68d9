#include "document/ReportFile.h"

#include "concepts/ConceptRegions.h"
#include "document/QueltaDoc.h"
#include "document/TextLines.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "model/FormatNumber.h"
#include "model/Member.h"
#include "platform/Platform.h"
#include "preferences/Yolk.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

using EKind = SReportLine::EKind;

SReportField Number(double value) {
    return {FormatNumber(value), value};
}

/// Collects the lines of the report.
class CReportBuilder {
public:
    void Item(const std::string& label, const std::string& text) {
        m_lines.push_back(
            {EKind::Item, {{label + ":", std::nullopt}, {FieldText(text), std::nullopt}}, {}});
    }
    void Item(const std::string& label, double value) {
        m_lines.push_back({EKind::Item, {{label + ":", std::nullopt}, Number(value)}, {}});
    }
    void Heading(const std::string& label) {
        m_lines.push_back({EKind::ListHeading, {{label + ":", std::nullopt}}, {}});
    }
    void Row(std::vector<SReportField> fields,
             std::vector<std::pair<std::string, SReportField>> record = {}) {
        m_lines.push_back({EKind::ListRow, std::move(fields), std::move(record)});
    }
    /// "<prefix>Horz-Min" and its three siblings, from a box given as left, right, bottom, top.
    /// The box of a region without a cell keeps its text and has no number (null in JSON).
    void Box(const std::string& prefix, const CFRect& box, bool empty) {
        const std::pair<const char*, double> sides[] = {{"Horz-Min", box.left},
                                                        {"Horz-Max", box.right},
                                                        {"Vert-Min", box.bottom},
                                                        {"Vert-Max", box.top}};
        for (const auto& [side, value] : sides) {
            SReportField field = Number(value);
            if (empty)
                field.number = kUndefinedNumber;
            m_lines.push_back({EKind::Item, {{prefix + side + ":", std::nullopt}, field}, {}});
        }
    }
    std::vector<SReportLine> Take() { return std::move(m_lines); }

private:
    std::vector<SReportLine> m_lines;
};

/// A member's name in a report line: the name format's own tabs separate its parts, and
/// nothing inside a part (a tab or line end in a name) can split the line.
std::string ReportName(const CMember& member, int code) {
    if (code != NAME_CONSTITUENCY_PARTY_LAST_FIRST)
        return FieldText(member.FormatName(code));
    return FieldText(member.FormatName(NAME_CONSTITUENCY)) + "\t" +
           FieldText(member.FormatName(NAME_PARTY)) + "\t" +
           FieldText(member.FormatName(NAME_LAST_FIRST));
}

std::string ScaleName(const CRatingScale* scale, const char* fallback) {
    return scale ? scale->Rating() : fallback;
}

void ReportScenario(CQueltaDoc& doc, CReportBuilder& report) {
    const ScenarioHeader& h = doc.Header();
    report.Item("Scenario", h.scenarioName);
    report.Item("Data Source", h.dataSource);
    report.Item("Description", doc.Description());
    report.Item("Upper House", h.upperHouse.label);
    report.Item("Lower House", h.lowerHouse.label);
    report.Item("Committee", h.committeeLabel);
    report.Item("Issue-Horz", ScaleName(h.horizontalScale, "ratings: horizontal"));
    report.Item("Issue-Vert", ScaleName(h.verticalScale, "ratings: vertical"));
    report.Item("Decision Rule", doc.Game().VoteRule());
}

void ReportPoints(CQueltaDoc& doc, CReportBuilder& report) {
    const DisplayConfig& config = doc.Config();
    CVotingGame& game = doc.Game();
    if (config.flagReportStatusQuo) {
        report.Item("Status Quo-Horz", game.StatusQuo().x);
        report.Item("Status Quo-Vert", game.StatusQuo().y);
    }
    if (config.flagReportProposal) {
        report.Item("Proposal-Horz", game.Proposal().x);
        report.Item("Proposal-Vert", game.Proposal().y);
        report.Heading("Members Favoring Proposal");
        const int code = doc.Header().sourceKind == SOURCE_DATABASE
                             ? NAME_CONSTITUENCY_PARTY_LAST_FIRST
                             : NAME_LAST_FIRST;
        for (const CMember* member : game.MembersFavoring(game.Proposal()))
            report.Row({{ReportName(*member, code), std::nullopt}});
    }
    if (config.flagReportCopeland) {
        const CFPoint copeland = game.GetCopeland(config.nCopeland, config.dCopeland);
        report.Item("Copeland-Horz", copeland.x);
        report.Item("Copeland-Vert", copeland.y);
    }
}

bool YolkExists(const SYolk& yolk) {
    return yolk.radius > 0.0 || yolk.center.x != 0.0 || yolk.center.y != 0.0;
}

void ReportRegions(CQueltaDoc& doc, CReportBuilder& report) {
    const DisplayConfig& config = doc.Config();
    CVotingGame& game = doc.Game();
    if (config.flagReportYolk) {
        const SYolk& yolk = game.GetYolk();
        if (YolkExists(yolk)) {
            report.Item("Yolk Center-Horz", yolk.center.x);
            report.Item("Yolk Center-Vert", yolk.center.y);
            report.Item("Yolk Radius", yolk.radius);
        }
    }
    if (config.flagReportWinSet) {
        const double area = game.GetWinSetArea();
        report.Item("Win Set Area", area);
        report.Box("Win Set ", game.GetWinSet().GetWorldBox(), !(area > 0));
    }
    if (config.flagReportCore) {
        const double area = game.GetCoreArea(config.nCore);
        report.Item("Core Area", area);
        report.Box("Core ", game.GetCoreBounds(config.nCore), !(area > 0));
    }
    if (config.flagReportHeart) {
        const double area = game.GetHeartArea(config.nCore);
        report.Item("Heart Area", area);
        report.Box("Heart ", game.GetHeartBounds(config.nCore), !(area > 0));
    }
    if (config.flagReportPareto) {
        const std::unique_ptr<CRgn> pareto = game.GetParetoSetRgn();
        const bool empty = !pareto || IsEmptyRgn(*pareto);
        report.Box("Pareto ", pareto ? RegionBounds(*pareto, game.GridMap()) : CFRect(), empty);
    }
}

void ReportMembers(CQueltaDoc& doc, CReportBuilder& report) {
    const DisplayConfig& config = doc.Config();
    const CCommittee* committee = doc.Header().currentCommittee;
    if (!config.flagReportMembers)
        return;
    report.Heading("All Members");
    if (!committee)
        return;
    for (const CMember* member : committee->Members()) {
        std::vector<SReportField> row{
            {ReportName(*member, NAME_CONSTITUENCY_PARTY_LAST_FIRST), std::nullopt},
            Number(member->EffectiveVote()),
            Number(member->IdealPoint().x),
            Number(member->IdealPoint().y)};
        if (config.flagPowerIndex)
            row.push_back(
                Number(doc.Game().GetMemberPower(member, config.nCopeland, config.dCopeland)));
        const std::string& first = member->FirstName();
        std::vector<std::pair<std::string, SReportField>> record = {
            {"id", {FieldText(member->MemberID()), std::nullopt}},
            {"name",
             {FieldText(member->LastName() + (first.empty() ? "" : ", " + first)), std::nullopt}},
            {"vote", row[1]},
            {"h", row[2]},
            {"v", row[3]}};
        if (config.flagPowerIndex)
            record.emplace_back("power", row[4]);
        report.Row(std::move(row), std::move(record));
    }
}

QJsonValue FieldJson(const SReportField& field) {
    if (field.number && std::isnan(*field.number))
        return QJsonValue::Null;
    if (field.number)
        return *field.number;
    return QString::fromStdString(field.text);
}

QJsonValue RowJson(const SReportLine& line) {
    if (!line.record.empty()) {
        QJsonObject object;
        for (const auto& [key, field] : line.record)
            object.insert(QString::fromStdString(key), FieldJson(field));
        return object;
    }
    if (line.fields.size() == 1)
        return FieldJson(line.fields.front());
    QJsonArray row;
    for (const SReportField& field : line.fields)
        row.append(FieldJson(field));
    return row;
}

/// One member of a JSON object, "key":value, in compact form.
std::string JsonMember(const QString& key, const QJsonValue& value) {
    const std::string object =
        QJsonDocument(QJsonObject{{key, value}}).toJson(QJsonDocument::Compact).toStdString();
    return object.substr(1, object.size() - 2);
}

QString LabelKey(const SReportLine& line) {
    std::string label = line.fields.empty() ? std::string() : line.fields.front().text;
    if (!label.empty() && label.back() == ':')
        label.pop_back();
    return QString::fromStdString(label);
}

} // namespace

std::vector<SReportLine> ReportLines(CQueltaDoc& doc) {
    CReportBuilder report;
    ReportScenario(doc, report);
    ReportPoints(doc, report);
    ReportRegions(doc, report);
    ReportMembers(doc, report);
    return report.Take();
}

std::string ReportText(const std::vector<SReportLine>& lines) {
    std::string text;
    for (const SReportLine& line : lines) {
        for (size_t i = 0; i < line.fields.size(); ++i)
            text += (i ? "\t" : "") + line.fields[i].text;
        text += "\n";
    }
    return text;
}

std::string ReportJson(const std::vector<SReportLine>& lines, const std::string& file) {
    // Keys are written one by one so that they keep the order of the report.
    std::string json = "{" + JsonMember("file", QString::fromStdString(file));
    for (size_t i = 0; i < lines.size(); ++i) {
        const SReportLine& line = lines[i];
        QJsonValue value;
        if (line.kind == EKind::ListHeading) {
            QJsonArray rows;
            for (; i + 1 < lines.size() && lines[i + 1].kind == EKind::ListRow; ++i)
                rows.append(RowJson(lines[i + 1]));
            value = rows;
        } else if (line.kind == EKind::Item && line.fields.size() > 1) {
            value = FieldJson(line.fields[1]);
        }
        json += "," + JsonMember(LabelKey(line), value);
    }
    return json + "}\n";
}

bool WriteReport(CQueltaDoc& doc, const std::string& path) {
    const bool modified = doc.IsModified();
    std::string cause;
    const bool written = WriteTextFileAtomically(path, ReportText(ReportLines(doc)), cause);
    doc.SetModifiedFlag(modified);
    if (!written)
        ErrorBox("DOC1", "report file exception: " + path + "\n\n" + cause);
    return written;
}

bool ReportCommand(CQueltaDoc& doc) {
    const std::string path =
        Platform().AskSaveFileName("Report", "quelta_report.txt", "files (*.txt)|*.txt||");
    return !path.empty() && WriteReport(doc, path);
}
