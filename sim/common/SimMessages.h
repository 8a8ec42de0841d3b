#pragma once
// The SQLCODEs the stand-in client knows: DB2's message id, the message as
// DB2 words it, and the SQLSTATE. db2app.dll fills the sqlca's SQLSTATE
// from here, db2sys.dll formats the message for sqlaintp_api.

#include <cstdint>
#include <vector>

namespace rk::sim {

struct SqlcodeMessage {
    std::int32_t sqlcode;
    const char* messageId; // "SQL1013N"
    const char* text;      // "%1" stands for the first sqlca token, "%2" the second
    const char* sqlstate;  // what the sqlca receives
    bool sqlstateInText;   // DB2's message ends with "  SQLSTATE=xxxxx"
};

// The row of `sqlcode`, or null when the stand-in does not know it.
const SqlcodeMessage* FindSqlcodeMessage(std::int32_t sqlcode);

// Every SQLCODE the stand-in knows, in the table's order.
std::vector<std::int32_t> KnownSqlcodes();

} // namespace rk::sim
