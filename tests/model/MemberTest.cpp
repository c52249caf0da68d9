#include "model/Member.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

CMember MakeMember(const std::string& first, const std::string& middle, const std::string& last) {
    CMember member(3, CFPoint(50, 50), CGridMap());
    member.SetFirstName(first);
    member.SetMiddleName(middle);
    member.SetLastName(last);
    return member;
}

} // namespace

TEST(MemberTest, FormatNameCodes) {
    CMember full = MakeMember("Ann", "B.", "Cole");
    full.SetNominalAttribute("PARTY", "Green");
    full.SetConstituencyGenus("NY");
    full.SetConstituencySpecies("12");
    struct SCase {
        const CMember* member;
        int code;
        const char* text;
    };
    const CMember lastOnly = MakeMember("", "", "Cole");
    const CMember noLast = MakeMember("Ann", "", "");
    CMember speciesOnly = MakeMember("", "", "Dee");
    speciesOnly.SetConstituencySpecies("At large");
    const SCase cases[] = {
        {&full, 0, ""},
        {&full, 2, "Ann B. Cole"},
        {&full, 4, "Cole, Ann B."},
        {&full, 16, "Ann Cole"},
        {&full, 32, "Cole, Ann"},
        {&full, 64, "Green"},
        {&full, 68, "Green Cole, Ann B."},
        {&full, 128, "NY-12"},
        {&full, 132, "NY-12 Cole, Ann B."},
        {&full, 224, "NY-12\tGreen\tCole, Ann"},
        {&full, 5, "ERROR: unrecognized format specification"},
        {&lastOnly, 32, "Cole"},
        {&lastOnly, 2, " Cole"},
        {&lastOnly, 64, ""},
        {&noLast, 32, "?"},
        {&noLast, 2, "?"},
        {&speciesOnly, 128, "At large"},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(c.member->FormatName(c.code), c.text) << "code " << c.code;
}

TEST(MemberTest, EffectiveVoteFollowsAbstentionAndWeighting) {
    CMember member(3, CFPoint(), CGridMap());
    member.SetVoteWeight(3.0);
    member.SetWeighted(0);
    EXPECT_EQ(member.EffectiveVote(), 1.0);
    member.SetWeighted(1);
    EXPECT_EQ(member.EffectiveVote(), 3.0);
    member.SetVoteWeight(-2.0);
    EXPECT_EQ(member.VoteWeight(), 3.0) << "a negative weight is ignored";
    member.SetPrefType(7);
    EXPECT_EQ(member.EffectiveVote(), 0.0) << "an abstaining member counts nothing";
    EXPECT_EQ(member.ReportedVoteWeight(), 3.0);
    EXPECT_EQ(CMember(0, CFPoint(), CGridMap()).PrefType(), 3);
    EXPECT_EQ(CMember(9, CFPoint(), CGridMap()).PrefType(), 3);
}

TEST(MemberTest, NewMemberPreferenceDefaultsDifferFromTheFreshRecord) {
    const CMember member(8, CFPoint(), CGridMap());
    EXPECT_EQ(member.Preference().prefType, 8);
    EXPECT_EQ(member.Preference().idealPoint.type, 0);
    EXPECT_EQ(member.Preference().idealPoint.samples, 1);
    EXPECT_EQ(PreferenceSpec().idealPoint.type, 3);
    EXPECT_EQ(PreferenceSpec().statusQuo.samples, 0);
}

TEST(MemberTest, RatingsPlaceTheMemberAndFillMissingSpread) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    const CRatingScale h("H", "Horizontal", 0, 100);
    const CRatingScale v("V", "Vertical", 0, 100);
    CMember member(3, CFPoint(30, 60), CGridMap());
    member.AddRating(h, 50.0, 0.0, 100);
    EXPECT_DOUBLE_EQ(member.FindRating("H")->StdDev, 5.0) << "sqrt(50 * 50 / 100)";
    member.SetHorizontalScale(&h);
    member.SetVerticalScale(&v);
    EXPECT_EQ(member.IdealPoint(), CFPoint(50, 60)) << "no vertical rating: status quo's y";
    EXPECT_EQ(member.Spread(), std::make_pair(5.0, 0.0));
    EXPECT_EQ(member.UpdateRating("V", 1, 1, 1), 0);
    EXPECT_EQ(member.UpdateRating("H", 20, 2.5, 4), 1);
    EXPECT_DOUBLE_EQ(member.FindRating("H")->StdDev, 2.5);
    member.AddRating(v, 0.0, -1.0, 10);
    EXPECT_DOUBLE_EQ(member.FindRating("V")->StdDev, 0.0) << "value 0 gives no spread";
}

TEST(MemberTest, RatingScaleRangeRule) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    const CRatingScale reversed("R", "Reversed", 80, 20);
    EXPECT_EQ(reversed.Scale_Min(), 20);
    EXPECT_EQ(reversed.Scale_Max(), 80);
    EXPECT_TRUE(platform.Messages().empty());
    const CRatingScale null("N", "Null", 30, 30);
    EXPECT_EQ(null.Scale_Min(), 30);
    EXPECT_EQ(null.Scale_Max(), 130);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text,
              "Rating scale Null has null range.\nLimits have been adjusted to 30.000000, "
              "130.000000.");
}
