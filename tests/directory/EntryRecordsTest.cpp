// Directory records becoming entries: the field-copy rule, the code tables,
// the node entry's instance choices and the database entry's join.

#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "FakeDirectoryClient.h"
#include "FakeProfileRegistry.h"
#include "TestDirectoryRecords.h"
#include "directory/CRkDatabaseEntry.h"
#include "directory/CRkNodeEntry.h"
#include "directory/CRkNodeList.h"
#include "directory/CodeTexts.h"
#include "directory/TrimmedField.h"

using namespace rk::test;
using rk::directory::AuthenticationText;
using rk::directory::EntryTypeText;
using rk::directory::PlatformText;

namespace {

// The field as exactly `width` heap bytes, so that reading past it is caught
// by the address sanitizer.
std::string Trimmed(const std::string& bytes)
{
    const std::vector<unsigned char> field(bytes.begin(), bytes.end());
    return rk::directory::TrimmedField(field.data(), field.size());
}

TEST(DirectoryTrimmedField, CutsTrailingBlanksOnly)
{
    EXPECT_EQ("DB1", Trimmed("DB1     "));
    EXPECT_EQ("  DB1", Trimmed("  DB1   "));
    EXPECT_EQ("A B", Trimmed("A B     "));
    EXPECT_EQ("AB\t", Trimmed("AB\t     ")) << "only 0x20 counts as blank";
    EXPECT_EQ("ABCDEFGH", Trimmed("ABCDEFGH")) << "full width without NUL or blank";
    EXPECT_EQ(std::string(255, 'h'), Trimmed(std::string(255, 'h')));
}

TEST(DirectoryTrimmedField, EndsAtTheFirstNul)
{
    EXPECT_EQ("LOCAL", Trimmed(std::string("LOCAL\0\0\0", 8)));
    EXPECT_EQ("AB", Trimmed(std::string("AB\0XY   ", 8)));
    EXPECT_EQ("AB", Trimmed(std::string("AB  \0XY ", 8))) << "blanks before the NUL are cut too";
    EXPECT_EQ("", Trimmed(std::string("\0ABCDEFG", 8)));
}

TEST(DirectoryTrimmedField, WideFieldsAgreeWithAByteByByteReading)
{
    // The padding is cut in steps of 32 and 8 bytes: every text length and
    // NUL position around those steps, with single blanks inside the text
    // and with a text of two letters and only blanks between them.
    const auto byteByByte = [](const std::string& field) {
        std::string text = field.substr(0, field.find('\0'));
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    };
    for (const std::size_t width : {std::size_t{31}, std::size_t{64}, std::size_t{255}}) {
        for (std::size_t length = 0; length <= 2 * width; ++length) {
            std::string field(width, ' ');
            const bool sparse = length > width;
            const std::size_t textLength = sparse ? length - width : length;
            for (std::size_t i = 0; i < textLength; ++i)
                field[i] = (sparse ? i == 0 || i + 1 == textLength : i % 9 != 4) ? 'a' : ' ';
            EXPECT_EQ(byteByByte(field), Trimmed(field)) << width << "/" << length;
            if (textLength < width) {
                field[textLength] = '\0';
                EXPECT_EQ(byteByByte(field), Trimmed(field)) << width << "/" << length << " with a NUL";
                field[width - 1] = 'z';
                EXPECT_EQ(byteByByte(field), Trimmed(field)) << width << "/" << length << " with a NUL, then text";
            }
        }
    }
}

TEST(DirectoryTrimmedField, BlankOrNulArraysGiveEmptyText)
{
    EXPECT_EQ("", Trimmed(std::string(8, ' ')));
    EXPECT_EQ("", Trimmed(std::string(8, '\0')));
}

// Every value of each code once: which ones have a text, that no two share
// one, that each fits what an entry sets aside, and the spellings hosts match
// on, DB2's own typos included.
TEST(DirectoryCodeTexts, EachCodeHasItsOwnTextThatFitsAnEntry)
{
    const struct {
        const char* table;
        std::string_view (*text)(std::uint32_t);
        std::uint32_t last; // the code's largest value
        std::uint32_t count;
        std::string_view fallback;
        std::vector<std::pair<std::uint32_t, std::string_view>> spellings;
    } tables[] = {
        {"entry type",
         [](std::uint32_t v) { return EntryTypeText(static_cast<unsigned char>(v)); },
         0xFF,
         5,
         "",
         {{'0', "SQL_INDIRECT"}, {'1', "SQL_REMOTE"}, {'4', "SQL_LDPA"}}},
        {"authentication",
         [](std::uint32_t v) { return AuthenticationText(static_cast<std::uint16_t>(v)); },
         0xFFFF,
         14,
         "",
         {{0, "On Server"}, {8, "Kerberos or Server with Envrypt"}, {255, "Not Specified"}}},
        {"platform",
         [](std::uint32_t v) { return PlatformText(static_cast<std::uint16_t>(v)); },
         0xFFFF,
         23,
         "????????",
         {{0, "UNKNOWN"}, {8, "Z/OS"}, {18, "Linux"}, {400, "AS/400"}}},
    };
    for (const auto& table : tables) {
        SCOPED_TRACE(table.table);
        std::set<std::string_view> texts;
        std::uint32_t withText = 0;
        for (std::uint32_t value = 0; value <= table.last; ++value) {
            const std::string_view text = table.text(value);
            EXPECT_LE(text.size(), rk::directory::kMaxCodeTextLength) << value;
            if (text == table.fallback)
                continue;
            ++withText;
            EXPECT_TRUE(texts.insert(text).second) << value << " shares " << text;
        }
        EXPECT_EQ(table.count, withText);
        for (const auto& [value, spelling] : table.spellings)
            EXPECT_EQ(spelling, table.text(value)) << value;
    }
}

TEST(DirectoryNodeEntry, TakesItsFieldsFromTheRecord)
{
    const Record record = NodeRecord({"DB2SRV1", "db2.example.com", "50000", "DB2", "DB2INST1", 18});
    const CRkNodeEntry node(record.data(), "DEFAULT");
    EXPECT_EQ("DB2SRV1", node.nodeName);
    EXPECT_EQ("db2.example.com", node.hostName);
    EXPECT_EQ("50000", node.serviceName);
    EXPECT_EQ("DB2", node.instanceName) << "the instance name comes before the remote one";
    EXPECT_EQ("Linux", node.platform);

    const Record longHost = NodeRecord({"N1", std::string(255, 'h'), "1", "I", "", 4});
    EXPECT_EQ(std::string(255, 'h'), CRkNodeEntry(longHost.data(), "").hostName);
}

TEST(DirectoryNodeEntry, ZosNodeIsItsDatabasesOwnInstance)
{
    const Record record = NodeRecord({"ZNODE", "mvs.example.com", "446", "DB2", "DB2INST1", 8});
    const CRkNodeEntry node(record.data(), "DEFAULT");
    EXPECT_EQ("?", node.instanceName);
    EXPECT_EQ("Z/OS", node.platform);
}

TEST(DirectoryNodeEntry, InstanceFallsBackToRemoteInstanceThenTheDefaultInstanceGiven)
{
    const Record remote = NodeRecord({"N1", "h", "1", "", "INST5", 18});
    EXPECT_EQ("INST5", CRkNodeEntry(remote.data(), "DB2").instanceName);

    const Record neither = NodeRecord({"N1", "h", "1", "", "", 18});
    EXPECT_EQ("", CRkNodeEntry(neither.data(), "").instanceName) << "no default instance";
    EXPECT_EQ("DB2", CRkNodeEntry(neither.data(), "DB2").instanceName);
    EXPECT_EQ("DB2OTHER11", CRkNodeEntry(neither.data(), "DB2OTHER11").instanceName) << "not cut to the record's field";
}

// Database entries are built against a node list loaded from the fake.
class DirectoryDatabaseEntry : public testing::Test {
protected:
    FakeAppLib app;
    FakeProfileRegistry profile;
    CRkNodeList nodes{profile};

