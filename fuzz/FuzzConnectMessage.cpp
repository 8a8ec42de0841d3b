// The connection test against a CLI that answers anything: any outcome of
// each call, any DBMS name and reported length, and any number of
// diagnostic records of any SQLSTATE bytes, native code and text length.
// The message never passes the 32,767-byte bound nor is written behind its
// terminator, and it holds exactly the blocks and records that fit, in the
// format of the connection test; the DBMS-name field gets its 8 bytes and
// nothing around them.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "RecordingLoader.h"
#include "connect/CRkConnectionCheck.h"
#include "db2/CRkDb2CliLib.h"
#include "db2/Db2Files.h"
#include "rkdb2rova.h"

using namespace rk::db2;

namespace {

constexpr std::size_t kGuard = 64;
constexpr char kUntouched = '\x5A';
constexpr std::size_t kBound = RKDB2_CONNECT_MESSAGE_MAX;
const std::string kTrailer = "\n-------------------------\n";

// Results a CLI call may give; a byte of the input picks one.
CliReturn PickResult(std::uint8_t choice)
{
    static const CliReturn kResults[] = {kCliSuccess, kCliSuccessWithInfo, kCliError, kCliInvalidHandle, kCliNoData, 99,
                                         -3};
    return choice < 128 ? kCliSuccess : kResults[choice % std::size(kResults)];
}

// One diagnostic record as the CLI hands it out, repeated `count` times.
struct DiagnosticRecord {
    CliReturn result = kCliSuccess;
    unsigned char sqlstate[kCliSqlstateBufferSize] = {};
    CliInteger nativeError = 0;
    std::string text;
    short reportedLength = 0;
    int count = 1;
};

struct Scenario {
    CliReturn envResult = kCliSuccess;
    CliReturn dbcResult = kCliSuccess;
    CliReturn connectResult = kCliSuccess;
    CliReturn infoResult = kCliSuccess;
    std::string dbmsName;
    short dbmsNameLength = 0;
    std::vector<DiagnosticRecord> records;

