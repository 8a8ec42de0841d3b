#pragma once
// What one call of the stand-in's db2app.dll reports through its sqlca.

#include <cstdint>
#include <string>
#include <vector>

#include "db2/Db2Api.h"

namespace rk::sim {

struct CallOutcome {
    std::int32_t sqlcode = 0;
    std::vector<std::string> tokens; // the message tokens of sqlerrmc
};

// Fills all 136 bytes as DB2 does: sqlcaid "SQLCA   ", sqlcabc 136, the
// SQLCODE, the tokens separated by 0xFF (at most 70 bytes), the reporting
// module in sqlerrp, blank warning flags and the SQLSTATE of the SQLCODE
// (SimMessages; five blanks for a code the stand-in does not know, such as
// an injected one). What sqlerrp holds was not verified: the stand-in puts
// the entry point's name there, e.g. "SQLENOPS".
void FillSqlca(db2::Sqlca& ca, const CallOutcome& outcome, const char* module);

} // namespace rk::sim
