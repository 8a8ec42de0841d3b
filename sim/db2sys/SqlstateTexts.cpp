#include "SqlstateTexts.h"

namespace rk::sim {
namespace {

struct SqlstateText {
    const char* sqlstate; // five characters, or the two of a class
    const char* text;
};

// The SQLSTATEs the stand-in client produces, some common ones, and the
// classes. Wording follows DB2's SQLSTATE list where it is known; rows
// marked "nv" were not verified.
constexpr SqlstateText kTexts[] = {
    {"00000",
     "The operation completed successfully and did not result in any type of warning or exception condition."}, // nv
    {"01000", "A warning was returned."},                                                                       // nv
    {"01606", "The node or system database directory is empty."},
    {"02000", "No row was found for FETCH, UPDATE or DELETE; or the result of a query is an empty table."},
    {"08001", "The application requester is unable to establish the connection."},
    {"08003", "The connection does not exist."},
    {"08004", "The application server rejected establishment of the connection."},
    {"28000", "Authorization name is invalid."},
    {"2E000", "Connection name is not valid."},
    {"42501",
     "The authorization ID does not have the privilege to perform the specified operation on the identified object."},
    {"42601", "A character, token, or clause is invalid or missing."},
    {"42602", "A character that is invalid in a name has been detected."},
    {"42704", "An undefined object or constraint name was detected."},
    {"42705", "An undefined server-name was detected."},
    {"42710", "A duplicate object or constraint name was detected."},
    {"54029", "The maximum number of open directory scans has been reached."}, // nv
    {"57019", "The statement was not successful, because of a problem with a resource."},
    {"58004", "A system error (that does not necessarily preclude the successful execution of subsequent SQL "
              "statements) occurred."},
    {"58005", "A system error (that prevents the successful execution of subsequent SQL statements) occurred."},
    {"58031", "The connection was unsuccessful because of a system error."},
    // Classes: the text of a class code, and of an SQLSTATE of that class
    // that has no row of its own.
    {"00", "Successful Completion"}, // nv
    {"01", "Warning"},
    {"02", "No Data"},
    {"07", "Dynamic SQL Error"},
    {"08", "Connection Exception"},
    {"22", "Data Exception"},
    {"23", "Constraint Violation"},
    {"24", "Invalid Cursor State"},
    {"2E", "Invalid Connection Name"},
    {"40", "Transaction Rollback"},
    {"42", "Syntax Error or Access Rule Violation"},
    {"51", "Invalid Application State"},
    {"54", "SQL or Product Limit Exceeded"},
    {"55", "Object Not in Prerequisite State"},
    {"56", "Miscellaneous SQL or Product Error"},
    {"57", "Resource Not Available or Operator Intervention"},
    {"58", "System Error"},
};

} // namespace

const char* FindSqlstateText(const std::string& sqlstate)
{
    for (const auto& row : kTexts) {
        if (sqlstate == row.sqlstate)
            return row.text;
    }
    return nullptr;
}

} // namespace rk::sim
