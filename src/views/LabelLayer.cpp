#include "views/LabelLayer.h"

#include "document/QueltaDoc.h"
#include "model/FormatNumber.h"
#include "model/Member.h"
#include "views/ChartLayout.h"
#include "views/ChartStyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

void Append(std::string& text, const std::string& part) {
    if (part.empty())
        return;
    if (!text.empty())
        text += ' ';
    text += part;
}

std::string Constituency(const CMember& member) {
    std::string text = member.ConstituencyGenus();
    Append(text, member.ConstituencySpecies());
    return text;
}

} // namespace

std::string MemberLabelText(const DisplayConfig& config, const CMember& member) {
    std::string text;
    if (config.flagLabelNameLast)
        Append(text, member.LastName());
    if (config.flagLabelNameFirst)
        Append(text, member.FirstName());
    if (config.flagLabelConstituency)
        Append(text, Constituency(member));
    if (config.flagLabelAffiliation)
        if (const std::string* party = member.NominalAttribute("PARTY"))
            Append(text, *party);
    if (config.flagLabelLeadership && member.Leader())
        Append(text, "(leader)");
    if (config.flagLabelVote)
        Append(text, FormatNumber(member.VoteWeight()));
    if (config.flagLabelAttribute)
        for (const auto& [id, value] : member.NumericAttributes())
            Append(text, id + "=" + FormatNumber(value));
    return text;
}

void CLabelLayer::Refresh(const CQueltaDoc& doc) {
    const DisplayConfig& config = doc.Config();
    SetVisible((m_kind == ELabelKind::Name ? config.flagNames : config.flagPowerIndex) != 0);
}

std::string CLabelLayer::LabelText(CQueltaDoc& doc, const CMember& member) const {
    if (m_kind == ELabelKind::Name)
        return MemberLabelText(doc.Config(), member);
    const DisplayConfig& config = doc.Config();
    return FormatNumber(doc.Game().GetMemberPower(&member, config.nCopeland, config.dCopeland));
}

QPoint CLabelLayer::DefaultTopLeft(const DisplayConfig& config, const CChartLayout& layout,
                                   const CMember& member) const {
    const QPoint centre = layout.ToChart(member.IdealPoint());
    const int right = centre.x() + config.szPoint.cx / 2 + 3;
    const int height = QFontMetrics(ToQFont(config.lfLabel)).height();
    // Names sit to the right of the symbol, power values below it.
    if (m_kind == ELabelKind::Name)
        return QPoint(right, centre.y() - height / 2);
    return QPoint(right, centre.y() + config.szPoint.cy / 2 + 1);
}

QRect CLabelLayer::LabelRect(CQueltaDoc& doc, const CChartLayout& layout,
                             const CMember& member) const {
    const QFontMetrics metrics(ToQFont(doc.Config().lfLabel));
    QPoint topLeft = DefaultTopLeft(doc.Config(), layout, member);
    if (const auto it = m_offsets.find(member.MemberID()); it != m_offsets.end())
        topLeft += it->second;
    const QString text = QString::fromStdString(LabelText(doc, member));
    return QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
}

void CLabelLayer::Draw(SChartPaint& paint) {
    const DisplayConfig& config = paint.doc.Config();
    paint.painter.save();
    paint.painter.setFont(ToQFont(config.lfLabel));
    paint.painter.setPen(ToQColor(config.lfLabel.color));
    const QFontMetrics metrics(paint.painter.font());
    for (const CMember* member : paint.doc.Game().Members()) {
        const QRect rect = LabelRect(paint.doc, paint.layout, *member);
        paint.painter.drawText(rect.left(), rect.top() + metrics.ascent(),
                               QString::fromStdString(LabelText(paint.doc, *member)));
    }
    paint.painter.restore();
}

CMember* CLabelLayer::LabelAt(CQueltaDoc& doc, const CChartLayout& layout,
                              const QPoint& pixel) const {
    if (!IsVisible())
        return nullptr;
    const std::vector<CMember*>& members = doc.Game().Members();
    for (auto it = members.rbegin(); it != members.rend(); ++it)
        if (LabelRect(doc, layout, **it).contains(pixel))
            return *it;
    return nullptr;
}

void CLabelLayer::PlaceLabel(const CQueltaDoc& doc, const CChartLayout& layout,
                             const CMember& member, const QPoint& topLeft) {
    m_offsets[member.MemberID()] = topLeft - DefaultTopLeft(doc.Config(), layout, member);
}
