// Model functions that draw shapes on the chart.
#include "document/QueltaDoc.h"
#include "platform/Platform.h"
#include "script/ScriptBindings.h"

namespace {

/// Adds a shape between the points of arguments 0, 1 and 2, 3 (one point for a point shape),
/// in the chart pixels the points have now.
SScriptValue AddShape(CScriptCall& call, EScriptShape kind) {
    const std::optional<CFPoint> from = call.Point(0);
    const std::optional<CFPoint> to = kind == EScriptShape::Point ? from : call.Point(2);
    if (!from || !to)
        return ScriptOne();
    CQueltaDoc& doc = call.Doc();
    const CGridMap& map = doc.Game().GridMap();
    doc.ScriptShapes().push_back({kind, map.WorldToCell(*from), map.WorldToCell(*to)});
    // Shapes are not part of the scenario, so drawing leaves the modified flag alone.
    Platform().RefreshViews();
    return ScriptOne();
}

SScriptValue DrawPoint(CScriptCall& call) {
    return AddShape(call, EScriptShape::Point);
}

SScriptValue DrawLine(CScriptCall& call) {
    return AddShape(call, EScriptShape::Line);
}

SScriptValue DrawEllipse(CScriptCall& call) {
    return AddShape(call, EScriptShape::Ellipse);
}

SScriptValue DrawRectangle(CScriptCall& call) {
    return AddShape(call, EScriptShape::Rectangle);
}

SScriptValue DrawClear(CScriptCall& call) {
    call.Doc().ScriptShapes().clear();
    Platform().RefreshViews();
    return ScriptOne();
}

const SScriptBinding kBindings[] = {
    {"DrawPoint", DrawPoint},         {"DrawLine", DrawLine},   {"DrawEllipse", DrawEllipse},
    {"DrawRectangle", DrawRectangle}, {"DrawClear", DrawClear},
};

} // namespace

std::span<const SScriptBinding> DrawScriptBindings() {
    return kBindings;
}
