#include <gtest/gtest.h>

#include "rkdb2rova.h"

extern "C" size_t RkDetailsSizeSeenFromC(void);
extern "C" size_t RkPlatformOffsetSeenFromC(void);

namespace {

TEST(PublicHeader, CAndCppSeeTheSameDetailsLayout)
{
    EXPECT_EQ(1755u, RkDetailsSizeSeenFromC());
    EXPECT_EQ(sizeof(DatabaseDetails), RkDetailsSizeSeenFromC());
    EXPECT_EQ(1705u, RkPlatformOffsetSeenFromC());
}

} // namespace
