// Null and foreign handles at the boundary: results as for a failure, and
// not a byte written into the host's buffers.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "HostLibrary.h"

namespace {

class NullHandle : public testing::Test {
protected:
    rk::host::HostLibrary library;
    // Memory that is not a handle the library handed out.
    alignas(8) unsigned char foreign[256] = {};

    void SetUp() override { ASSERT_TRUE(library.IsLoaded()); }
};

TEST_F(NullHandle, PopulateReturnsZeroAndLeavesTheVariable)
{
    auto* marker = reinterpret_cast<RkDatabaseEntry*>(foreign);
    RkDatabaseEntry* first = marker;
    EXPECT_EQ(0, library.CRkDatabaseListPopulate(nullptr, &first));
    EXPECT_EQ(marker, first);
    EXPECT_EQ(0, library.CRkDatabaseListPopulate(reinterpret_cast<RkDatabaseList*>(foreign), &first));
    EXPECT_EQ(marker, first);
}

TEST_F(NullHandle, NextReturnsNull)
{
    EXPECT_EQ(nullptr, library.CRkDatabaseListNext(nullptr));
    EXPECT_EQ(nullptr, library.CRkDatabaseListNext(reinterpret_cast<RkDatabaseList*>(foreign)));
}

TEST_F(NullHandle, GetErrorWritesNothing)
{
    char text[16];
    std::memset(text, '#', sizeof text);
    library.CRkDatabaseListGetError(nullptr, text, sizeof text);
    library.CRkDatabaseListGetError(reinterpret_cast<RkDatabaseList*>(foreign), text, sizeof text);
    EXPECT_EQ(std::string(sizeof text, '#'), std::string(text, sizeof text));
}

TEST_F(NullHandle, GetDatabaseDetailsWritesNothing)
{
    std::string record(RKDB2_DETAILS_SIZE, '#');
    library.GetDatabaseDetails(nullptr, &record[0]);
    library.GetDatabaseDetails(reinterpret_cast<RkDatabaseEntry*>(foreign), &record[0]);
    EXPECT_EQ(std::string(RKDB2_DETAILS_SIZE, '#'), record);
}

} // namespace
