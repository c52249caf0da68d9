#pragma once

#include "views/ChartLayer.h"

#include <QPoint>
#include <QRect>

#include <map>
#include <string>

class CMember;
struct DisplayConfig;

/// What a member label shows.
enum class ELabelKind {
    Name,  ///< the parts the label flags choose (last name, first name, constituency, ...)
    Power, ///< the member's power index
};

/// A label layer: one text beside every member's symbol. The first shows the members' names
/// and attributes ("Show Member Names"), the second their power index ("Show Power Index").
/// Labels the user dragged keep their place relative to their member.
class CLabelLayer : public CChartLayer {
public:
    explicit CLabelLayer(ELabelKind kind) : m_kind(kind) {}

    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;

    /// The text of a member's label.
    std::string LabelText(CQueltaDoc& doc, const CMember& member) const;
    /// The rectangle of a member's label text on the chart.
    QRect LabelRect(CQueltaDoc& doc, const CChartLayout& layout, const CMember& member) const;
    /// The member whose label holds the chart pixel; nullptr when none does or the layer is off.
    CMember* LabelAt(CQueltaDoc& doc, const CChartLayout& layout, const QPoint& pixel) const;
    /// Moves a member's label so that its rectangle's top left lies at the point.
    void PlaceLabel(const CQueltaDoc& doc, const CChartLayout& layout, const CMember& member,
                    const QPoint& topLeft);

private:
    QPoint DefaultTopLeft(const DisplayConfig& config, const CChartLayout& layout,
                          const CMember& member) const;

    ELabelKind m_kind;
    std::map<std::string, QPoint> m_offsets; ///< dragged labels by member ID
};

/// The label text the label flags choose: last name, first name, constituency, affiliation,
/// leadership, vote weight and numeric attributes, separated by blanks.
std::string MemberLabelText(const DisplayConfig& config, const CMember& member);
