#include "document/RationalityPresets.h"

#include <gtest/gtest.h>

TEST(RationalityPresetsTest, EachModelBlursTheBlocksItNames) {
    const struct {
        const char* name;
        bool idealPoint;
        bool statusQuo;
    } cases[] = {
        {"Sincere", false, false},          {"Transaction Cost", false, true},
        {"Strategic - Core", true, false},  {"Strategic - Range", true, false},
        {"Uncertainty - Core", true, true}, {"Uncertainty - Range", true, true},
    };
    for (const auto& c : cases) {
        SRationalityFields fields;
        fields.answer.idealPoint.salience = 7.0;
        fields.answer.statusQuo.complementarity = 3.0;
        const int model = RationalityModelCode(c.name);
        ASSERT_GE(model, 0) << c.name;
        ApplyRationalityPreset(fields, model, 4);
        EXPECT_EQ(fields.answer.model, model) << c.name;
        EXPECT_EQ(fields.idealPointInUse, c.idealPoint) << c.name;
        EXPECT_EQ(fields.statusQuoInUse, c.statusQuo) << c.name;
        for (const auto* block : {&fields.answer.idealPoint, &fields.answer.statusQuo}) {
            const bool inUse = block == &fields.answer.idealPoint ? c.idealPoint : c.statusQuo;
            EXPECT_EQ(block->shape, inUse ? 4 : 0) << c.name;
            EXPECT_EQ(block->samples, inUse ? 10 : 1) << c.name;
            EXPECT_EQ(block->resolution, inUse ? 10.0 : 0.0) << c.name;
            EXPECT_EQ(block->salience, 1.0) << c.name;
            EXPECT_EQ(block->complementarity, 0.0) << c.name;
        }
    }
}

TEST(RationalityPresetsTest, PresetsKeepTheResolutionSourcesAndUnknownNamesChangeNothing) {
    SRationalityFields fields;
    fields.answer.idealPoint.useMemberSpread = true;
    ApplyRationalityPreset(fields, RationalityModelCode("Uncertainty - Range"), 5);
    EXPECT_TRUE(fields.answer.idealPoint.useMemberSpread);
    EXPECT_FALSE(fields.answer.statusQuo.useMemberSpread);

    EXPECT_EQ(RationalityModelCode("Uncertainty-Range"), -1);
    EXPECT_EQ(RationalityModelCode("sincere"), -1) << "the names compare exactly";
    const SRationalityFields before = fields;
    ApplyRationalityPreset(fields, RationalityModelCode("Bounded"), 3);
    EXPECT_EQ(fields.answer.model, before.answer.model);
    EXPECT_EQ(fields.answer.idealPoint.shape, before.answer.idealPoint.shape);
    EXPECT_EQ(fields.statusQuoInUse, before.statusQuoInUse);
}
