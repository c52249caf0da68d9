#include "document/MemberEditor.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

/// The member editor on the three-member triangle example.
class MemberEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/triangle.txt"));
        platform.Clear();
    }

    const CMember& Shown() const { return *editor.Current(); }
    std::vector<std::string> Messages() const { return platform.MessageTexts(); }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
    CMemberEditor editor{doc};
};

} // namespace

TEST_F(MemberEditorTest, NextAndPreviousWrapAroundWithTheirMessages) {
    ASSERT_EQ(Shown().LastName(), "Left");
    editor.Next();
    editor.Next();
    EXPECT_EQ(Shown().LastName(), "Top");
    EXPECT_TRUE(Messages().empty());
    editor.Next();
    EXPECT_EQ(Messages(), std::vector<std::string>{"past end of list"});
    EXPECT_EQ(Shown().LastName(), "Left") << "past the last comes the first";
    editor.Previous();
    EXPECT_EQ(Messages().back(), "past beginning of list");
    EXPECT_EQ(Shown().LastName(), "Top") << "before the first comes the last";

    platform.Clear();
    editor.SelectHouse(HOUSE_LOWER);
    EXPECT_EQ(editor.Current(), nullptr);
    EXPECT_EQ(editor.Index(), -1);
    editor.Next();
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "empty list");
    EXPECT_EQ(platform.Messages()[0].title, "ERROR");
    editor.SetBeta(0.5);
    EXPECT_FALSE(doc.IsModified()) << "an empty list has nobody to change";
}

TEST_F(MemberEditorTest, ShowMemberFindsTheMemberOrSaysItIsNotThere) {
    const CMember* top = doc.Header().currentCommittee->Members()[2];
    EXPECT_TRUE(editor.ShowMember(top));
    EXPECT_EQ(editor.Current(), top);
    EXPECT_EQ(editor.Index(), 2);
    CMember stranger(3, CFPoint(50, 50), doc.Game().GridMap());
    EXPECT_FALSE(editor.ShowMember(&stranger));
    EXPECT_EQ(Messages(), std::vector<std::string>{"m_pMem not found"});
    EXPECT_EQ(editor.Current(), top) << "the member shown stays";
}

TEST_F(MemberEditorTest, IndependentAndAbsoluteResetSalienceAndComplementarity) {
    editor.SetSalience(2.0);
    editor.SetAngle(30.0);
    EXPECT_DOUBLE_EQ(Shown().Preference().salience, 2.0);
    EXPECT_NEAR(Shown().Preference().complementarity, 0.5773502691896257, 1e-12);

    const SPreferenceFields fields = editor.ChoosePreferenceType(PREF_INDEPENDENT, 2.0, 30.0);
    EXPECT_EQ(Shown().PrefType(), PREF_INDEPENDENT);
    EXPECT_EQ(Shown().Preference().salience, 1.0);
    EXPECT_EQ(Shown().Preference().complementarity, 0.0);
    EXPECT_EQ(fields.salience, 1.0) << "the fields show the member again";
    EXPECT_EQ(fields.angle, 0.0);

    editor.ChoosePreferenceType(PREF_ABSOLUTE, 3.0, 10.0);
    EXPECT_EQ(Shown().PrefType(), PREF_ABSOLUTE);
    EXPECT_EQ(Shown().Preference().salience, 1.0);
    EXPECT_EQ(Shown().Preference().complementarity, 0.0);
}

TEST_F(MemberEditorTest, TradeOffAndCityBlockTakeTheFieldsAndOthersOnlyTheType) {
    editor.ChoosePreferenceType(PREF_CITYBLOCK, 2.0, 45.0);
    EXPECT_EQ(Shown().PrefType(), PREF_CITYBLOCK);
    EXPECT_EQ(Shown().Preference().salience, 2.0);
    EXPECT_NEAR(Shown().Preference().complementarity, 1.0, 1e-12);

    editor.ChoosePreferenceType(PREF_TRADEOFF, 1.5, 0.0);
    EXPECT_EQ(Shown().PrefType(), PREF_TRADEOFF);
    EXPECT_EQ(Shown().Preference().salience, 1.5);
    editor.SetAngle(45.0);
    EXPECT_NEAR(Shown().Preference().complementarity, 1.0, 1e-12);
    EXPECT_NEAR(editor.PreferenceFields().angle, 45.0, 1e-9);

    for (const int type : {PREF_UNIFIED, PREF_DIRECTIONAL, PREF_ABSTAIN}) {
        editor.ChoosePreferenceType(type, 9.0, 80.0);
        EXPECT_EQ(Shown().PrefType(), type);
        EXPECT_EQ(Shown().Preference().salience, 1.5) << "type " << type;
    }
    // An expected-utility member derives its salience from its ideal point (20, 25) and the
    // status quo (50, 50); the fields show what the member holds.
    const SPreferenceFields eum = editor.ChoosePreferenceType(PREF_EUM, 9.0, 80.0);
    EXPECT_EQ(Shown().PrefType(), PREF_EUM);
    EXPECT_DOUBLE_EQ(eum.salience, 30.0 / 25.0);
    EXPECT_EQ(eum.angle, 0.0);
}

