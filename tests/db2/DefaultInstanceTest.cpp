// The default DB2 instance read from the profile registry (the real Windows
// registry under Wine; the DB2INSTDEF environment variable on Linux).

#include <cstring>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "MachineDefaultInstance.h"
#include "db2/ByteLayout.h"
#include "db2/DefaultInstance.h"
#include "platform/ProfileRegistry.h"

namespace {

// The destination followed by guard bytes that must never change.
struct Destination {
    char name[rk::db2::kDefaultInstanceBufferSize];
    char guard[8];
};

std::string Read(const char* before = "PREVIOUS")
{
    Destination destination;
    std::memset(&destination, '#', sizeof destination);
    std::strcpy(destination.name, before);
    rk::db2::ReadDefaultInstanceName(destination.name, rk::platform::SystemProfileRegistry());
    EXPECT_EQ(std::string(8, '#'), std::string(destination.guard, 8)) << "written beyond the 12-byte destination";
    const std::string_view name = rk::bytes::TextUpToNul(destination.name, sizeof destination.name);
    EXPECT_LT(name.size(), sizeof destination.name) << "destination not terminated";
    return name.size() < sizeof destination.name ? std::string(name) : std::string();
}

class DefaultInstance : public testing::Test {
protected:
    void TearDown() override { rk::test::RemoveDefaultInstanceValue(); }
};

TEST_F(DefaultInstance, AbsentProfileOrValueGivesEmptyText)
{
    rk::test::RemoveDefaultInstanceKey();
    EXPECT_EQ("", Read("OLDNAME"));
    rk::test::SetDefaultInstance("DB2");
    rk::test::RemoveDefaultInstanceValue();
    EXPECT_EQ("", Read("OLDNAME"));
}

TEST_F(DefaultInstance, NamesUpToElevenCharactersArriveUnchanged)
{
    for (const std::string name : {"DB2", "DB2INST1", "ABCDEFGHIJK", "a b"}) {
        rk::test::SetDefaultInstance(name);
        EXPECT_EQ(name, Read()) << name;
    }
}

TEST_F(DefaultInstance, LongerNamesCountAsAbsentRatherThanCut)
{
    for (const std::size_t length : {12u, 100u, 255u, 256u, 300u}) {
        rk::test::SetDefaultInstance(std::string(length, 'N'));
        EXPECT_EQ("", Read()) << length << " characters";
    }
}

TEST_F(DefaultInstance, DataFillingTheWorkingBufferWithoutTerminatorCountsAsAbsent)
{
    rk::test::SetDefaultInstanceBytes(std::string(256, 'X'));
    EXPECT_EQ("", Read());
}

TEST_F(DefaultInstance, EveryCallReadsAfresh)
{
    rk::test::SetDefaultInstance("FIRST");
    EXPECT_EQ("FIRST", Read());
    rk::test::SetDefaultInstance("SECOND");
    EXPECT_EQ("SECOND", Read());
    rk::test::RemoveDefaultInstanceValue();
    EXPECT_EQ("", Read());
}

} // namespace
