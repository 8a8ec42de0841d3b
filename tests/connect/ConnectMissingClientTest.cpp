// RkConnect without a usable CLI (no db2cli.dll, or one without
// SQLGetDiagRec): 0 on every call, and the host's outputs stay as they were.

#include <gtest/gtest.h>

#include "ConnectTestSupport.h"
#include "db2/Db2Files.h"

using namespace rk::test;

namespace {

TEST(ConnectMissingClient, ReturnsZeroTwiceWithoutWritingEitherOutput)
{
    rk::host::HostLibrary library;
    ASSERT_TRUE(library.IsLoaded());
    CallLog log;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        const auto outcome = Connect(library, kSqliteDsn, "user", "password");
        EXPECT_EQ(0, outcome.result) << "attempt " << attempt;
        EXPECT_TRUE(outcome.DbmsNameUntouched()) << "attempt " << attempt;
        EXPECT_TRUE(outcome.MessageUntouched()) << "attempt " << attempt;
    }
    EXPECT_TRUE(CliCalls(log).empty());
    EXPECT_LE(log.Count("load " RK_DB2CLI_FILE), 1) << "one load attempt in the module's life";
}

} // namespace