    const DiagnosticRecord* Record(short number) const
    {
        int first = 1;
        for (const auto& diag : records) {
            if (number < first + diag.count)
                return &diag;
            first += diag.count;
        }
        return nullptr;
    }
};

Scenario g_scenario;
int g_envHandle;
int g_dbcHandle;

Scenario ReadScenario(rk::fuzz::FuzzInput& input)
{
    Scenario s;
    s.envResult = PickResult(input.Byte());
    s.dbcResult = PickResult(input.Byte());
    s.connectResult = PickResult(input.Byte());
    s.infoResult = PickResult(input.Byte());
    s.dbmsNameLength = input.Value<short>();
    s.dbmsName = input.Bytes(input.Byte());
    while (!input.Empty() && s.records.size() < 64) {
        DiagnosticRecord diag;
        diag.result = PickResult(input.Byte());
        input.Take(diag.sqlstate, sizeof diag.sqlstate);
        diag.nativeError = input.Value<CliInteger>();
        diag.reportedLength = input.Value<short>();
        diag.count = 1 + input.Byte();
        // A long text costs the input only its length and one byte to fill it with.
        const auto length = static_cast<std::size_t>(input.Value<std::uint16_t>() % 1400);
        const std::string sample = input.Bytes(input.Byte() % 16);
        for (std::size_t i = 0; i < length; ++i)
            diag.text += sample.empty() ? 'x' : sample[i % sample.size()];
        s.records.push_back(diag);
    }
    return s;
}

CliReturn RK_DB2_CALL AllocHandle(short type, CliHandle, CliHandle* output)
{
    const CliReturn result = type == kCliHandleEnv ? g_scenario.envResult : g_scenario.dbcResult;
    // A warning leaves a handle the caller must free; an error none.
    if (result == kCliSuccess || result == kCliSuccessWithInfo)
        *output = type == kCliHandleEnv ? static_cast<void*>(&g_envHandle) : static_cast<void*>(&g_dbcHandle);
    return result;
}

CliReturn RK_DB2_CALL FreeHandle(short, CliHandle handle)
{
    if (handle != &g_envHandle && handle != &g_dbcHandle)
        std::abort();
    return kCliSuccess;
}

CliReturn RK_DB2_CALL Connect(CliHandle dbc, unsigned char*, short, unsigned char*, short, unsigned char*, short)
{
    if (dbc != &g_dbcHandle)
        std::abort();
    return g_scenario.connectResult;
}

CliReturn RK_DB2_CALL Disconnect(CliHandle) { return kCliSuccess; }

CliReturn RK_DB2_CALL GetInfo(CliHandle, unsigned short, void* value, short bufferLength, short* stringLength)
{
    // As a CLI does: at most bufferLength bytes, the name cut and terminated.
    const std::size_t room = static_cast<std::size_t>(std::max<short>(bufferLength, 1)) - 1;
    const std::size_t n = std::min(g_scenario.dbmsName.size(), room);
    std::memcpy(value, g_scenario.dbmsName.data(), n);
    static_cast<char*>(value)[n] = '\0';
    *stringLength = g_scenario.dbmsNameLength;
    return g_scenario.infoResult;
}

CliReturn RK_DB2_CALL GetDiagRec(short, CliHandle, short number, unsigned char* sqlstate, CliInteger* nativeError,
                                 unsigned char* text, short bufferLength, short* textLength)
{
    const DiagnosticRecord* diag = g_scenario.Record(number);
    if (diag == nullptr)
        return kCliNoData;
    // The SQLSTATE buffer gets its six bytes, terminated or not; the text its
    // bytes up to the buffer's length, terminated when there is room.
    std::memcpy(sqlstate, diag->sqlstate, sizeof diag->sqlstate);
    *nativeError = diag->nativeError;
    const std::size_t room = static_cast<std::size_t>(std::max<short>(bufferLength, 0));
    const std::size_t n = std::min(diag->text.size(), room);
    std::memcpy(text, diag->text.data(), n);
    if (n < room)
        text[n] = '\0';
    *textLength = diag->reportedLength;
    return diag->result;
}

// What the connection test must write, from the scenario alone.
struct Expected {
    std::string message;
    bool messageWritten = false;
    std::string dbmsField; // empty: not written
    bool succeeded = false;
};

std::string CText(const unsigned char* bytes, std::size_t limit)
{
    const auto* end = static_cast<const unsigned char*>(std::memchr(bytes, '\0', limit));
    return std::string(reinterpret_cast<const char*>(bytes),
                       end != nullptr ? static_cast<std::size_t>(end - bytes) : limit);
}

void ExpectBlock(Expected& expected)
{
    expected.messageWritten = true;
    std::string& out = expected.message;
    if (out.size() + kTrailer.size() + 1 > kBound)
        return; // not even the trailer fits: the block is left out
    for (short number = 1; number < 32767; ++number) {
        const DiagnosticRecord* diag = g_scenario.Record(number);
        if (diag == nullptr || diag->result != kCliSuccess)
            break;
        const std::string text = CText(reinterpret_cast<const unsigned char*>(diag->text.c_str()),
                                       std::min<std::size_t>(diag->text.size() + 1, kCliMessageTextBufferLength - 1));
        const std::string record = "\n  SQLSTATE          = " + CText(diag->sqlstate, kCliSqlstateBufferSize - 1) +
                                   "\n  Native Error Code = " + std::to_string(diag->nativeError) + "\n" + text + "\n";
        if (out.size() + record.size() + kTrailer.size() + 1 > kBound)
            break;
        out += record;
    }
    out += kTrailer;
}

Expected Expect()
{
    Expected e;
    if (g_scenario.envResult != kCliSuccess) {
        ExpectBlock(e);
        return e;
    }
    if (g_scenario.dbcResult != kCliSuccess) {
        ExpectBlock(e);
        return e;
    }
    if (g_scenario.connectResult == kCliSuccess) {
        e.succeeded = true;
        e.messageWritten = true;
    } else {
        ExpectBlock(e);
    }
    if (g_scenario.infoResult != kCliSuccess) {
        ExpectBlock(e);
        return e;
    }
    const int end = std::clamp<int>(g_scenario.dbmsNameLength, 0, kCliDbmsNameBufferLength - 1);
    std::string name =
        g_scenario.dbmsName.substr(0, std::min<std::size_t>(g_scenario.dbmsName.size(), kCliDbmsNameBufferLength - 1));
    name = name.substr(0, std::min<std::size_t>(name.size(), static_cast<std::size_t>(end)));
    name = name.substr(0, name.find('\0'));
    name.resize(RKDB2_DBMS_NAME_SIZE, '\0');
    e.dbmsField = name.substr(0, RKDB2_DBMS_NAME_SIZE);
    return e;
}

bool Untouched(const char* bytes, std::size_t n) { return rk::fuzz::AllBytesAre(bytes, bytes + n, kUntouched); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static rk::test::RecordingLoader loader;
    static CRkDb2CliLib* cli = [] {
        loader.Provide(RK_DB2CLI_FILE, {{"SQLAllocHandle", rk::test::Entry(&AllocHandle)},
                                        {"SQLFreeHandle", rk::test::Entry(&FreeHandle)},
                                        {"SQLConnect", rk::test::Entry(&Connect)},
                                        {"SQLDisconnect", rk::test::Entry(&Disconnect)},
                                        {"SQLGetInfo", rk::test::Entry(&GetInfo)},
                                        {"SQLGetDiagRec", rk::test::Entry(&GetDiagRec)}});
        return new CRkDb2CliLib(loader);
    }();

    rk::fuzz::FuzzInput input(data, size);
    g_scenario = ReadScenario(input);

    std::vector<char> dbms(kGuard + RKDB2_DBMS_NAME_SIZE + kGuard, kUntouched);
    std::vector<char> message(kGuard + kBound + kGuard, kUntouched);
    const bool succeeded =
        CRkConnectionCheck::Run(*cli, "DSN", "user", "password", dbms.data() + kGuard, message.data() + kGuard);

    const Expected expected = Expect();
    if (succeeded != expected.succeeded)
        std::abort();
    // Nothing around the two outputs.
    if (!Untouched(dbms.data(), kGuard) || !Untouched(dbms.data() + kGuard + RKDB2_DBMS_NAME_SIZE, kGuard) ||
        !Untouched(message.data(), kGuard) || !Untouched(message.data() + kGuard + kBound, kGuard))
        std::abort();
    const char* text = message.data() + kGuard;
    if (!expected.messageWritten) {
        if (!Untouched(text, kBound))
            std::abort();
    } else {
        const auto* nul = static_cast<const char*>(std::memchr(text, '\0', kBound));
        if (nul == nullptr || std::string(text, nul) != expected.message ||
            !Untouched(nul + 1, kBound - expected.message.size() - 1))
            std::abort();
    }
    const std::string field(dbms.data() + kGuard, RKDB2_DBMS_NAME_SIZE);
    if (expected.dbmsField.empty() ? !Untouched(field.data(), field.size()) : field != expected.dbmsField)
        std::abort();
    return 0;
}
