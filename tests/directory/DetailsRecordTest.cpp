// The DatabaseDetails record: slot positions, terminators, untouched bytes
// behind them, and texts longer than their slot.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "FakeDirectoryClient.h"
#include "FakeProfileRegistry.h"
#include "directory/CRkDatabaseEntry.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDetailsRecord.h"
#include "rkdb2rova.h"

using namespace rk::test;

namespace {

constexpr char kMarker = '#';

struct SlotView {
    std::size_t offset;
    std::size_t size;
};

// The slot's text up to its NUL, and whether every byte behind it is the marker.
struct SlotContent {
    std::string text;
    bool terminated = false;
    bool restUntouched = false;
};

SlotContent Read(const std::string& record, SlotView slot)
{
    SlotContent content;
    const std::size_t nul = record.find('\0', slot.offset);
    content.terminated = nul != std::string::npos && nul < slot.offset + slot.size;
    if (!content.terminated)
        return content;
    content.text = record.substr(slot.offset, nul - slot.offset);
    content.restUntouched = record.find_first_not_of(kMarker, nul + 1) >= slot.offset + slot.size;
    return content;
}

class DirectoryDetailsRecord : public testing::Test {
protected:
    FakeAppLib app;
    FakeProfileRegistry profile;
    CRkNodeList nodes{profile};
    std::string record = std::string(RKDB2_DETAILS_SIZE, kMarker);

    void SetUp() override
    {
        ASSERT_TRUE(app.IsLoaded());
        profile.defaultInstance = "DB2";
        Fake().nodes = {NodeRecord({"DB2SRV1", "db2.example.com", "50000", "DB2INST1", "", 18})};
        rk::db2::Sqlca ca{};
        ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    }

    std::unique_ptr<const CRkDatabaseEntry> Entry(const DatabaseInfo& info,
                                                  DirectoryRecordLayout layout = DirectoryRecordLayout::kExtended)
    {
        const Record bytes = DatabaseRecord(info);
        return CRkDatabaseEntry::Read(bytes.data(), layout, nodes);
    }

    void Write(const CRkDatabaseEntry& entry) { rk::directory::WriteDatabaseDetails(entry, &record[0]); }
};

TEST_F(DirectoryDetailsRecord, EmptyTextsWriteASingleNul)
{
    // Basic layout: no alternate server. Node N9 is not catalogued: no node texts.
    Write(*Entry({"ORPHAN", "ORPHAN", "", "", "N9", "", "", '1', 255, 0, "alt", "1"}, DirectoryRecordLayout::kBasic));
    for (std::size_t offset :
         {RKDB2_DETAILS_ALT_HOST_NAME_OFFSET, RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET, RKDB2_DETAILS_HOST_NAME_OFFSET,
          RKDB2_DETAILS_SERVICE_NAME_OFFSET, RKDB2_DETAILS_INSTANCE_NAME_OFFSET, RKDB2_DETAILS_PLATFORM_OFFSET}) {
        EXPECT_EQ('\0', record[offset]) << offset;
        EXPECT_EQ(kMarker, record[offset + 1]) << offset;
    }
}

TEST_F(DirectoryDetailsRecord, HostNamesFillTheirSlotAndA255ByteNameIsCutTo254)
{
    Fake().nodes = {NodeRecord({"H254", std::string(254, 'h'), "50000", "DB2INST1", "", 18}),
                    NodeRecord({"H255", std::string(255, 'h'), "50000", "DB2INST1", "", 18})};
    rk::db2::Sqlca ca{};
    ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    Write(*Entry({"DB", "DB", "", "", "H254", "", "", '1', 255, 0, std::string(254, 'a'), ""}));
    EXPECT_EQ(std::string(254, 'h'), Read(record, {RKDB2_DETAILS_HOST_NAME_OFFSET, 255}).text);
    EXPECT_EQ(std::string(254, 'a'), Read(record, {RKDB2_DETAILS_ALT_HOST_NAME_OFFSET, 255}).text);

    record.assign(RKDB2_DETAILS_SIZE, kMarker);
    Write(*Entry({"DB", "DB", "", "", "H255", "", "", '1', 255, 0, std::string(255, 'a'), ""}));
    EXPECT_EQ(std::string(254, 'h'), Read(record, {RKDB2_DETAILS_HOST_NAME_OFFSET, 255}).text);
    EXPECT_EQ(std::string(254, 'a'), Read(record, {RKDB2_DETAILS_ALT_HOST_NAME_OFFSET, 255}).text);
    EXPECT_EQ("50000", Read(record, {RKDB2_DETAILS_SERVICE_NAME_OFFSET, 50}).text) << "the next slot is intact";
    EXPECT_EQ("", Read(record, {RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET, 50}).text);
    EXPECT_EQ(kMarker, record[RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET + 1]);
}

} // namespace
