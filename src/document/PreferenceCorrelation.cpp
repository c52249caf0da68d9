#include "document/PreferenceCorrelation.h"

#include "document/QueltaDoc.h"
#include "model/Member.h"
#include "montecarlo/Regression.h"
#include "platform/Platform.h"

#include <cmath>

namespace {

/// A zero slope (level ideal points, or fewer than two members) is taken as 1e-7, so the
/// complementarity stays a finite number that files can hold.
constexpr double kZeroSlope = 1e-7;

} // namespace

void UpdatePreferenceCorrelation(CQueltaDoc& doc) {
    CCommittee* committee = doc.Header().currentCommittee;
    if (!committee)
        return;
    CWaitCursor wait;
    Platform().SetStatusText(0, "Updating preference correlation...");
    double complementarity = 0.0;
    double salience = 1.0;
    if (doc.Config().flagPrefCorrelated) {
        SRegression stats;
        const SFitLine line = FitIdealPoints(committee->Members(), stats);
        const double slope = line.slope == 0.0 ? kZeroSlope : line.slope;
        complementarity = 1.0 / slope;
        salience = 1.0 / (1.0000001 - std::fabs(stats.r));
    }
    for (CMember* member : committee->Members()) {
        PreferenceSpec spec = member->Preference();
        spec.complementarity = complementarity;
        spec.salience = salience;
        member->SetPreferenceSpec(spec);
    }
    doc.Game().SetMembers(&committee->Members());
    doc.RefreshAndModify();
    Platform().SetStatusText(0, " ");
}

void SetCorrelatedSwitch(CQueltaDoc& doc, int flag) {
    doc.Config().flagPrefCorrelated = flag;
    UpdatePreferenceCorrelation(doc);
}

void ToggleCorrelated(CQueltaDoc& doc) {
    SetCorrelatedSwitch(doc, doc.Config().flagPrefCorrelated ? 0 : 1);
}
