// Directory records of any content, through the whole listing: a node
// record into the node list, a database record of each layout into an entry
// joined with it, and the entry into a DatabaseDetails record. No read or
// write outside a record (ASan), every slot terminated within itself, and
// nothing written around the details record.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FakeDirectoryClient.h"
#include "FakeProfileRegistry.h"
#include "directory/CRkDatabaseEntry.h"
#include "directory/CRkNodeList.h"
#include "directory/DatabaseDetailsRecord.h"
#include "rkdb2rova.h"

namespace {

constexpr std::size_t kSlotEnds[] = {50, 305, 355, 405, 455, 485, 535, 585, 840, 1095, 1145, 1400, 1655, 1705, 1755};
constexpr std::size_t kGuard = 64;

rk::test::Record Slice(const std::uint8_t*& data, std::size_t& size, std::size_t width)
{
    rk::test::Record record(width, 0);
    const std::size_t n = std::min(width, size);
    std::memcpy(record.data(), data, n);
    data += n;
    size -= n;
    return record;
}

void CheckDetails(const CRkDatabaseEntry& entry)
{
    std::vector<char> buffer(kGuard + RKDB2_DETAILS_SIZE + kGuard, '\x5A');
    char* record = buffer.data() + kGuard;
    rk::directory::WriteDatabaseDetails(entry, record);
    for (std::size_t i = 0; i < kGuard; ++i)
        if (buffer[i] != '\x5A' || record[RKDB2_DETAILS_SIZE + i] != '\x5A')
            std::abort();
    std::size_t start = 0;
    for (const std::size_t end : kSlotEnds) {
        if (std::memchr(record + start, '\0', end - start) == nullptr)
            std::abort();
        start = end;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static rk::test::FakeAppLib app;
    static rk::test::FakeProfileRegistry profile;
    static CRkNodeList nodes{profile};

    rk::test::Fake().nodes = {Slice(data, size, rk::db2::nodeinfo::kSize)};
    rk::test::Record database = Slice(data, size, rk::db2::dbinfo::kExtendedSize);
    rk::test::Fake().calls.clear();
    rk::db2::Sqlca ca{};
    if (!nodes.LoadNodeDirectory(app.Lib(), ca))
        std::abort();

    // The join must also find a fuzzed node name: give the database the
    // node's name field now and then.
    if (!database.empty() && (database[0] & 1) != 0)
        std::memcpy(database.data() + rk::db2::dbinfo::kNodeName.offset, rk::test::Fake().nodes[0].data(),
                    rk::db2::dbinfo::kNodeName.width);
    CheckDetails(*CRkDatabaseEntry::Read(database.data(), DirectoryRecordLayout::kExtended, nodes));
    CheckDetails(*CRkDatabaseEntry::Read(database.data(), DirectoryRecordLayout::kBasic, nodes));
    return 0;
}
