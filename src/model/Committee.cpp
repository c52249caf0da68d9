#include "model/Committee.h"

#include "model/Member.h"

#include <algorithm>
#include <cstdio>

CCommittee::CCommittee(int subLevel, std::string committeeId, std::string parentId,
                       std::string name, std::string chair, std::string majorityLeader,
                       std::string minorityLeader)
    : m_subLevel(std::max(subLevel, 0)), m_committeeId(std::move(committeeId)),
      m_parentId(std::move(parentId)), m_name(std::move(name)), m_chair(std::move(chair)),
      m_majorityLeader(std::move(majorityLeader)), m_minorityLeader(std::move(minorityLeader)) {}

bool CCommittee::RemoveMember(const CMember* member) {
    const auto it = std::find(m_members.begin(), m_members.end(), member);
    if (it == m_members.end())
        return false;
    m_members.erase(it);
    return true;
}

void CCommittee::MarkLeaders() const {
    for (CMember* member : m_members) {
        const std::string& id = member->MemberID();
        const bool leader =
            !id.empty() && (id == m_chair || id == m_majorityLeader || id == m_minorityLeader);
        member->SetLeader(leader ? 1 : 0);
    }
}

std::string CommitteeEntryText(const CCommittee& committee) {
    std::string prefix;
    if (committee.SubLevel() == 1)
        prefix = "--";
    else if (committee.SubLevel() == 2)
        prefix = "----";
    char count[32];
    std::snprintf(count, sizeof count, " (%d)", static_cast<int>(committee.Members().size()));
    return prefix + committee.Name() + count;
}
