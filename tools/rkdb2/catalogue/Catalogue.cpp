#include "Catalogue.h"

#include "DataSourceListing.h"

#include <algorithm>
#include <cstring>

#include "db2/ByteLayout.h"
#include "db2/Db2Api.h"
#include "db2/Db2Files.h"
#include "db2/Db2Names.h"

namespace rkdb2 {
namespace {

// DB2's error text has at most 1022 characters.
constexpr int kMessageSize = 1024;

template <std::size_t N>
std::string Text(const char (&field)[N])
{
    return std::string(rk::bytes::TextUpToNul(field, N));
}

template <std::size_t N>
void Put(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

bool ReadNodes(rk::host::HostLibrary& library, std::vector<CatalogueNode>& nodes, std::string& error)
{
    // Room for a usual node directory at once; a larger one is read again
    // with room for all (and a node catalogued in between asks for a third).
    int capacity = 256;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::vector<RkNodeRecord> records(static_cast<std::size_t>(capacity));
        records[0].size = sizeof(RkNodeRecord);
        char message[kMessageSize] = {};
        int count = 0;
        if (library.RkListNodes(records.data(), capacity, &count, message, kMessageSize) != 1) {
            error = message;
            return false;
        }
        if (count <= capacity) {
            nodes.clear();
            for (int i = 0; i < count; ++i)
                nodes.push_back(NodeOf(records[static_cast<std::size_t>(i)]));
            return true;
        }
        capacity = count + 16;
    }
    error = "the node directory kept growing while it was read";
    return false;
}

const CatalogueNode* FindNode(const std::vector<CatalogueNode>& nodes, const std::string& name)
{
    const auto found = std::find_if(nodes.begin(), nodes.end(), [&](const CatalogueNode& node) {
        return rk::db2::EqualIgnoringCase(node.name, name);
    });
    return found != nodes.end() ? &*found : nullptr;
}

std::string ListError(rk::host::HostLibrary& library, RkDatabaseList* list)
{
    char text[kMessageSize] = {};
    library.CRkDatabaseListGetError(list, text, sizeof text);
    return text;
}

} // namespace

CatalogueNode NodeOf(const RkNodeRecord& record)
{
    CatalogueNode node;
    node.name = Text(record.nodeName);
    node.host = Text(record.hostName);
    node.service = Text(record.serviceName);
    node.protocol = record.protocol;
    node.security = record.security;
    node.comment = Text(record.comment);
    node.remoteInstance = Text(record.remoteInstance);
    node.systemName = Text(record.systemName);
    node.osType = record.osType;
    return node;
}

RkNodeRecord NodeRecordOf(const CatalogueNode& node)
{
    RkNodeRecord record{};
    record.size = sizeof record;
    record.protocol = node.protocol;
    record.security = node.security;
    Put(record.nodeName, node.name);
    Put(record.hostName, node.host);
    Put(record.serviceName, node.service);
    Put(record.comment, node.comment);
    return record;
}

RkDatabaseRecord DatabaseRecordOf(const CatalogueDatabase& database)
{
    RkDatabaseRecord record{};
    record.size = sizeof record;
    record.authentication = database.authentication;
    record.entryType = static_cast<char>(rk::db2::kEntryTypeRemote);
    Put(record.alias, database.alias);
    Put(record.databaseName, database.database);
    Put(record.nodeName, database.node);
    Put(record.comment, database.comment);
    Put(record.principal, database.principal);
    return record;
}

bool ReadCatalogue(rk::host::HostLibrary& library, Catalogue& catalogue, std::string& error)
{
    catalogue = Catalogue();
    if (!ReadNodes(library, catalogue.nodes, error))
        return false;
    RkDatabaseList* list = library.CRkDatabaseListNew();
    if (list == nullptr) {
        error = "the DB2 client cannot be loaded (" RK_DB2APP_FILE " or " RK_DB2SYS_FILE " missing or incomplete)";
        return false;
    }
    RkDatabaseEntry* entry = nullptr;
    if (library.CRkDatabaseListPopulate(list, &entry) != 1) {
        error = ListError(library, list);
        return false;
    }
    for (; entry != nullptr; entry = library.CRkDatabaseListNext(list)) {
        RkDatabaseRecord record{};
        record.size = sizeof record;
        if (library.RkGetDatabaseRecord(entry, &record) != 1) {
            error = "the library gave no record for a listed database";
            return false;
        }
        CatalogueDatabase database;
        database.alias = Text(record.alias);
        database.database = Text(record.databaseName);
        database.node = Text(record.nodeName);
        database.authentication = record.authentication;
        database.principal = Text(record.principal);
        database.comment = Text(record.comment);
        database.altHost = Text(record.altHostName);
        database.altPort = Text(record.altPortNumber);
        const auto type = static_cast<unsigned char>(record.entryType);
        if (type == rk::db2::kEntryTypeIndirect)
            catalogue.leftOut.push_back({database.alias, "a local database: it lives on this machine"});
        else if (type != rk::db2::kEntryTypeRemote)
            catalogue.leftOut.push_back(
                {database.alias, "its entry type '" + std::string(1, record.entryType) + "' is not a remote entry"});
        else if (FindNode(catalogue.nodes, database.node) == nullptr) {
            catalogue.leftOut.push_back({database.alias, "its node " + database.node + " is not catalogued"});
            catalogue.orphans.push_back(std::move(database));
        } else
            catalogue.databases.push_back(std::move(database));
    }
    DataSourceListing sources;
    if (!ListDataSources(library, sources, error))
        return false;
    for (const auto& record : sources.sources)
        if (record.source != RKDB2_SOURCE_DIRECTORY)
            catalogue.fileSources.push_back(record);
    return true;
}

} // namespace rkdb2
