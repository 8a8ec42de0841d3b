#include "SimMessages.h"

#include <iterator>

#include "SimCodes.h"
#include "db2/Db2Api.h"

namespace rk::sim {
namespace {

// Every SQLCODE the stand-in produces, worded as DB2's English message
// catalog words it. Rows marked "nv" (wording or SQLSTATE) were not verified
// against DB2 and are plausible choices.
constexpr SqlcodeMessage kMessages[] = {
    // code, message id, text, SQLSTATE, whether the text shows the SQLSTATE
    {0, "SQL0000W", "Statement processing was successful.", "00000", false},
    {kSqlSystemError, "SQL0902C",
     "A system error occurred.  Subsequent SQL statements cannot be processed.  IBM software support reason code: "
     "\"%1\".",
     "58005", true},                                                                                   // nv
    {db2::kSqlInvalidAlias, "SQL1000N", "\"%1\" is not a valid database alias name.", "2E000", false}, // sqlstate nv
    {db2::kSqlInvalidDatabaseName, "SQL1001N", "\"%1\" is not a valid database name.", "2E000", true},
    {db2::kSqlAliasExists, "SQL1005N",
     "The database alias \"%1\" already exists in either the local database directory or system database directory.",
     "42710", false}, // sqlstate nv
    {db2::kSqlAliasNotFound, "SQL1013N", "The database alias name or database name \"%1\" could not be found.", "42705",
     true},
    {db2::kSqlNoMoreEntries, "SQL1014W", "There are no more entries in the directory, file, or list being scanned.",
     "02000", false}, // sqlstate nv
    {db2::kSqlNodeExists, "SQL1018N", "The node name \"%1\" specified in the CATALOG NODE command already exists.",
     "42710", false}, // sqlstate nv
    {db2::kSqlInvalidNodeName, "SQL1019N", "The node name \"%1\" specified in the command is not valid.", "42602",
     false}, // sqlstate nv
    {db2::kSqlNodeNotFound, "SQL1021N", "The node name \"%1\" specified in the UNCATALOG NODE command was not found.",
     "42704", false},                                                                                    // sqlstate nv
    {db2::kSqlNodeDirectoryNotFound, "SQL1027N", "The node directory cannot be found.", "58031", false}, // sqlstate nv
    {db2::kSqlDatabaseDirectoryNotFound, "SQL1031N",
     "The database directory cannot be found on the indicated file system.", "58031", false}, // sqlstate nv
    {db2::kSqlNodeDirectoryEmpty, "SQL1037W", "The node directory is empty.", "01606", true},
    {kSqlNodeDirectoryIoError, "SQL1038C", "An I/O error occurred while accessing the node directory.", "58031", true},
    {kSqlDatabaseDirectoryIoError, "SQL1039C", "An I/O error occurred while accessing the database directory.", "58031",
     true},
    {db2::kSqlDatabaseScansExhausted, "SQL1056N", "There are already eight database directory scans open.", "54029",
     true},
    {db2::kSqlSystemDirectoryEmpty, "SQL1057W", "The system database directory is empty.", "01606", true},
    {db2::kSqlNodeScansExhausted, "SQL1095N", "There are already eight node directory scans open.", "54029", true},
    {db2::kSqlNodeNotCatalogued, "SQL1100W",
     "The node name \"%1\" specified in the Catalog Database command has not been cataloged in the Node Directory.",
     "01000", false},                                                                                     // sqlstate nv
    {db2::kSqlInvalidProtocol, "SQL1123N", "The protocol type \"%1\" is not supported.", "42601", false}, // nv
    {db2::kSqlAuthenticationNotSupported, "SQL1400N", "The authentication type \"%1\" is not supported.", "42601",
     false}, // nv
    {db2::kSqlAltServerIgnoredOnClient, "SQL1889W",
     "The request to update the alternate server for the database was ignored because the instance is a client "
     "instance.",
     "01000", false},                                                                                   // nv
    {db2::kSqlInvalidHostName, "SQL1332N", "The host name \"%1\" is not valid.", "42601", false},       // nv
    {db2::kSqlInvalidServiceName, "SQL1333N", "The service name \"%1\" is not valid.", "42601", false}, // nv
    // SQL1039C's text as DB2 on UNIX numbers it.
    {kSqlDatabaseDirectoryDamaged, "SQL10004C", "An I/O error occurred while accessing the database directory.",
     "58031", true},
    {kSqlParameterNotValid, "SQL2032N", "The \"%1\" parameter is not valid.", "42601", false}, // sqlstate nv
};

} // namespace

const SqlcodeMessage* FindSqlcodeMessage(std::int32_t sqlcode)
{
    for (const auto& message : kMessages) {
        if (message.sqlcode == sqlcode)
            return &message;
    }
    return nullptr;
}

std::vector<std::int32_t> KnownSqlcodes()
{
    std::vector<std::int32_t> codes;
    for (const auto& message : kMessages)
        codes.push_back(message.sqlcode);
    return codes;
}

} // namespace rk::sim
