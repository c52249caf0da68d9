#include "views/LongConcepts.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "geometry/Rgn.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

class LongConceptsTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/five.txt"));
        doc.Config().nUncoveredSet = 8;
    }

    std::unique_ptr<CRgn> Uncovered() {
        const DisplayConfig& c = doc.Config();
        return doc.Game().GetUncoveredSetRgn(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS);
    }

    CRecordingPlatform platform;
    CScopedPlatform scoped{platform};
    CQueltaDoc doc;
};

TEST_F(LongConceptsTest, OnlyShownStaleConceptsArePending) {
    EXPECT_TRUE(PendingLongConcepts(doc).empty()) << "nothing shown";
    doc.Config().flagUncoveredSet = 1;
    doc.Config().flagHeart = 1;
    std::vector<SLongConcept> pending = PendingLongConcepts(doc);
    ASSERT_EQ(pending.size(), 2u);
    EXPECT_EQ(pending[0].name, "uncovered set");
    pending[0].compute();
    pending = PendingLongConcepts(doc);
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].name, "heart");
}

TEST_F(LongConceptsTest, PrecomputedConceptsEqualTheOnesComputedWhilePainting) {
    doc.Config().flagUncoveredSet = 1;
    for (const SLongConcept& pending : PendingLongConcepts(doc))
        pending.compute();
    const std::unique_ptr<CRgn> ahead = Uncovered();
    doc.Game().InvalidateAll();
    const std::unique_ptr<CRgn> direct = Uncovered();
    ASSERT_TRUE(ahead && direct);
    EXPECT_TRUE(ahead->EqualRgn(*direct));
}

TEST_F(LongConceptsTest, CancelledUncoveredSetStaysOutOfDateAndKeepsNoPartialResult) {
    for (int bjs : {0, 1}) {
        SCOPED_TRACE(bjs ? "four-pass method" : "grid method");
        doc.Config().bUncoveredSetBJS = bjs;
        doc.Game().InvalidateAll();
        const std::unique_ptr<CRgn> complete = Uncovered();
        ASSERT_TRUE(complete);
        doc.Game().InvalidateAll();
        platform.RequestCancelAfter(3);
        const DisplayConfig& c = doc.Config();
        doc.Game().FindUncoveredSet(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS);
        EXPECT_TRUE(doc.Game().Stale().IsStale(EConcept::UncoveredSet));
        platform.RequestCancelAfter(-1);
        const std::unique_ptr<CRgn> again = Uncovered();
        ASSERT_TRUE(again);
        EXPECT_TRUE(complete->EqualRgn(*again)) << "the rerun equals the uninterrupted run";
    }
}

} // namespace
