#include "document/ConfigBounds.h"

#include "document/DisplayConfig.h"
#include "geometry/GeoAlloc.h"
#include "platform/TextUtil.h"

#include <array>

namespace {

/// A count of the algorithm parameters with the largest value its computation can handle in a
/// reasonable time. Values of 0 or less are left alone: the computations put their defaults in.
struct SCountBound {
    const char* key;
    int DisplayConfig::*field;
    int largest;
};

// Directions and samples beyond a tenth of a degree add nothing a chart can show; the
// uncovered-set grid and the Banks chains each cost one win set per point.
constexpr std::array<SCountBound, 8> kCounts = {{
    {"nCore", &DisplayConfig::nCore, 3600},
    {"nUncoveredSet", &DisplayConfig::nUncoveredSet, 200},
    {"nChain", &DisplayConfig::nChain, 1000},
    {"nTriMedianSet", &DisplayConfig::nTriMedianSet, 3600},
    {"nSchattschneiderSet", &DisplayConfig::nSchattschneiderSet, 3600},
    {"nCopeland", &DisplayConfig::nCopeland, 3600},
    {"nCoalition", &DisplayConfig::nCoalition, 100000},
    {"nPrefVertices", &DisplayConfig::nPrefVertices, 3600},
}};

/// Widest and highest chart, in pixels each way.
constexpr int kLargestChartSide = 20000;
/// Largest point symbol, in pixels each way.
constexpr int kLargestPointSize = 1000;

/// An ellipse is either exact (0) or a polygon of at least three corners.
std::string VerticesProblem(int vertices) {
    if (vertices == 0 || vertices >= 3)
        return {};
    return Format("nPrefVertices %d is not usable: 0 gives exact ellipses, 3 to 3600 the "
                  "corners of a polygon",
                  vertices);
}

std::string ChartProblem(const SSizeSpec& size) {
    // The vote grid holds one more row and column than the chart.
    const long long cells =
        (static_cast<long long>(size.cx) + 1) * (static_cast<long long>(size.cy) + 1);
    if (size.cx <= kLargestChartSide && size.cy <= kLargestChartSide &&
        cells <= static_cast<long long>(GeoAllocationLimit()))
        return {};
    return Format("szChart %d by %d is too large: a chart takes up to %d pixels each way and "
                  "%lld grid cells in all",
                  size.cx, size.cy, kLargestChartSide,
                  static_cast<long long>(GeoAllocationLimit()));
}

std::string PointProblem(const SSizeSpec& size) {
    if (size.cx <= kLargestPointSize && size.cy <= kLargestPointSize)
        return {};
    return Format("szPoint %d by %d is too large: a point symbol takes up to %d pixels each way",
                  size.cx, size.cy, kLargestPointSize);
}

} // namespace

std::string ConfigValueProblem(const DisplayConfig& config, const std::string& key) {
    if (EqualsNoCase(key, "szChart"))
        return ChartProblem(config.szChart);
    if (EqualsNoCase(key, "szPoint"))
        return PointProblem(config.szPoint);
    if (EqualsNoCase(key, "nPrefVertices") && !VerticesProblem(config.nPrefVertices).empty())
        return VerticesProblem(config.nPrefVertices);
    for (const SCountBound& bound : kCounts) {
        const bool named = EqualsNoCase(key, bound.key) ||
                           (bound.field == &DisplayConfig::nChain && EqualsNoCase(key, "nChains"));
        if (named && config.*bound.field > bound.largest)
            return Format("%s %d is too large: it takes up to %d", bound.key, config.*bound.field,
                          bound.largest);
    }
    return {};
}

std::vector<std::string> RestoreUnusableConfigValues(DisplayConfig& config) {
    const DisplayConfig defaults;
    std::vector<std::string> messages;
    const auto restore = [&](const char* key, auto DisplayConfig::*field) {
        std::string problem = ConfigValueProblem(config, key);
        if (problem.empty())
            return;
        config.*field = defaults.*field;
        messages.push_back(problem + "; the default is used");
    };
    restore("szChart", &DisplayConfig::szChart);
    restore("szPoint", &DisplayConfig::szPoint);
    for (const SCountBound& bound : kCounts)
        restore(bound.key, bound.field);
    return messages;
}
