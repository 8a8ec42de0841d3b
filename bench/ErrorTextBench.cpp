// Composing DB2's error text, with message lookups that answer at once: the
// library's own share of the cost of CRkDatabaseListGetError and of every
// failed catalog call.

#include <cstring>
#include <string>

#include <benchmark/benchmark.h>

#include "RecordingLoader.h"
#include "db2/CRkDb2SysLib.h"
#include "db2/Db2Files.h"

namespace {

const std::string kMessage(200, 'm');
const std::string kStateText(80, 's');

int RK_DB2_CALL Sqlaintp(char* buffer, short, short, const char*, rk::db2::Sqlca*)
{
    std::memcpy(buffer, kMessage.c_str(), kMessage.size() + 1);
    return static_cast<int>(kMessage.size());
}

int RK_DB2_CALL Sqlogstt(char* buffer, short, short, char*)
{
    std::memcpy(buffer, kStateText.c_str(), kStateText.size() + 1);
    return static_cast<int>(kStateText.size());
}

void ComposeErrorText(benchmark::State& state)
{
    rk::test::RecordingLoader loader;
    loader.Provide(RK_DB2SYS_FILE,
                   {{"sqlaintp_api@20", rk::test::Entry(&Sqlaintp)}, {"sqlogstt", rk::test::Entry(&Sqlogstt)}});
    CRkDb2SysLib sys(loader);
    sys.Load();
    rk::db2::Sqlca ca{};
    rk::db2::SetSqlcode(ca, -1031);
    std::memcpy(ca.bytes + rk::db2::kSqlcaSqlstate.offset, "58031", 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(sys.GetErrorText(ca));
}
BENCHMARK(ComposeErrorText);

} // namespace
