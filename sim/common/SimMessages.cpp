#include "SimMessages.h"

#include <iterator>

namespace rk::sim {
namespace {

// Every SQLCODE the stand-in produces, worded as DB2's English message
// catalog words it. Rows marked "nv" (wording or SQLSTATE) were not verified
// against DB2 and are plausible choices.
constexpr SqlcodeMessage kMessages[] = {
    // code   id          text                                                                sqlstate in text
    {0,     "SQL0000W", "Statement processing was successful.",                                   "00000", false},
    {-902,  "SQL0902C", "A system error occurred.  Subsequent SQL statements cannot be processed.  IBM software support reason code: \"%1\".", "58005", true},  // nv
    {-1000, "SQL1000N", "\"%1\" is not a valid database alias name.",                            "2E000", false}, // sqlstate nv
    {-1001, "SQL1001N", "\"%1\" is not a valid database name.",                                  "2E000", true},
    {-1005, "SQL1005N", "The database alias \"%1\" already exists in either the local database directory or system database directory.", "42710", false}, // sqlstate nv
    {-1013, "SQL1013N", "The database alias name or database name \"%1\" could not be found.",  "42705", true},
    {1014,  "SQL1014W", "There are no more entries in the directory, file, or list being scanned.", "02000", false}, // sqlstate nv
    {-1018, "SQL1018N", "The node name \"%1\" specified in the CATALOG NODE command already exists.", "42710", false}, // sqlstate nv
    {-1019, "SQL1019N", "The node name \"%1\" specified in the command is not valid.",          "42602", false}, // sqlstate nv
    {-1021, "SQL1021N", "The node name \"%1\" specified in the UNCATALOG NODE command was not found.", "42704", false}, // sqlstate nv
    {-1027, "SQL1027N", "The node directory cannot be found.",                                   "58031", false}, // sqlstate nv
    {-1031, "SQL1031N", "The database directory cannot be found on the indicated file system.",  "58031", false}, // sqlstate nv
    {1037,  "SQL1037W", "The node directory is empty.",                                          "01606", true},
    {-1038, "SQL1038C", "An I/O error occurred while accessing the node directory.",             "58031", true},
    {-1039, "SQL1039C", "An I/O error occurred while accessing the database directory.",         "58031", true},
    {-1056, "SQL1056N", "There are already eight database directory scans open.",                "54029", true},
    {1057,  "SQL1057W", "The system database directory is empty.",                               "01606", true},
    {-1095, "SQL1095N", "There are already eight node directory scans open.",                    "54029", true},
    {1100,  "SQL1100W", "The node name \"%1\" specified in the Catalog Database command has not been cataloged in the Node Directory.", "01000", false}, // sqlstate nv
    {-1332, "SQL1332N", "The host name \"%1\" is not valid.",                                    "42601", false}, // nv
    {-1333, "SQL1333N", "The service name \"%1\" is not valid.",                                 "42601", false}, // nv
    // SQL1039C's text as DB2 on UNIX numbers it.
    {-10004, "SQL10004C", "An I/O error occurred while accessing the database directory.",       "58031", true},
    {-2032, "SQL2032N", "The \"%1\" parameter is not valid.",                                    "42601", false}, // sqlstate nv
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

} // namespace rk::sim
