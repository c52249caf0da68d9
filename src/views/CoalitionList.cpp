#include "views/CoalitionList.h"

#include "document/QueltaDoc.h"
#include "model/Member.h"

SCoalition BuildCoalition(CQueltaDoc& doc) {
    const CVotingGame& game = doc.Game();
    const std::vector<CMember*> members = game.MembersFavoring(game.Proposal());
    SCoalition coalition;
    for (std::size_t i = 0; i < members.size() && i < kCoalitionMarks; ++i)
        coalition.marked.push_back(members[i]);
    const int format = doc.Header().sourceKind == SOURCE_DATABASE
                           ? NAME_CONSTITUENCY_PARTY_LAST_FIRST
                           : NAME_LAST_FIRST;
    coalition.lines = {"Members Preferring the Proposal:", ""};
    const std::size_t listed = static_cast<std::size_t>(std::max(0, doc.Config().nCoalition));
    for (std::size_t i = 0; i < members.size() && i < listed; ++i)
        coalition.lines.push_back(members[i]->FormatName(format));
    coalition.lines.push_back("Count: " + std::to_string(members.size()));
    if (members.size() > listed)
        coalition.lines.push_back("List trunctated (too long)");
    return coalition;
}
