#include "preferences/PairPerpendiculars.h"

#include "concepts/PowerIndex.h"
#include "model/Member.h"
#include "preferences/QuotaLineIndex.h"
#include "preferences/Yolk.h"

bool SPairPerpendiculars::Fits(const std::vector<SMemberPower>& ranked, double q, double t) const {
    if (!known || quota != q || total != t || ranking.size() != ranked.size())
        return false;
    for (std::size_t x = 0; x < ranked.size(); ++x)
        if (ranking[x] != ranked[x].member)
            return false;
    return true;
}

bool AddRecordedPairs(const SPairPerpendiculars& record, const CFPoint& statusQuo,
                      std::vector<CQuotaLine>& lines, SYolk& yolk) {
    const CFPoint centre = yolk.center;
    CQuotaLineIndex listed;
    for (const CQuotaLine& line : lines)
        listed.File(line.segment);
    bool added = false;
    for (const SPairPerpendiculars::SPair& pair : record.pairs) {
        const CMember* first = record.ranking[pair.i];
        const CMember* second = record.ranking[pair.j];
        const CFPoint& a = first->IdealPoint();
        const CFPoint& v = second->IdealPoint();
        // A member at the yolk centre stands across nothing from there.
        if (a == centre || v == centre)
            continue;
        yolk.extraPoints.push_back(a);
        yolk.extraPoints.push_back(v);
        const CFPoint d(v.x - a.x, v.y - a.y);
        CQuotaLine throughA{PerpendicularThrough(a, d), first, nullptr, record.total, record.quota};
        CQuotaLine throughV{PerpendicularThrough(v, d), second, nullptr, record.total,
                            record.quota};
        ClassifyWeighedLine(throughA, pair.throughI, statusQuo);
        ClassifyWeighedLine(throughV, pair.throughJ, statusQuo);
        for (const CQuotaLine& line : {throughA, throughV})
            if (listed.Insert(line.segment))
                lines.push_back(line);
        added = true;
    }
    return added;
}
