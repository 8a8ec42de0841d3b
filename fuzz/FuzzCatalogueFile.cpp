// rkdb2 apply's reader of a catalogue file from any bytes: it never crashes,
// refuses what it refuses with a place (a field's path or a line and
// column), and what it accepts holds only names DB2 takes, texts within
// DB2's limits and no entry twice.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "CatalogueFile.h"
#include "db2/Db2Api.h"
#include "db2/Db2Names.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool StartsWithAPlace(const std::string& error)
{
    return error.rfind("line ", 0) == 0 || error.rfind("nodes", 0) == 0 || error.rfind("databases", 0) == 0 ||
           error.rfind("(document)", 0) == 0 || error.find(": is not a part of a catalogue") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    rkdb2::Catalogue catalogue;
    std::string error;
    if (!rkdb2::ReadCatalogueFile(text, catalogue, error)) {
        Require(StartsWithAPlace(error));
        return 0;
    }
    namespace ni = rk::db2::nodeinfo;
    namespace di = rk::db2::dbinfo;
    for (std::size_t i = 0; i < catalogue.nodes.size(); ++i) {
        const rkdb2::CatalogueNode& node = catalogue.nodes[i];
        Require(rk::db2::IsValidNodeName(node.name));
        Require(!node.host.empty() && node.host.size() <= ni::kHostName.width);
        Require(!node.service.empty() && node.service.size() <= ni::kServiceName.width);
        Require(node.comment.size() <= ni::kComment.width);
        for (std::size_t j = 0; j < i; ++j)
            Require(!rk::db2::EqualIgnoringCase(node.name, catalogue.nodes[j].name));
    }
    for (std::size_t i = 0; i < catalogue.databases.size(); ++i) {
        const rkdb2::CatalogueDatabase& database = catalogue.databases[i];
        Require(rk::db2::IsValidDirectoryName(database.alias) && rk::db2::IsValidDirectoryName(database.database));
        Require(rk::db2::IsValidNodeName(database.node));
        Require(database.comment.size() <= di::kComment.width &&
                database.principal.size() <= rk::db2::kMaxPrincipalLength);
        Require(database.altHost.empty() == database.altPort.empty());
        for (std::size_t j = 0; j < i; ++j)
            Require(!rk::db2::EqualIgnoringCase(database.alias, catalogue.databases[j].alias));
    }
    return 0;
}
