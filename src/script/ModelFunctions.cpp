#include "script/ModelFunctions.h"

#include <array>
#include <cstring>

namespace {

constexpr bool N = false; // yields a number
constexpr bool S = true;  // yields a string

const SModelFunction kModelFunctions[] = {
    {"NewFile", "s", N},
    {"OpenFile", "s", N},
    {"SaveFile", "", N},
    {"SaveAsFile", "s", N},
    {"CloseFile", "", N},
    {"Whiteboard", "", N},
    {"NewMonteCarlo", "siiiinnnn", N},
    {"SaveMonteCarlo", "", N},
    {"SaveAsMonteCarlo", "s", N},
    {"AddMemberEx", "ssnni", N},
    {"AddMember", "snn", N},
    {"DropMember", "s", N},
    {"Refresh", "", N},
    {"SetChartSize", "ii", N},
    {"SetScaleHSize", "nn", N},
    {"SetScaleVSize", "nn", N},
    {"SetPointSize", "ii", N},
    {"SetFontSize", "i", N},
    {"SetProposalBySubgroup", "", N},
    {"SetProposalToRandPoint", "s", N},
    {"SetProposal", "nn", N},
    {"SetStatusQuoToBorda", "", N},
    {"SetStatusQuoToCopeland", "", N},
    {"SetStatusQuoToCurrProp", "", N},
    {"SetStatusQuoToRandProp", "", N},
    {"SetStatusQuoToYolk", "", N},
    {"SetStatusQuo", "nn", N},
    {"SetRationality", "i", N},
    {"SetBndRationalitySQ", "inninnnn", N},
    {"SetBndRationalityIP", "inninnnn", N},
    {"SetPreferences", "innnnnn", N},
    {"SetVoteProb", "i", N},
    {"SetVoteWeighted", "i", N},
    {"SetVoteRule", "n", N},
    {"SetVoteAbsolute", "i", N},
    {"SetScaleH", "nn", N},
    {"SetRatingH", "s", N},
    {"SetScaleV", "nn", N},
    {"SetRatingV", "s", N},
    {"SetMemberCandidate", "sii", N},
    {"SetMemberIdealPoint", "sinn", N},
    {"SetMemberPreference", "siinnnnn", N},
    {"SetMemberRational", "sii", N},
    {"SetMemberVoteProb", "sii", N},
    {"SetMemberVoteWeighted", "sii", N},
    {"SetMemberVoteWt", "sin", N},
    {"SetMemberVeto", "sii", N},
    {"SetUncoveredSetGridSize", "i", N},
    {"GetScaleHMin", "", N},
    {"GetScaleHMax", "", N},
    {"GetScaleVMin", "", N},
    {"GetScaleVMax", "", N},
    {"GetVoteRule", "", N},
    {"GetVoteAbsolute", "", N},
    {"GetVoteTotal", "", N},
    {"GetVoteDivision", "", N},
    {"GetVoteQuota", "", N},
    {"GetRatingIdH", "", S},
    {"GetRatingIdV", "", S},
    {"GetMemberCount", "", N},
    {"GetMemberIndex", "s", N},
    {"GetMemberIdByIndex", "i", S},
    {"GetMemberIdByLabel", "s", S},
    {"GetMemberLabelByIndex", "i", S},
    {"GetMemberLabelById", "s", S},
    {"GetMemberIdealPointH", "si", N},
    {"GetMemberIdealPointV", "si", N},
    {"GetMemberVoteWt", "si", N},
    {"GetStatusQuoH", "", N},
    {"GetStatusQuoV", "", N},
    {"GetProposalH", "", N},
    {"GetProposalV", "", N},
    {"GetCopelandH", "", N},
    {"GetCopelandV", "", N},
    {"GetBordaH", "", N},
    {"GetBordaV", "", N},
    {"GetYolkCenterH", "", N},
    {"GetYolkCenterV", "", N},
    {"GetYolkRadius", "", N},
    {"GetDistance", "nnnn", N},
    {"GetArea", "s", N},
    {"GetCoreArea", "", N},
    {"GetHeartArea", "", N},
    {"GetParetoSetArea", "", N},
    {"GetUncoveredSetArea", "", N},
    {"GetWinSetArea", "", N},
    {"GetWinSetNearPtH", "nn", N},
    {"GetWinSetNearPtV", "nn", N},
    {"GetWinSetFarPtH", "nn", N},
    {"GetWinSetFarPtV", "nn", N},
    {"GetSpokeLength", "", N},
    {"GetUncoveredSetGridSize", "", N},
    {"IsInsideCore", "nn", N},
    {"IsInsideHeart", "nn", N},
    {"IsInsideWinSet", "nn", N},
    {"IsInsideUncoveredSet", "nn", N},
    {"IsInsideParetoSet", "nn", N},
    {"IsWinSetComplete", "", N},
    {"IsIdealPoint", "nnnn", N},
    {"IsMarkPoint", "nnnn", N},
    {"ShowIndifferenceCurve", "i", N},
    {"ShowQuotaLineQualified", "i", N},
    {"ShowQuotaLine", "i", N},
    {"ShowSpoke", "i", N},
    {"ShowPetal", "i", N},
    {"ShowWinSetCapture", "i", N},
    {"ShowWinSet", "i", N},
    {"ShowVeto", "i", N},
    {"ShowCore", "i", N},
    {"ShowCopeland", "i", N},
    {"ShowYolkTriangle", "i", N},
    {"ShowYolk", "i", N},
    {"ShowCardioid", "i", N},
    {"ShowSchattschneiderSet", "i", N},
    {"ShowTriMedianSet", "i", N},
    {"ShowHeart", "i", N},
    {"ShowUncoveredSet", "i", N},
    {"ShowParetoSet", "i", N},
    {"ShowThermograph", "i", N},
    {"ShowHistogram", "i", N},
    {"ShowStatistics", "i", N},
    {"ShowColorCode", "i", N},
    {"ShowCoalition", "i", N},
    {"ShowNames", "i", N},
    {"ShowPowerIndexColorCode", "i", N},
    {"ShowPowerIndexBounds", "i", N},
    {"ShowPowerIndex", "i", N},
    {"ShowGrid", "i", N},
    {"ShowBudgetLine", "i", N},
    {"ShowCandidates", "i", N},
    {"ShowClear", "", N},
    {"DrawPoint", "nn", N},
    {"DrawLine", "nnnn", N},
    {"DrawEllipse", "nnnn", N},
    {"DrawRectangle", "nnnn", N},
    {"DrawClear", "", N},
};

/// The table's indices grouped by first letter, in table order, so that recognising a word
/// compares it only with the names that could match.
const std::array<std::vector<int>, 128>& IndicesByFirstLetter() {
    static const auto buckets = [] {
        std::array<std::vector<int>, 128> result;
        for (int i = 0; i < static_cast<int>(std::size(kModelFunctions)); ++i)
            result[static_cast<unsigned char>(kModelFunctions[i].name[0]) & 127].push_back(i);
        return result;
    }();
    return buckets;
}

} // namespace

std::span<const SModelFunction> ModelFunctions() {
    return kModelFunctions;
}

int FindModelFunction(std::string_view text) {
    if (text.empty() || static_cast<unsigned char>(text[0]) >= 128)
        return -1;
    for (int index : IndicesByFirstLetter()[static_cast<unsigned char>(text[0])]) {
        const char* name = kModelFunctions[index].name;
        const std::size_t length = std::strlen(name);
        if (text.size() >= length && text.compare(0, length, name) == 0)
            return index;
    }
    return -1;
}
