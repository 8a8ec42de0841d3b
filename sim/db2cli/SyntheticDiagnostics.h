#pragma once
// Diagnostic records made up by the stand-in, for what a real driver cannot
// be made to report: texts longer than the caller's buffer, many long
// records, chosen native codes. RKDB2_SIM_DIAG replaces the driver's records:
//
//   RKDB2_SIM_DIAG="count=N,length=L1[:L2...],state=SSSSS,native=K,type=T"
//
//   count   records per handle (default 1); 0: no records at all
//   length  text length of record n: the n-th value, the last one for the
//           records beyond (default 20)
//   state   SQLSTATE of every record (default HY000)
//   native  native error code of every record (default 0)
//   type    only handles of this type (1 environment, 2 connection) get the
//           made-up records; the others keep the driver's (default: all)
//
// The text of record n is its length in one letter: 'a' for record 1, 'b'
// for record 2, and so on. A text longer than the caller's buffer is cut
// and reported with SQL_SUCCESS_WITH_INFO, as ODBC does.

#include <optional>
#include <string>
#include <vector>

#include "db2/Db2Api.h"

namespace rk::sim {

struct SyntheticDiagnostics {
    int count = 1;
    std::vector<int> lengths{20};
    std::string state = "HY000";
    db2::CliInteger native = 0;
    short handleType = 0; // 0: every handle type

    // The configured records, if RKDB2_SIM_DIAG is set.
    static std::optional<SyntheticDiagnostics> FromEnvironment();
    static SyntheticDiagnostics Parse(const std::string& rules);

    bool Covers(short type) const { return handleType == 0 || handleType == type; }
    static std::string Text(int recordNumber, int length);

    // SQLGetDiagRec answered from the made-up records.
    db2::CliReturn GetRecord(db2::CliHandle handle, short recordNumber, unsigned char* sqlstate,
                             db2::CliInteger* nativeError, unsigned char* text, short bufferLength,
                             short* textLength) const;
};

} // namespace rk::sim
