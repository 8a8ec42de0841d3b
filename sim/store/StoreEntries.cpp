#include "StoreEntries.h"

#include <tuple>

namespace rk::sim::store {
namespace {

auto Fields(const NodeEntry& e)
{
    return std::tie(e.nodeName, e.hostName, e.serviceName, e.instanceName, e.remoteInstanceName, e.comment, e.osType,
                    e.protocol, e.security, e.systemName);
}

auto Fields(const DatabaseEntry& e)
{
    return std::tie(e.alias, e.databaseName, e.drivePath, e.internalName, e.nodeName, e.databaseType, e.comment,
                    e.entryType, e.authentication, e.catalogNodeNumber, e.altHostName, e.altPortNumber, e.principal);
}

} // namespace

bool operator==(const NodeEntry& left, const NodeEntry& right) { return Fields(left) == Fields(right); }
bool operator==(const DatabaseEntry& left, const DatabaseEntry& right) { return Fields(left) == Fields(right); }

} // namespace rk::sim::store
