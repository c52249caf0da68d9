#include "model/FormatNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

TEST(FormatNumberTest, WidthAndPrecisionFollowMagnitudeAndFraction) {
    struct SCase {
        double value;
        const char* text;
    };
    const SCase cases[] = {
        {12.5, "12.500"},     {50.0, "50"},           {0.25, "0.250"},
        {0.001, "0.00100"},   {250000.5, "2.500e+05"}, {0.0, "0"},
        {-12.5, "-12.500"},   {100.0, "100"},          {1e10, "     1e+10"},
        {1.0 / 3.0, "0.333"}, {2.0 / 3.0, "0.667"},    {99.0, "99"},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(FormatNumber(c.value), c.text) << "value " << c.value;
}

TEST(FormatNumberTest, NonFiniteValuesPrintPlainly) {
    EXPECT_EQ(FormatNumber(std::nan("")), "nan");
    EXPECT_EQ(FormatNumber(-HUGE_VAL), "-inf");
}

TEST(FormatNumberTest, KeepsAPointUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    const std::string text = FormatNumber(12.5);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, "12.500");
}
