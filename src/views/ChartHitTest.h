#pragma once

#include <QPoint>
#include <QRect>

class CChartModel;
class CMember;
class CQueltaDoc;
struct CFPoint;

/// What a chart pixel lies on, in the order a button press tries them.
enum class EChartHit { None, Proposal, StatusQuo, Member, Label, Plot, Legend };

/// The result of a hit test: the kind and, for members and labels, the member.
struct SChartHit {
    EChartHit kind = EChartHit::None;
    CMember* member = nullptr;
};

/// Whether the pixel lies in the point-size rectangle centred on the point's chart position
/// (moved by -w/2 and -h/2; right and bottom edges excluded). Hidden points still hit.
bool HitsPoint(const CQueltaDoc& doc, const CChartModel& chart, const CFPoint& point,
               const QPoint& pixel);

/// The first thing under the pixel: inside the plot the proposal, the status quo, a member,
/// a member's name label (unless the projection line is being drawn), else the plot itself;
/// outside it the legend. When the scenario is not ready only the legend can be hit.
SChartHit HitTest(CQueltaDoc& doc, CChartModel& chart, const QRect& legend, const QPoint& pixel);
