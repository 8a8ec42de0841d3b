// The bound on the connection test's message: the text, terminator
// included, never passes RKDB2_CONNECT_MESSAGE_MAX bytes, and the open
// block's trailer always has room.

#include <string>

#include <gtest/gtest.h>

#include "connect/CRkConnectMessage.h"

namespace {

constexpr std::size_t kCapacity = RKDB2_CONNECT_MESSAGE_MAX;
const std::string kTrailer = "\n-------------------------\n";
// A record with native code 0 is its text plus 54 bytes.
constexpr std::size_t kRecordOverhead = 54;

class ConnectMessage : public testing::Test {
protected:
    std::string buffer = std::string(kCapacity + 16, '#');
    CRkConnectMessage message{&buffer[0]};

    std::string Text() const { return buffer.substr(0, buffer.find('\0')); }
    bool GuardIntact() const { return buffer.find_first_not_of('#', kCapacity) == std::string::npos; }

    // Fills the open block with one record that leaves `room` bytes free
    // beside the trailer and the terminator.
    void FillLeaving(std::size_t room)
    {
        const std::size_t free = kCapacity - 1 - static_cast<std::size_t>(message.Length()) - kTrailer.size();
        ASSERT_TRUE(message.AppendRecord("HY000", 0, std::string(free - room - kRecordOverhead, 'x').c_str()));
    }
};

TEST_F(ConnectMessage, RecordsAndTrailerInTheBlockFormat)
{
    ASSERT_TRUE(message.BeginBlock());
    ASSERT_TRUE(message.AppendRecord("08001", -30081, "first"));
    ASSERT_TRUE(message.AppendRecord("01000", 7, "second\n"));
    message.EndBlock();
    EXPECT_EQ("\n  SQLSTATE          = 08001\n  Native Error Code = -30081\nfirst\n"
              "\n  SQLSTATE          = 01000\n  Native Error Code = 7\nsecond\n\n" +
                  kTrailer,
              Text());
    EXPECT_EQ(static_cast<int>(Text().size()), message.Length());
}

TEST_F(ConnectMessage, RecordThatExactlyFillsTheBufferBesideTheTrailerIsWritten)
{
    ASSERT_TRUE(message.BeginBlock());
    FillLeaving(0);
    message.EndBlock();
    EXPECT_EQ(static_cast<int>(kCapacity - 1), message.Length());
    EXPECT_EQ('\0', buffer[kCapacity - 1]) << "the terminator takes the last byte";
    EXPECT_EQ(kTrailer, Text().substr(Text().size() - kTrailer.size()));
    EXPECT_TRUE(GuardIntact());
}

TEST_F(ConnectMessage, RecordOneByteTooLongIsDroppedAndEndsTheBlock)
{
    ASSERT_TRUE(message.BeginBlock());
    ASSERT_TRUE(message.AppendRecord("HY000", 0, "kept"));
    const int before = message.Length();
    const std::size_t free = kCapacity - 1 - static_cast<std::size_t>(before) - kTrailer.size();
    EXPECT_FALSE(message.AppendRecord("HY000", 0, std::string(free - kRecordOverhead + 1, 'x').c_str()));
    EXPECT_EQ(before, message.Length());
    EXPECT_EQ('#', buffer[static_cast<std::size_t>(before) + 1]) << "nothing of the dropped record is written";
    message.EndBlock();
    EXPECT_EQ("\n  SQLSTATE          = HY000\n  Native Error Code = 0\nkept\n" + kTrailer, Text());
}

TEST_F(ConnectMessage, LaterBlockNeedsRoomForItsTrailer)
{
    ASSERT_TRUE(message.BeginBlock());
    FillLeaving(kTrailer.size());
    message.EndBlock();
    ASSERT_TRUE(message.BeginBlock()) << "exactly a trailer's room is left";
    message.EndBlock();
    EXPECT_EQ(static_cast<int>(kCapacity - 1), message.Length());

    EXPECT_FALSE(message.BeginBlock()) << "no room for a third trailer";
    EXPECT_EQ(static_cast<int>(kCapacity - 1), message.Length());
    EXPECT_TRUE(GuardIntact());
}

TEST_F(ConnectMessage, BlockIsLeftOutWhenItsTrailerMissesByOneByte)
{
    ASSERT_TRUE(message.BeginBlock());
    FillLeaving(kTrailer.size() - 1);
    message.EndBlock();
    EXPECT_FALSE(message.BeginBlock());
    const auto length = static_cast<std::size_t>(message.Length());
    EXPECT_EQ(kCapacity - kTrailer.size(), length);
    EXPECT_EQ('\0', buffer[length]);
    EXPECT_EQ(std::string::npos, buffer.find_first_not_of('#', length + 1));
}

} // namespace
