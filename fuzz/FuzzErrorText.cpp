// DB2's error text from any sqlca and any answers of the two message
// lookups: never reads or writes out of bounds, never exceeds 1022 bytes,
// and always carries the SQLCODE and SQLSTATE lines.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "RecordingLoader.h"
#include "db2/CRkDb2SysLib.h"
#include "db2/Db2Files.h"

namespace {

int g_messageResult = 0;
int g_stateResult = 0;
std::string g_messageBytes;
std::string g_stateBytes;

int Fill(char* buffer, short size, const std::string& bytes, int result)
{
    // The lookups may write anything within the buffer they were given.
    const std::size_t n = std::min(bytes.size(), static_cast<std::size_t>(size));
    std::memcpy(buffer, bytes.data(), n);
    return result;
}

int RK_DB2_CALL Sqlaintp(char* buffer, short size, short, const char*, rk::db2::Sqlca*)
{
    return Fill(buffer, size, g_messageBytes, g_messageResult);
}

int RK_DB2_CALL Sqlogstt(char* buffer, short size, short, char*)
{
    return Fill(buffer, size, g_stateBytes, g_stateResult);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static rk::test::RecordingLoader loader;
    static CRkDb2SysLib* sys = [] {
        loader.Provide(RK_DB2SYS_FILE,
                       {{"sqlaintp_api@20", rk::test::Entry(&Sqlaintp)}, {"sqlogstt", rk::test::Entry(&Sqlogstt)}});
        auto* lib = new CRkDb2SysLib(loader);
        lib->Load();
        return lib;
    }();

    rk::fuzz::FuzzInput input(data, size);
    rk::db2::Sqlca ca{};
    input.Take(ca.bytes, sizeof ca.bytes);
    const auto split = input.Value<std::uint16_t>();
    g_messageResult = input.Value<int>();
    g_stateResult = input.Value<int>();
    g_messageBytes = input.Bytes(split);
    g_stateBytes = input.Rest();

    const std::string text = sys->GetErrorText(ca);
    if (text.size() > 1022)
        std::abort();
    if (text.size() < 1022 && text.find("SQLCODE = ") == std::string::npos)
        std::abort();
    return 0;
}
