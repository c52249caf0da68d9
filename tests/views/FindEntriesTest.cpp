#include "views/FindEntries.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "model/Member.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

class FindEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/triangle.txt"));
        form.SetListMode(LIST_MEMBERS);
    }
    std::vector<int> Find(const std::string& text, EFindKey key) {
        return FindListEntries(form.ListEntries(), text, key);
    }

    CRecordingPlatform platform;
    CScopedPlatform scoped{platform};
    CQueltaDoc doc;
    CInputForm form{doc};
};

TEST_F(FindEntriesTest, MembersAreFoundByAnyNameTheirAffiliationOrTheirCommittees) {
    doc.FindMember("XX0")->SetFirstName("Ada");
    doc.FindMember("XX0")->SetNominalAttribute("PARTY", "Green");
    doc.FindMember("XX2")->SetNominalAttribute("PARTY", "Evergreen League");
    EXPECT_EQ(Find("righ", EFindKey::Name), std::vector<int>{1}) << "part of a last name";
    EXPECT_EQ(Find("ADA", EFindKey::Name), std::vector<int>{0}) << "a first name, any case";
    doc.FindMember("XX2")->SetMiddleName("Quincy");
    EXPECT_EQ(Find("quin", EFindKey::Name), std::vector<int>{2}) << "a middle name";
    EXPECT_TRUE(Find("XX2", EFindKey::Name).empty()) << "the ID is no name";
    EXPECT_EQ(Find("green", EFindKey::Affiliation), (std::vector<int>{0, 2}));
    EXPECT_TRUE(Find("Ada", EFindKey::Affiliation).empty()) << "each key searches its own field";
    EXPECT_EQ(Find("Committee", EFindKey::Committee), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Find("c1", EFindKey::Committee), (std::vector<int>{0, 1, 2})) << "or its ID";
    EXPECT_TRUE(Find("Senate", EFindKey::Committee).empty());
    EXPECT_EQ(Find("  ", EFindKey::Affiliation), (std::vector<int>{0, 1, 2}))
        << "blank text lists every entry";
}

TEST_F(FindEntriesTest, CommitteesAreFoundByNameOrIdWhateverTheKey) {
    form.SetListMode(LIST_COMMITTEES);
    for (EFindKey key : {EFindKey::Name, EFindKey::Affiliation, EFindKey::Committee}) {
        EXPECT_EQ(Find("mitt", key), std::vector<int>{0});
        EXPECT_EQ(Find("C1", key), std::vector<int>{0});
        EXPECT_TRUE(Find("Left", key).empty()) << "member names are not committee names";
    }
}

} // namespace
