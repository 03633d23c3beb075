#include "operations/SizeText.h"

#include <gtest/gtest.h>

TEST(SizeText, CutsAfterTwoDecimalsWithTheUsersSeparator)
{
    struct Case {
        std::int64_t bytes;
        const char* text;
    };
    const Case cases[] = {
        {0, "0 MB"},
        {734003, "0,69 MB"},
        {1048576, "1 MB"},
        {1572864, "1,5 MB"},
        {12945678, "12,34 MB"},
        {104857600, "100 MB"},
        {1, "0,00 MB"},     // 0,000000953…: cut after two decimals, never rounded
        {1048575, "0,99 MB"},
        {5LL * 1024 * 1024 * 1024, "5120 MB"},
        {5LL * 1024 * 1024 * 1024 + 7, "5120,00 MB"},
        {10485, "0,00 MB"}, // 0,0099…
        {10486, "0,01 MB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(operations::sizeText(c.bytes, ','), c.text) << c.bytes;
    EXPECT_EQ(operations::sizeText(1572864, '.'), "1.5 MB");
}
