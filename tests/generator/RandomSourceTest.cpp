#include "generator/RandomSource.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

TEST(RandomSourceTest, KnownValuesFromStateZero) {
    RandomSource random;
    random.setState(0);
    EXPECT_EQ(random.nextBelow(500), 0u);
    EXPECT_EQ(random.state(), 1u);
    EXPECT_EQ(random.nextBelow(500), 15u);
    EXPECT_EQ(random.state(), 134775814u);
}

TEST(RandomSourceTest, BelowZeroAndOneIsZeroAndStillAdvances) {
    RandomSource random;
    random.setState(77);
    EXPECT_EQ(random.nextBelow(0), 0u);
    const std::uint32_t after = random.state();
    EXPECT_NE(after, 77u);
    EXPECT_EQ(random.nextBelow(1), 0u);
    EXPECT_NE(random.state(), after);
}

TEST(RandomSourceTest, StaysBelowTheBoundAndWrapsAround) {
    RandomSource random;
    random.setState(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i)
        EXPECT_LT(random.nextBelow(45), 45u);
    random.setState(static_cast<std::uint32_t>(-5));
    EXPECT_EQ(random.state(), 4294967291u);
}

}  // namespace
}  // namespace varo
