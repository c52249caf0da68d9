#include "platform/CRand.h"
#include "platform/ErrorText.h"
#include "platform/HeadlessPlatform.h"
#include "thermograph/ThermographPool.h"

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <thread>

TEST(PlatformTest, ErrorBoxTextFollowsTheFixedLayout) {
    EXPECT_EQ(ErrorBoxText("DOC1", "log file exception"),
              "ERROR: DOC1\n\nlog file exception\n\n"
              "Please record this error message and contact\nOstrane Corporation\n\n"
              "Select CANCEL to exit Quelta.");
}

TEST(PlatformTest, ErrorTextsSplitBackIntoCodeMessageAndAdvice) {
    const std::optional<SErrorTextParts> internal =
        SplitErrorText(ErrorBoxText("SaveFile", "file exception\n\nThe disk is full."));
    ASSERT_TRUE(internal);
    EXPECT_TRUE(internal->internal);
    EXPECT_EQ(internal->code, "SaveFile");
    EXPECT_EQ(internal->message, "file exception\n\nThe disk is full.");
    EXPECT_EQ(internal->advice, "");
    const std::optional<SErrorTextParts> user =
        SplitErrorText(UserErrorText("DOC6.4", "could not be read.\n\nno such table", "Try."));
    ASSERT_TRUE(user);
    EXPECT_FALSE(user->internal);
    EXPECT_EQ(user->code, "DOC6.4");
    EXPECT_EQ(user->message, "could not be read.\n\nno such table");
    EXPECT_EQ(user->advice, "Try.");
    EXPECT_FALSE(SplitErrorText("The file format was not recognized:\nx.txt"));
    EXPECT_FALSE(SplitErrorText("ERROR: no paragraph"));
}

TEST(PlatformTest, ErrorBoxCancelEndsTheProgramAndOkContinues) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    ErrorBox("VIS1", "first");
    EXPECT_FALSE(platform.ExitRequested());
    platform.QueueAnswer(EMsgAnswer::Cancel);
    ErrorBox("VIS1", "second");
    EXPECT_TRUE(platform.ExitRequested());
    ASSERT_EQ(platform.Messages().size(), 2u);
    EXPECT_EQ(platform.Messages()[0].buttons, EMsgButtons::OkCancel);
    EXPECT_EQ(platform.Messages()[0].answer, EMsgAnswer::Ok);
    EXPECT_EQ(platform.Messages()[1].answer, EMsgAnswer::Cancel);
}

TEST(PlatformTest, DefaultAnswersAndScopedInstallation) {
    CRecordingPlatform platform;
    {
        CScopedPlatform scope(platform);
        EXPECT_EQ(Platform().MessageBox("q", "t", EMsgButtons::YesNoCancel), EMsgAnswer::Yes);
        EXPECT_EQ(Platform().MessageBox("q", "t", EMsgButtons::OkCancel), EMsgAnswer::Ok);
        {
            CWaitCursor wait;
            EXPECT_EQ(platform.WaitCursorDepth(), 1);
        }
        EXPECT_EQ(platform.WaitCursorDepth(), 0);
    }
    EXPECT_NE(&Platform(), &platform);
    platform.RequestCancelAfter(2);
    EXPECT_FALSE(platform.CancelRequested());
    EXPECT_FALSE(platform.CancelRequested());
    EXPECT_TRUE(platform.CancelRequested());
}

TEST(PlatformTest, ScopedPlatformsBelongToTheirThreadAndReachTheWorkersItStarts) {
    CRecordingPlatform installed, scoped;
    SetPlatform(&installed);
    CScopedPlatform scope(scoped);
    CPlatform* seenElsewhere = nullptr;
    std::thread([&] { seenElsewhere = &Platform(); }).join();
    EXPECT_EQ(&Platform(), &scoped);
    EXPECT_EQ(seenElsewhere, &installed) << "another thread saw this thread's scoped platform";
    std::mutex mutex;
    std::set<CPlatform*> seenByWorkers;
    CThermographPool::Run(8, 4, [&](int, int) {
        std::lock_guard lock(mutex);
        seenByWorkers.insert(&Platform());
    });
    EXPECT_EQ(seenByWorkers, std::set<CPlatform*>{&scoped});
    SetPlatform(nullptr);
}

TEST(PlatformTest, EachThreadDrawsItsOwnRandomSequence) {
    CRand::Seed(123456789);
    const int first = CRand::Next();
    CRand::Seed(123456789);
    int other = -1;
    std::thread([&] {
        CRand::Seed(99);
        other = CRand::Next();
    }).join();
    EXPECT_EQ(CRand::Next(), first) << "another thread's seed moved this thread's sequence";
    EXPECT_NE(other, first);
}
