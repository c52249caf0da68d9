#include "document/MemberIds.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "model/Member.h"
#include "platform/HeadlessPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>

namespace {

const char* const kHeader = "GAME PARAMETERS BEGIN\nGroup\tG\tC1\nDimension\tA\tD1\t0\t100\n"
                            "Dimension\tB\tD2\t0\t100\nDecision Rule\tr\t0.5\n"
                            "Status Quo\tr\tr\t50\t50\nProposal\tr\tr\t50\t50\n";

TEST(MemberIdsTest, TheIndexRenamesExactlyAsTheScanDoes) {
    // IDs that collide with the renamed ones (X-2 given before the second X, X-2-2, ...)
    // are where a shortcut would go wrong.
    const std::vector<std::string> alphabet = {"X", "X-2", "X-3", "X-2-2", "Y", "X-10", "", "Y-2"};
    std::mt19937 random(29);
    for (int run = 0; run < 20; ++run) {
        CMemberIds ids;
        std::vector<std::string> taken;
        for (int i = 0; i < 300; ++i) {
            const std::string& id = alphabet[random() % alphabet.size()];
            const std::string expected = UniqueMemberIdByScan(taken, id);
            ASSERT_EQ(ids.Claim(id), expected) << "run " << run << " member " << i;
            taken.push_back(expected);
        }
    }
}

TEST(MemberIdsTest, ManyMembersSharingAnIdGetDistinctIdsInFileOrder) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("twins.txt").toStdString();
    {
        std::ofstream file(path);
        file << kHeader << "Player\tFirst\tX-3\t10\t10\n";
        for (int i = 0; i < 2000; ++i)
            file << "Player\tTwin\tX\t" << 10 + i % 80 << "\t" << 20 + i % 70 << "\n";
        file << "GAME PARAMETERS END\n";
    }
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    ASSERT_TRUE(ReadScenarioFile(doc, path));
    const auto& members = doc.Header().upperHouse.members;
    ASSERT_EQ(members.size(), 2001u);
    std::set<std::string> distinct;
    for (const auto& member : members)
        distinct.insert(member->MemberID());
    EXPECT_EQ(distinct.size(), 2001u);
    EXPECT_EQ(members[1]->MemberID(), "X");
    EXPECT_EQ(members[2]->MemberID(), "X-2");
    EXPECT_EQ(members[3]->MemberID(), "X-4") << "X-3 was taken by the first player";
    EXPECT_EQ(members[2000]->MemberID(), "X-2001");
    ASSERT_EQ(platform.MessageTexts().size(), 1u) << "one message, however many are renamed";
    EXPECT_EQ(platform.MessageTexts()[0],
              "Member IDs are used by more than one player; the later players are renamed: X to "
              "X-2, X to X-4, X to X-5, X to X-6, X to X-7, X to X-8, X to X-9, X to X-10, X to "
              "X-11, X to X-12, and 1989 more.");
}

TEST(MemberIdsTest, ALongReadStopsWhenCancelledWithoutAFormatMessage) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("long.txt").toStdString();
    {
        std::ofstream file(path);
        file << kHeader;
        for (int i = 0; i < 20000; ++i)
            file << "# a comment line\n";
        file << "Player\tL\tM\t20\t25\nGAME PARAMETERS END\n";
    }
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    platform.RequestCancelAfter(1);
    EXPECT_FALSE(ReadScenarioFile(doc, path));
    EXPECT_TRUE(platform.MessageTexts().empty());
    EXPECT_FALSE(doc.IsReady());
    EXPECT_LE(platform.CancelPolls(), 3) << "polled every few thousand lines, not every line";

    // The same file in the XY format's shape stops the same way.
    const std::string xy = dir.filePath("long-xy.txt").toStdString();
    {
        std::ofstream file(xy);
        for (int i = 0; i < 12000; ++i)
            file << "M" << i << " " << i % 100 << " " << (i * 7) % 100 << "\n";
    }
    platform.RequestCancelAfter(1);
    EXPECT_FALSE(ReadScenarioFile(doc, xy));
    EXPECT_TRUE(platform.MessageTexts().empty());
    platform.RequestCancelAfter(-1);
    ASSERT_TRUE(ReadScenarioFile(doc, xy));
    EXPECT_EQ(doc.Game().Members().size(), 12000u);
}

} // namespace
