#include "model/BaseVote.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "model/WinningSupport.h"

#include <algorithm>
#include <cmath>

double CVotingGame::VoteTotal() const {
    double total = 0.0;
    for (const CMember* member : m_members)
        if (m_absolute || member->PrefType() != PREF_ABSTAIN)
            total += BaseVote(*member);
    return total;
}

double CVotingGame::VoteDivision() const {
    const double total = VoteTotal();
    if (m_voteRule == 0.5)
        return std::trunc(total * 0.5);
    return std::trunc(total * m_voteRule + 1.0) - 1.0;
}

double CVotingGame::VoteQuota() const {
    const double total = VoteTotal();
    const double division = VoteDivision();
    const double needed = division + 0.5 > 0.0 ? std::trunc(division + 1.0) : std::trunc(division);
    return total < needed ? total : needed;
}

double CVotingGame::FractionForQuota(double quota) const {
    double total = VoteTotal();
    if (total <= 0.0)
        total = 0.0000001;
    return (quota - 0.5) / total;
}

std::pair<double, double> CVotingGame::WeightRange() const {
    if (m_members.empty())
        return {0.0, 0.0};
    double least = 0.0, greatest = 0.0;
    bool first = true;
    for (const CMember* member : m_members) {
        const double value = member->PrefType() == PREF_ABSTAIN ? 0.0 : BaseVote(*member);
        least = first ? value : std::min(least, value);
        greatest = first ? value : std::max(greatest, value);
        first = false;
    }
    return {least, greatest};
}

int CVotingGame::VotingMemberCount() const {
    return static_cast<int>(std::count_if(m_members.begin(), m_members.end(), [](const CMember* m) {
        return m->PrefType() != PREF_ABSTAIN;
    }));
}

std::vector<CMember*> CVotingGame::MembersFavoring(const CFPoint& point) const {
    std::vector<CMember*> favoring;
    for (CMember* member : m_members)
        if (member->Prefers(point))
            favoring.push_back(member);
    return favoring;
}

CMember* CVotingGame::Candidate(int k) const {
    for (CMember* member : m_members)
        if (member->Candidate() == 1 && k-- == 0)
            return member;
    return nullptr;
}

bool CVotingGame::PointBeatsStatusQuo(const CFPoint& point) const {
    return PointBeatsPoint(point, m_statusQuo);
}

bool CVotingGame::PointBeatsPoint(const CFPoint& point, const CFPoint& statusQuo) const {
    double support = 0.0;
    for (const CMember* member : m_members)
        if (member->SquaredDistance(point) <= member->SquaredDistance(statusQuo))
            support += BaseVote(*member);
    return support >= WinningSupport(VoteQuota());
}
