#include "CallOutcome.h"

#include <algorithm>
#include <cstring>

#include "SimMessages.h"

namespace rk::sim {

void FillSqlca(db2::Sqlca& ca, const CallOutcome& outcome, const char* module)
{
    ca = db2::Sqlca{};
    bytes::WriteBlankPadded(ca.bytes, db2::kSqlcaId, "SQLCA");
    bytes::WriteI32(ca.bytes, db2::kSqlcaBcOffset, static_cast<std::int32_t>(db2::kSqlcaSize));
    db2::SetSqlcode(ca, outcome.sqlcode);

    std::string tokens;
    for (std::size_t i = 0; i < outcome.tokens.size(); ++i) {
        if (i > 0)
            tokens += static_cast<char>(db2::kSqlcaTokenSeparator);
        tokens += outcome.tokens[i];
    }
    tokens.resize(std::min(tokens.size(), db2::kSqlcaErrmc.width));
    bytes::WriteI16(ca.bytes, db2::kSqlcaErrmlOffset, static_cast<std::int16_t>(tokens.size()));
    std::memcpy(ca.bytes + db2::kSqlcaErrmc.offset, tokens.data(), tokens.size());

    bytes::WriteBlankPadded(ca.bytes, db2::kSqlcaErrp, module);
    std::memset(ca.bytes + db2::kSqlcaWarn.offset, ' ', db2::kSqlcaWarn.width);
    const SqlcodeMessage* message = FindSqlcodeMessage(outcome.sqlcode);
    bytes::WriteBlankPadded(ca.bytes, db2::kSqlcaSqlstate, message != nullptr ? message->sqlstate : "");
}

} // namespace rk::sim
