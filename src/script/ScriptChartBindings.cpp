// Model functions of the chart's settings: its size, symbol and font sizes, scale ranges and
// dimensions, and the uncovered set's grid.
#include "document/ConfigBounds.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "script/ScriptBindings.h"

#include <algorithm>

namespace {

// Font heights beyond this draw nothing a chart can hold.
constexpr int kLargestFontHeight = 1000;

/// Applies a change of the settings record when its value is one the chart can work with;
/// otherwise shows why, fails the line with "Bad value" and keeps the settings.
template <typename Change> bool ChangeConfig(CScriptCall& call, const char* key, Change change) {
    CQueltaDoc& doc = call.Doc();
    DisplayConfig trial = doc.Config();
    change(trial);
    if (const std::string problem = ConfigValueProblem(trial, key); !problem.empty()) {
        MessageBoxOk(problem);
        call.Fail(EScriptError::BadValue);
        return false;
    }
    doc.Config() = trial;
    return true;
}

SScriptValue SetChartSize(CScriptCall& call) {
    const SSizeSpec size{call.Integer(0), call.Integer(1)};
    if (ChangeConfig(call, "szChart", [&size](DisplayConfig& c) { c.szChart = size; })) {
        call.Doc().UpdateGridMap();
        call.Doc().RefreshAndModify();
    }
    return ScriptOne();
}

/// Sets one axis of the chart's range and the limits of that axis's rating scale, if any.
/// A range given the wrong way round is turned round; an empty one gets the width of 100, as
/// rating scales do.
SScriptValue SetScaleRange(CScriptCall& call, bool horizontal) {
    if (!call.Point(0))
        return ScriptOne();
    const double low = std::min(call.Number(0), call.Number(1));
    double high = std::max(call.Number(0), call.Number(1));
    if (low == high)
        high = low + 100.0;
    CQueltaDoc& doc = call.Doc();
    ScenarioHeader& header = doc.Header();
    (horizontal ? header.plane.left : header.plane.bottom) = low;
    (horizontal ? header.plane.right : header.plane.top) = high;
    const CRatingScale* axis = horizontal ? header.horizontalScale : header.verticalScale;
    for (const auto& scale : header.scales) {
        if (scale.get() == axis) {
            scale->SetMin(low);
            scale->SetMax(high);
        }
    }
    doc.UpdateGridMap();
    doc.RefreshAndModify();
    return ScriptOne();
}

SScriptValue SetScaleH(CScriptCall& call) {
    return SetScaleRange(call, true);
}

SScriptValue SetScaleV(CScriptCall& call) {
    return SetScaleRange(call, false);
}

SScriptValue SetPointSize(CScriptCall& call) {
    const SSizeSpec size{call.Integer(0), call.Integer(1)};
    if (ChangeConfig(call, "szPoint", [&size](DisplayConfig& c) { c.szPoint = size; }))
        call.Doc().RefreshAndModify();
    return ScriptOne();
}

SScriptValue SetFontSize(CScriptCall& call) {
    const int height = call.Integer(0);
    if (height < 0 || height > kLargestFontHeight) {
        MessageBoxOk(Format("A font height of %d is out of range: heights run from 0 to %d.",
                            height, kLargestFontHeight));
        call.Fail(EScriptError::BadValue);
        return ScriptOne();
    }
    DisplayConfig& c = call.Doc().Config();
    for (SFontSpec* font : {&c.lfTitle, &c.lfLegend, &c.lfLabel, &c.lfAxisH, &c.lfAxisV})
        font->height = height;
    call.Doc().RefreshAndModify();
    return ScriptOne();
}

/// Makes the scale with the ID (any letter case) an axis; nothing when no scale has it.
SScriptValue SetRating(CScriptCall& call, bool horizontal) {
    CQueltaDoc& doc = call.Doc();
    for (const auto& scale : doc.Header().scales) {
        if (EqualsNoCase(scale->RatingID(), call.Text(0))) {
            horizontal ? doc.SelectHorizontalScale(call.Text(0))
                       : doc.SelectVerticalScale(call.Text(0));
            break;
        }
    }
    return ScriptOne();
}

SScriptValue SetRatingH(CScriptCall& call) {
    return SetRating(call, true);
}

SScriptValue SetRatingV(CScriptCall& call) {
    return SetRating(call, false);
}

SScriptValue SetUncoveredSetGridSize(CScriptCall& call) {
    const int size = call.Integer(0);
    if (ChangeConfig(call, "nUncoveredSet", [size](DisplayConfig& c) { c.nUncoveredSet = size; })) {
        call.Doc().Game().InvalidateAll();
        call.Doc().RefreshAndModify();
    }
    return ScriptOne();
}

SScriptValue GetScaleHMin(CScriptCall& call) {
    return ScriptNumber(call.Doc().ScaleBox().left);
}

SScriptValue GetScaleHMax(CScriptCall& call) {
    return ScriptNumber(call.Doc().ScaleBox().right);
}

SScriptValue GetScaleVMin(CScriptCall& call) {
    return ScriptNumber(call.Doc().ScaleBox().bottom);
}

SScriptValue GetScaleVMax(CScriptCall& call) {
    return ScriptNumber(call.Doc().ScaleBox().top);
}

SScriptValue GetRatingIdH(CScriptCall& call) {
    const CRatingScale* scale = call.Doc().Header().horizontalScale;
    return ScriptString(scale ? scale->RatingID() : std::string());
}

SScriptValue GetRatingIdV(CScriptCall& call) {
    const CRatingScale* scale = call.Doc().Header().verticalScale;
    return ScriptString(scale ? scale->RatingID() : std::string());
}

SScriptValue GetUncoveredSetGridSize(CScriptCall& call) {
    return ScriptNumber(call.Doc().Config().nUncoveredSet);
}

const SScriptBinding kBindings[] = {
    {"SetChartSize", SetChartSize},
    {"SetScaleHSize", SetScaleH},
    {"SetScaleVSize", SetScaleV},
    {"SetPointSize", SetPointSize},
    {"SetFontSize", SetFontSize},
    {"SetScaleH", SetScaleH},
    {"SetRatingH", SetRatingH},
    {"SetScaleV", SetScaleV},
    {"SetRatingV", SetRatingV},
    {"SetUncoveredSetGridSize", SetUncoveredSetGridSize},
    {"GetScaleHMin", GetScaleHMin},
    {"GetScaleHMax", GetScaleHMax},
    {"GetScaleVMin", GetScaleVMin},
    {"GetScaleVMax", GetScaleVMax},
    {"GetRatingIdH", GetRatingIdH},
    {"GetRatingIdV", GetRatingIdV},
    {"GetUncoveredSetGridSize", GetUncoveredSetGridSize},
};

} // namespace

std::span<const SScriptBinding> ChartScriptBindings() {
    return kBindings;
}
