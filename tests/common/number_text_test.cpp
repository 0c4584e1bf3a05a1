#include "number_text.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberText, SpanishMoneyAndNumbers) {
    EXPECT_EQ(EuroText(1800), "18,00 €");
    EXPECT_EQ(EuroText(123405), "1.234,05 €");
    EXPECT_EQ(EuroText(7), "0,07 €");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(GroupedNumber(1000), "1.000");
    EXPECT_EQ(GroupedNumber(4782969), "4.782.969");
    EXPECT_EQ(HundredthsText(402), "4,02");
    EXPECT_EQ(HundredthsText(10000), "100,00");
}

}  // namespace
