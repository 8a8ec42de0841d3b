#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "boundary/TruncatingCopy.h"

using rk::boundary::LowSigned16;
using rk::boundary::TruncatingCopy;

namespace {

TEST(TruncatingCopy, FitsWholeAndLeavesBytesBehindTheTerminator)
{
    char buffer[10];
    std::memset(buffer, '#', sizeof buffer);
    TruncatingCopy("abc", buffer, sizeof buffer);
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ('#', buffer[4]);
    EXPECT_EQ('#', buffer[9]);
}

TEST(TruncatingCopy, CutsToSizeMinusOneAndTerminates)
{
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    TruncatingCopy(std::string(200, 'x'), buffer, 10);
    EXPECT_EQ(std::string(9, 'x'), std::string(buffer));
    EXPECT_EQ('#', buffer[10]) << "nothing written beyond the given size";
}

TEST(TruncatingCopy, SizeOneGetsOnlyTheTerminator)
{
    char buffer[4] = {'#', '#', '#', '#'};
    TruncatingCopy("text", buffer, 1);
    EXPECT_EQ('\0', buffer[0]);
    EXPECT_EQ('#', buffer[1]);
}

TEST(TruncatingCopy, NoTerminatorFitsSoNothingIsWritten)
{
    char buffer[4] = {'#', '#', '#', '#'};
    TruncatingCopy("text", buffer, 0);
    TruncatingCopy("text", buffer, -5);
    TruncatingCopy("text", nullptr, 10);
    EXPECT_EQ(std::string(4, '#'), std::string(buffer, 4));
}

TEST(TruncatingCopy, ExactFitUsesEveryByte)
{
    char buffer[5];
    TruncatingCopy("abcd", buffer, 5);
    EXPECT_STREQ("abcd", buffer);
}

TEST(LowSigned16, KeepsOnlyTheLowSixteenBitsAsASignedNumber)
{
    EXPECT_EQ(10, LowSigned16(65546));
    EXPECT_EQ(1, LowSigned16(1));
    EXPECT_EQ(0, LowSigned16(65536));
    EXPECT_EQ(-1, LowSigned16(0xFFFF));
    EXPECT_EQ(32767, LowSigned16(32767));
    EXPECT_EQ(-32768, LowSigned16(32768));
}

} // namespace