    void SetUp() override { ASSERT_TRUE(app.IsLoaded()); }

    void LoadNodes(std::vector<NodeInfo> infos)
    {
        for (const auto& info : infos)
            Fake().nodes.push_back(NodeRecord(info));
        rk::db2::Sqlca ca{};
        ASSERT_TRUE(nodes.LoadNodeDirectory(app.Lib(), ca));
    }

    std::unique_ptr<const CRkDatabaseEntry> Extended(const DatabaseInfo& info)
    {
        const Record record = DatabaseRecord(info);
        return CRkDatabaseEntry::Read(record.data(), DirectoryRecordLayout::kExtended, nodes);
    }
};

TEST_F(DirectoryDatabaseEntry, TakesItsFieldsAndJoinsItsNode)
{
    LoadNodes({{"DB2SRV1", "db2.example.com", "50000", "DB2", "", 18}});
    const auto entry = Extended({"SAMPLE", "SAMPLEDB", "C:", "SQL00001", "DB2SRV1", "9.07", "Sample database", '1', 4,
                                 0, "alt.example.com", "50001"});
    EXPECT_EQ("SAMPLE", entry->Alias());
    EXPECT_EQ("SAMPLEDB", entry->DatabaseName());
    EXPECT_EQ("C:", entry->DrivePath());
    EXPECT_EQ("SQL00001", entry->InternalName());
    EXPECT_EQ("DB2SRV1", entry->NodeName());
    EXPECT_EQ("9.07", entry->DatabaseType());
    EXPECT_EQ("Sample database", entry->Comment());
    EXPECT_EQ("SQL_REMOTE", entry->EntryType());
    EXPECT_EQ("At Server with encrypt", entry->Authentication());
    EXPECT_EQ("alt.example.com", entry->AltHostName());
    EXPECT_EQ("50001", entry->AltPortNumber());
    EXPECT_EQ("db2.example.com", entry->HostName());
    EXPECT_EQ("50000", entry->ServiceName());
    EXPECT_EQ("DB2", entry->InstanceName());
    EXPECT_EQ("Linux", entry->Platform());
}

TEST_F(DirectoryDatabaseEntry, BasicRecordHasNoAlternateServer)
{
    LoadNodes({});
    const Record full = DatabaseRecord({"SAMPLE", "SAMPLE", "", "", "", "", "", '0', 255, 0, "alt", "1"});
    // Exactly the basic record's bytes: nothing behind them may be read.
    const Record basic(full.begin(), full.begin() + rk::db2::dbinfo::kBasicSize);
    const auto entry = CRkDatabaseEntry::Read(basic.data(), DirectoryRecordLayout::kBasic, nodes);
    EXPECT_EQ("SAMPLE", entry->Alias());
    EXPECT_EQ("", entry->AltHostName());
    EXPECT_EQ("", entry->AltPortNumber());
}

TEST_F(DirectoryDatabaseEntry, NodelessDatabaseOnPartitionZeroJoinsTheLocalNode)
{
    profile.defaultInstance = "DB2";
    LoadNodes({{"N1", "h", "1", "I", "", 18}});
    const auto local = Extended({"LOCALDB", "LOCALDB", "C:", "SQL00002", "", "", "", '0', 0, 0, "", ""});
    EXPECT_EQ("LOCAL", local->NodeName());
    EXPECT_EQ("DB2", local->InstanceName());
    EXPECT_EQ("Windows", local->Platform());
    EXPECT_EQ("", local->HostName());
    EXPECT_EQ("", local->ServiceName());

    const auto partitioned = Extended({"PARTDB", "PARTDB", "C:", "", "", "", "x", '0', 0, 1, "", ""});
    EXPECT_EQ("", partitioned->NodeName());
    EXPECT_EQ("", partitioned->InstanceName());
    EXPECT_EQ("", partitioned->Platform());
    EXPECT_EQ("x", partitioned->Comment());
}

TEST_F(DirectoryDatabaseEntry, UnmatchedNodeLeavesTheNodeTextsEmpty)
{
    LoadNodes({{"N1", "h1", "1", "I1", "", 18}});
    for (const char* node : {"N2", "n1", "N"}) {
        const auto entry = Extended({"DB", "DB", "", "", node, "t", "c", '1', 1, 0, "", ""});
        EXPECT_EQ(node, entry->NodeName());
        EXPECT_EQ("", entry->HostName()) << node;
        EXPECT_EQ("", entry->ServiceName()) << node;
        EXPECT_EQ("", entry->InstanceName()) << node;
        EXPECT_EQ("", entry->Platform()) << node;
        EXPECT_EQ("On Client", entry->Authentication());
    }
}

TEST_F(DirectoryDatabaseEntry, ZosNodeShowsTheDatabaseNameAsInstance)
{
    LoadNodes({{"ZNODE", "mvs", "446", "DB2", "", 8}});
    const auto entry = Extended({"ZALIAS", "DSNDB01", "", "", "ZNODE", "", "", '1', 2, 0, "", ""});
    EXPECT_EQ("DSNDB01", entry->InstanceName());
    EXPECT_EQ("Z/OS", entry->Platform());
}

TEST_F(DirectoryDatabaseEntry, FindNodeComparesWholeNamesExactlyAndTakesTheFirst)
{
    EXPECT_EQ(nullptr, nodes.FindNode("LOCAL")) << "never loaded: empty";
    LoadNodes(
        {{"NODE1", "first", "1", "I", "", 18}, {"", "blank", "2", "I", "", 18}, {"NODE1", "second", "3", "I", "", 18}});
    ASSERT_NE(nullptr, nodes.FindNode("NODE1"));
    EXPECT_EQ("first", nodes.FindNode("NODE1")->hostName);
    EXPECT_EQ(nullptr, nodes.FindNode("node1"));
    EXPECT_EQ(nullptr, nodes.FindNode("NODE"));
    EXPECT_EQ(nullptr, nodes.FindNode("NODE1 "));
    ASSERT_NE(nullptr, nodes.FindNode(""));
    EXPECT_EQ("blank", nodes.FindNode("")->hostName);
}

} // namespace
