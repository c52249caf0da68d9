#include "views/GraphicsFile.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphicsFileTest, TheTypedExtensionDecidesElseTheChosenFilterIsAppended) {
    const struct {
        const char* typed;
        const char* filter;
        const char* name;
    } cases[] = {
        {"chart", "png", "chart.png"},
        {"chart", "bmp", "chart.bmp"},
        {"chart.png", "bmp", "chart.png"},
        {"chart.BMP", "png", "chart.BMP"},
        {"chart.Svg", "pdf", "chart.Svg"},
        {"chart.v2", "pdf", "chart.v2.pdf"},
        {"/tmp/dir.png/chart", "svg", "/tmp/dir.png/chart.svg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphicsFileName(c.typed, c.filter), c.name) << c.typed << " + " << c.filter;
    ASSERT_EQ(GraphicsFormats().size(), 4u);
    EXPECT_STREQ(GraphicsFormats().front().extension, "png") << "PNG is offered first";
}

} // namespace