TEST_F(MemberEditorTest, DiscountIntensityAndBetaLandInAllThreePlaces) {
    editor.SetBeta(0.5);
    editor.SetDiscount(0.25);
    editor.SetIntensity(2.0);
    const PreferenceSpec& spec = Shown().Preference();
    EXPECT_EQ(spec.beta, 0.5);
    EXPECT_EQ(spec.idealPoint.beta, 0.5);
    EXPECT_EQ(spec.statusQuo.beta, 0.5);
    EXPECT_EQ(spec.discount, 0.25);
    EXPECT_EQ(spec.idealPoint.discount, 0.25);
    EXPECT_EQ(spec.statusQuo.discount, 0.25);
    EXPECT_EQ(spec.intensity, 2.0);
    EXPECT_EQ(spec.idealPoint.intensity, 2.0);
    EXPECT_EQ(spec.statusQuo.intensity, 2.0);
    EXPECT_EQ(doc.Header().currentCommittee->Members()[1]->Preference().beta, 1.0)
        << "only the member shown changes";
}

TEST_F(MemberEditorTest, EveryWriteTellsTheGameAndMarksTheDocument) {
    doc.Game().GetWinSetArea();
    ASSERT_FALSE(doc.Game().Stale().IsStale(EConcept::WinSet));
    editor.SetVeto(true);
    EXPECT_EQ(Shown().Veto(), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.Game().Stale().IsStale(EConcept::WinSet)) << "the game was told";

    editor.SetRationalBox(false);
    EXPECT_EQ(Shown().Rational(), 1) << "a cleared box makes the member bounded-rational";
    editor.SetRationalBox(true);
    EXPECT_EQ(Shown().Rational(), 0);
    editor.SetCandidate(true);
    EXPECT_EQ(Shown().Candidate(), 1);
    editor.SetVoteWeight(3.0);
    editor.SetVoteWeight(-1.0);
    EXPECT_EQ(Shown().VoteWeight(), 3.0) << "a negative weight is ignored";
    editor.SetLastName("Port");
    editor.SetFirstName("Ann");
    editor.SetMiddleName("B");
    EXPECT_EQ(Shown().Label(), "Port") << "the last name is the label";
    EXPECT_EQ(Shown().FirstName(), "Ann");
    EXPECT_EQ(Shown().MiddleName(), "B");
}

TEST_F(MemberEditorTest, ARatingOnAnAxisMovesTheIdealPoint) {
    const std::string horizontal = doc.Header().horizontalScale->RatingID();
    editor.SetRatingValue(horizontal, 33.0);
    EXPECT_EQ(Shown().FindRating(horizontal)->Value, 33.0);
    EXPECT_EQ(Shown().IdealPoint().x, 33.0);
    EXPECT_EQ(Shown().IdealPoint().y, 25.0);
    const std::string vertical = doc.Header().verticalScale->RatingID();
    editor.SetRatingValue(vertical, 60.0);
    EXPECT_EQ(Shown().IdealPoint().y, 60.0);
    doc.SetModifiedFlag(false);
    editor.SetRatingValue("NO SUCH SCALE", 1.0);
    EXPECT_FALSE(doc.IsModified());
}

TEST(FieldNumberTest, ReadsAsTheCLibraryDoes) {
    EXPECT_EQ(FieldNumber("2.5"), 2.5);
    EXPECT_EQ(FieldNumber("  -3e1x"), -30.0);
    EXPECT_EQ(FieldNumber("abc"), 0.0);
    EXPECT_EQ(FieldNumber(""), 0.0);
    EXPECT_NEAR(ComplementarityOfAngle(45.0), 1.0, 1e-15);
    EXPECT_NEAR(AngleOfComplementarity(ComplementarityOfAngle(30.0)), 30.0, 1e-12);
}
