#include "views/ChartShow.h"

#include <algorithm>

const std::vector<std::pair<const char*, int DisplayConfig::*>>& ChartShowNames() {
    using C = DisplayConfig;
    static const std::vector<std::pair<const char*, int C::*>> names = {
        {"winset", &C::flagWinSet},
        {"quotalines", &C::flagQuotaLine},
        {"qualified", &C::flagQuotaLineQualified},
        {"petals", &C::flagPetal},
        {"spokes", &C::flagSpoke},
        {"cardioid", &C::flagCardioid},
        {"yolk", &C::flagYolk},
        {"yolktriangle", &C::flagYolkTri},
        {"pareto", &C::flagParetoSet},
        {"core", &C::flagCore},
        {"heart", &C::flagHeart},
        {"uncovered", &C::flagUncoveredSet},
        {"banks", &C::flagBanksSet},
        {"copeland", &C::flagCopeland},
        {"trimedian", &C::flagTriMedianSet},
        {"schattschneider", &C::flagSchattschneiderSet},
        {"indifference", &C::flagIndiffCurve},
        {"coalition", &C::flagCoalition},
        {"names", &C::flagNames},
        {"grid", &C::flagGrid},
        {"powerindex", &C::flagPowerIndex},
        {"thermograph", &C::flagThermo},
        {"histogram", &C::flagHist},
        {"statistics", &C::flagStats},
        {"budget", &C::flagBudgetLine},
        {"candidates", &C::flagCandidates},
    };
    return names;
}

std::string ApplyChartShowList(const std::vector<std::string>& names, DisplayConfig& config) {
    const auto& known = ChartShowNames();
    for (const std::string& name : names)
        if (std::none_of(known.begin(), known.end(),
                         [&](const auto& n) { return name == n.first; }))
            return name;
    for (const auto& [display, flag] : known)
        config.*flag = std::count(names.begin(), names.end(), display) > 0 ? 1 : 0;
    return {};
}
