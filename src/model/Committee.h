#pragma once

#include <string>
#include <vector>

class CMember;

/// A group of members (a committee, or the group of a scenario file).
class CCommittee {
public:
    /// Builds an empty committee; a negative sub-level is stored as 0.
    CCommittee(int subLevel, std::string committeeId, std::string parentId, std::string name,
               std::string chair, std::string majorityLeader, std::string minorityLeader);

    int SubLevel() const { return m_subLevel; }
    const std::string& CommitteeID() const { return m_committeeId; }
    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    const std::string& ParentID() const { return m_parentId; }
    const std::string& Chair() const { return m_chair; }
    const std::string& MajorityLeader() const { return m_majorityLeader; }
    const std::string& MinorityLeader() const { return m_minorityLeader; }
    /// The parent committee, once the load has linked committees to their parents.
    CCommittee* Parent() const { return m_parent; }
    void SetParent(CCommittee* parent) { m_parent = parent; }

    const std::vector<CMember*>& Members() const { return m_members; }
    std::vector<CMember*>& Members() { return m_members; }
    void AddMember(CMember* member) { m_members.push_back(member); }
    /// Takes the member out of the list; false when it is not there.
    bool RemoveMember(const CMember* member);

    /// Clears every member's leader flag, then sets it on the chair and the two leaders.
    void MarkLeaders() const;

private:
    int m_subLevel = 0;
    std::string m_committeeId;
    std::string m_parentId;
    std::string m_name;
    std::string m_chair;
    std::string m_majorityLeader;
    std::string m_minorityLeader;
    CCommittee* m_parent = nullptr;
    std::vector<CMember*> m_members;
};

/// The list text of a committee: indented by its sub-level ("--" for level 1, "----" for level
/// 2), followed by " (%d)" with its member count.
std::string CommitteeEntryText(const CCommittee& committee);
