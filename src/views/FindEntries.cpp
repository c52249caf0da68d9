#include "views/FindEntries.h"

#include "model/Committee.h"
#include "model/Member.h"

#include <QString>

namespace {

/// Whether `field` holds `text`, compared without regard to case.
bool Holds(const std::string& field, const QString& text) {
    return QString::fromStdString(field).contains(text, Qt::CaseInsensitive);
}

bool CommitteeMatches(const CCommittee& committee, const QString& text) {
    return Holds(committee.Name(), text) || Holds(committee.CommitteeID(), text);
}

bool MemberMatches(const CMember& member, const QString& text, EFindKey key) {
    switch (key) {
    case EFindKey::Name:
        return Holds(member.LastName(), text) || Holds(member.FirstName(), text) ||
               Holds(member.MiddleName(), text) || Holds(member.Label(), text);
    case EFindKey::Affiliation:
        return Holds(member.FormatName(NAME_PARTY), text);
    case EFindKey::Committee:
        for (const CCommittee* committee : member.Committees())
            if (committee && CommitteeMatches(*committee, text))
                return true;
        return false;
    }
    return false;
}

} // namespace

std::vector<int> FindListEntries(const std::vector<SFormListEntry>& entries,
                                 const std::string& text, EFindKey key) {
    const QString wanted = QString::fromStdString(text).trimmed();
    std::vector<int> found;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SFormListEntry& entry = entries[i];
        const bool matches = wanted.isEmpty() ||
                             (entry.committee && CommitteeMatches(*entry.committee, wanted)) ||
                             (entry.member && MemberMatches(*entry.member, wanted, key));
        if (matches)
            found.push_back(static_cast<int>(i));
    }
    return found;
}
