#include "common/NumberText.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

TEST(NumberTextTest, ReadsWholeNumbersTheUsualWay) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"7", 7},
        {"45", 45},
        {"007", 7},
        {" 5", 5},
        {"+7", 7},
        {"-5", -5},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"5 ", std::nullopt},
        {"4a", std::nullopt},
        {"abc", std::nullopt},
        {"0x1F", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseInteger(text), expected) << '"' << text << '"';
}

}  // namespace
}  // namespace varo
