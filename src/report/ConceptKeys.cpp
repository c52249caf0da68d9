#include "report/ConceptKeys.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr const char* kNumber = "number";
constexpr const char* kNumberOrNull = "number, or null where it is undefined";
constexpr const char* kFlag = "0 or 1";
constexpr const char* kPoint = "[h, v]";
constexpr const char* kBox = "[left, right, bottom, top], or null for an empty region";
constexpr const char* kVertices = "[h1, v1, h2, v2, ...], each corner once";
constexpr const char* kCounts = "[count, ...]";

/// The keys of a set concept's region: its area and its bounding box.
std::vector<SConceptKey> RegionKeys(const std::string& key, const std::string& group,
                                    const std::string& what) {
    return {{key + ".area", group, kNumber,
             "area of the " + what + ": its cells times the area of one cell (0 when empty)"},
            {key + ".bbox", group, kBox, "bounding box of the " + what + "'s cells"}};
}

std::vector<SConceptKey> MakeKeys() {
    std::vector<SConceptKey> keys = {
        {"scenario.name", "", "text",
         "the scenario's name; a committee chosen from a database goes by its ID"},
        {"members.count", "", kNumber, "number of members"},
        {"vote.rule", "vote", kNumber, "decision rule as a fraction of the vote total"},
        {"vote.absolute", "vote", kFlag, "1 under absolute plurality, 0 under relative"},
        {"vote.total", "vote", kNumber, "sum of the members' votes"},
        {"vote.division", "vote", kNumber, "votes the rule divides off"},
        {"vote.quota", "vote", kNumber, "votes a point needs to beat the status quo"},
        {"statusquo", "", kPoint, "the status quo"},
        {"proposal", "", kPoint, "the proposal"},
        {"winset.area", "winset", kNumber, "area of the win set of the status quo"},
        {"winset.bbox", "winset", kBox, "bounding box of the win set"},
        {"winset.radius", "winset", kNumber,
         "twice the spoke length: the win set lies within this distance of the status quo"},
        {"winset.complete", "winset", kFlag,
         "1 when every spoke ends inside the chart, so that the win set is whole on it"},
        {"spoke.length", "winset", kNumber, "length of the longest spoke from the status quo"},
        {"quotalines.count", "quotalines", kNumber, "number of quota lines"},
        {"quotalines.qualified", "quotalines", kNumber, "number of qualified quota lines"},
        {"petals.count", "petals", kNumber, "number of petals of the win set"},
        {"coalition", "coalition", "[ID, ...]",
         "IDs of the members who prefer the proposal to the status quo"},
        {"yolk.center", "yolk", kPoint, "centre of the yolk found on the chart"},
        {"yolk.radius", "yolk", kNumber, "radius of the yolk found on the chart"},
        {"yolk.exact.center", "yolk", kPoint,
         "centre of the smallest circle meeting every quota line through two members"},
        {"yolk.exact.radius", "yolk", kNumber, "radius of that circle"}};
    for (const auto& [key, group, what] :
         {std::tuple{"pareto", "pareto", "Pareto set"}, std::tuple{"core", "core", "core"},
          std::tuple{"heart", "heart", "heart"},
          std::tuple{"heart.exact", "heartexact", "heart found from the exact yolk"},
          std::tuple{"uncovered", "uncovered", "uncovered set"},
          std::tuple{"banks", "banks", "Banks set"}})
        for (SConceptKey& region : RegionKeys(key, group, what))
            keys.push_back(std::move(region));
    const std::vector<SConceptKey> rest = {
        {"copeland", "copeland", kPoint, "estimated Copeland winner"},
        {"borda", "borda", kPoint, "mean ideal point of the members who vote"},
        {"power.<ID>", "power", kNumber, "power index of the member with that ID"},
        {"trimedian.vertices", "trimedian", kVertices, "corners of the tri-median polygon"},
        {"schattschneider.vertices", "schattschneider", kVertices,
         "corners of the Schattschneider polygon"},
        {"statistics.mean", "statistics", "[h, v], or null without members", "mean ideal point"},
        {"statistics.slope", "statistics", kNumberOrNull,
         "slope of the line v = intercept + slope h fitted to the ideal points"},
        {"statistics.intercept", "statistics", kNumberOrNull, "intercept of that line"},
        {"statistics.r", "statistics", kNumberOrNull, "correlation of h and v"},
        {"statistics.sigmaslope", "statistics", kNumberOrNull, "standard error of the slope"},
        {"statistics.sigmaintercept", "statistics", kNumberOrNull,
         "standard error of the intercept"},
        {"statistics.chi", "statistics", kNumberOrNull, "reduced chi-square of the fit"},
        {"histogram.h", "histogram", kCounts,
         "members per bin of the horizontal histogram, left to right"},
        {"histogram.v", "histogram", kCounts,
         "members per bin of the vertical histogram, bottom to top"},
        {"error", "", "text",
         "only when a group failed: \"group: message\" for each, joined by \"; \"; that group's "
         "keys are left out"}};
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

} // namespace

const std::vector<SConceptKey>& ConceptKeys() {
    static const std::vector<SConceptKey> keys = MakeKeys();
    return keys;
}

const SConceptKey* FindConceptKey(const std::string& key) {
    const std::vector<SConceptKey>& keys = ConceptKeys();
    const std::string name = key.rfind("power.", 0) == 0 ? "power.<ID>" : key;
    const auto found = std::find_if(keys.begin(), keys.end(),
                                    [&name](const SConceptKey& k) { return k.key == name; });
    return found == keys.end() ? nullptr : &*found;
}

std::string ConceptKeysMarkdown() {
    std::string text =
        "# Keys of `quelta-cli concepts`\n\n"
        "Made by `quelta-cli concepts --keys`; do not edit by hand.\n\n"
        "Keys come in this order. Text lines print a key, a colon and the values separated by "
        "blanks; `--json` and `--jsonl` give each key once with a number, a text, `null` or an "
        "array; `--csv` gives one row per value, numbered from 0 within its key. The group is "
        "the name `--only` takes; keys without a group are printed with every group. The "
        "region keys are left out when a concept has no region. `--json`, `--jsonl` and "
        "`--csv` lead each scenario with `file`: the scenario file or, with `--db`, the "
        "database (never its password).\n\n"
        "| Key | Group | Value | Meaning |\n|---|---|---|---|\n";
    for (const SConceptKey& key : ConceptKeys())
        text += "| `" + key.key + "` | " + (key.group.empty() ? "(all)" : key.group) + " | " +
                key.form + " | " + key.meaning + " |\n";
    return text;
}
