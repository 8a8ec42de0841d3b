// Cataloguing with any host, database, alias and node texts (null, unterminated
// beyond the host name's 255 characters, lengths around the fields' limits),
// any message buffer and size, DB2 libraries that are missing or incomplete
// and DB2 steps that fail with any code, against entry points that record
// what they are given. Checked against a model written here from the record
// layouts alone: the two node records byte for byte, the arguments and the
// order of every DB2 call, the libraries loaded and released, the message and
// its place in the buffer, nothing written outside it. The two node records
// are also built directly from any node, host and service bytes.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "RecordingLoader.h"
#include "boundary/CatalogShells.h"
#include "db2/Db2Api.h"
#include "db2/Db2EntryPoints.h"
#include "db2/Db2Files.h"
#include "db2/TcpipNodeRecords.h"

using namespace rk::db2;
using Bytes = std::vector<unsigned char>;

namespace {

constexpr std::size_t kGuard = 32;
constexpr char kUntouched = '\x5A';
// Messages are short (DB2's error text stops at 1022 bytes): a buffer this
// large stands for any larger size.
constexpr int kLargestBuffer = 2048;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// --- the model: sqle_node_struct (46 bytes) and sqle_node_tcpip (271) ---

void Put(Bytes& record, std::size_t offset, const std::string& text, std::size_t room)
{
    std::copy_n(text.begin(), std::min(text.size(), room), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Node name at 35 (8 bytes and the terminator), TCP/IP (3) at 44.
Bytes NodeStructOf(const std::string& nodeName)
{
    Bytes record(46, 0);
    record[1] = 0x02;
    Put(record, 35, nodeName, 8);
    record[44] = 3;
    return record;
}

// Host name at 0 (255 bytes and the terminator), service at 256 (14 and one).
Bytes TcpipRecordOf(const std::string& hostName, const std::string& serviceName)
{
    Bytes record(271, 0);
    Put(record, 0, hostName, 255);
    Put(record, 256, serviceName, 14);
    return record;
}

// --- the DB2 client the operations meet ---------------------------------

struct Step {
    std::string name;
    Bytes node;
    Bytes protocol;
    std::vector<std::string> texts;
    unsigned char entryType = 0;
    unsigned short authentication = 0;
    bool nullPathCommentPrincipal = false;
};

Step NodeStep(Bytes node, Bytes protocol)
{
    Step step;
    step.name = "sqlectnd_api";
    step.node = std::move(node);
    step.protocol = std::move(protocol);
    return step;
}

Step DatabaseStep(std::vector<std::string> texts, unsigned char entryType, unsigned short authentication,
                  bool nullPathCommentPrincipal)
{
    Step step;
    step.name = "sqlecadb_api";
    step.texts = std::move(texts);
    step.entryType = entryType;
    step.authentication = authentication;
    step.nullPathCommentPrincipal = nullPathCommentPrincipal;
    return step;
}

Step TextStep(const char* name, const std::string& text)
{
    Step step;
    step.name = name;
    step.texts = {text};
    return step;
}

struct Client {
    std::int32_t sqlcodes[2] = {}; // of the operation's first and second DB2 step
    std::vector<Step> steps;
    std::vector<std::string>* calls = nullptr; // the loader's record, steps included
} g_client;

int Answer(Step step, Sqlca* ca)
{
    Require(g_client.steps.size() < 2);
    g_client.calls->push_back(step.name);
    g_client.steps.push_back(std::move(step));
    SetSqlcode(*ca, g_client.sqlcodes[g_client.steps.size() - 1]);
    return 0;
}

int RK_DB2_CALL CatalogNode(unsigned char* node, unsigned char* protocol, Sqlca* ca)
{
    return Answer(NodeStep(Bytes(node, node + 46), Bytes(protocol, protocol + 271)), ca);
}

int RK_DB2_CALL CatalogDatabase(char* name, char* alias, unsigned char type, char* node, char* path, char* comment,
                                unsigned short authentication, char* principal, Sqlca* ca)
{
    return Answer(DatabaseStep({name, alias, node}, type, authentication,
                               path == nullptr && comment == nullptr && principal == nullptr),
                  ca);
}

int RK_DB2_CALL UncatalogDatabase(char* alias, Sqlca* ca) { return Answer(TextStep("sqleuncd_api", alias), ca); }
int RK_DB2_CALL UncatalogNode(char* node, Sqlca* ca) { return Answer(TextStep("sqleuncn_api", node), ca); }

// The message of the last step, cut to the buffer as DB2 does.
std::string MessageOf(const std::string& step) { return "message of " + step; }

int RK_DB2_CALL MessageText(char* buffer, short size, short, const char*, Sqlca*)
{
    Require(!g_client.steps.empty() && size > 0);
    const std::string text = MessageOf(g_client.steps.back().name);
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

int RK_DB2_CALL StateText(char*, short, short, char*) { return -2; } // no SQLSTATE: nothing written

int RK_DB2_CALL NeverCalled() { std::abort(); }

enum class Libraries { kBoth, kNoApp, kAppIncomplete, kNoSys, kCount };

rk::test::RecordingLoader& LoaderFor(Libraries libraries)
{
    static rk::test::RecordingLoader loaders[static_cast<int>(Libraries::kCount)];
    static const bool provided = [] {
        rk::test::RecordingLoader::Exports app;
#define RK_FUZZ_NEVER_CALLED(field, exportName, Fn, need) app[exportName] = rk::test::Entry(&NeverCalled);
        RK_DB2APP_ENTRY_POINTS(RK_FUZZ_NEVER_CALLED)
#undef RK_FUZZ_NEVER_CALLED
        app["sqlectnd_api"] = rk::test::Entry(&CatalogNode);
        app["sqlecadb_api"] = rk::test::Entry(&CatalogDatabase);
        app["sqleuncd_api"] = rk::test::Entry(&UncatalogDatabase);
        app["sqleuncn_api"] = rk::test::Entry(&UncatalogNode);
        const rk::test::RecordingLoader::Exports sys = {{"sqlaintp_api@20", rk::test::Entry(&MessageText)},
                                                        {"sqlogstt", rk::test::Entry(&StateText)}};
        rk::test::RecordingLoader::Exports incomplete = app;
        incomplete.erase("sqleuncd_api");
        for (auto variant : {Libraries::kBoth, Libraries::kNoApp, Libraries::kAppIncomplete, Libraries::kNoSys}) {
            auto& loader = loaders[static_cast<int>(variant)];
            if (variant != Libraries::kNoApp)
                loader.Provide(RK_DB2APP_FILE, variant == Libraries::kAppIncomplete ? incomplete : app);
            if (variant != Libraries::kNoSys)
                loader.Provide(RK_DB2SYS_FILE, sys);
        }
        return true;
    }();
    (void)provided;
    return loaders[static_cast<int>(libraries)];
}

// --- the input --------------------------------------------------------------

std::int32_t PickSqlcode(std::uint8_t choice)
{
    static const std::int32_t kCodes[] = {kSqlNodeExists,
                                          kSqlAliasExists,
                                          kSqlAliasNotFound,
                                          kSqlNodeNotFound,
                                          kSqlInvalidNodeName,
                                          kSqlNodeNotCatalogued,
                                          1,
                                          INT32_MIN};
    return choice < 160 ? 0 : kCodes[choice % std::size(kCodes)];
}

// An argument text. Kind 0 is a null pointer; 1-127 the input's bytes up to
// a zero byte or that many; 128-159 that many bytes less 128 as they come,
// zero bytes included; 160-175 (the host name only) 256 or more bytes with
// no terminator at all; otherwise a length near a field's limit, filled from
// a short sample.
struct Argument {
    bool null = false;
    std::vector<char> bytes; // what the pointer points at

    const char* Get() const { return null ? nullptr : bytes.data(); }
    // The text as a C string, when it has a terminator.
    std::string Text() const { return std::string(bytes.data(), ::strnlen(bytes.data(), bytes.size())); }
};

Argument ReadArgument(rk::fuzz::FuzzInput& input, bool mayLackTerminator)
{
    static const std::size_t kLengths[] = {0, 1, 7, 8, 9, 13, 14, 15, 16, 254, 255, 256, 257, 300};
    Argument argument;
    const std::uint8_t kind = input.Byte();
    std::string text;
    if (kind == 0) {
        argument.null = true;
        return argument;
    } else if (kind < 128) {
        text = input.Text(kind);
    } else if (kind < 160) {
        text = input.Bytes(kind - 128u);
    } else {
        const std::size_t length = kind < 176 ? 256 + (kind - 160u) : kLengths[kind % std::size(kLengths)];
        const std::string sample = input.Text(8);
        text.resize(length);
        for (std::size_t i = 0; i < length; ++i)
            text[i] = sample.empty() ? 'x' : sample[i % sample.size()];
    }
    argument.bytes.assign(text.begin(), text.end());
    if (!(kind >= 160 && kind < 176 && mayLackTerminator))
        argument.bytes.push_back('\0');
    return argument;
}

// A host buffer of `size` bytes between guard bytes, or a null pointer.
class MessageBuffer {
public:
    MessageBuffer(bool isNull, int size)
        : m_null(isNull), m_size(std::clamp(size, 0, kLargestBuffer)), m_bytes(kGuard + m_size + kGuard, kUntouched)
    {
    }
    char* Data() { return m_null ? nullptr : m_bytes.data() + kGuard; }

    bool Untouched() const { return Fill(m_bytes.data(), m_bytes.data() + m_bytes.size()); }
    // Exactly `text` and its terminator at the start, nothing written elsewhere.
    bool Holds(const std::string& text) const
    {
        const char* start = m_bytes.data() + kGuard;
        return text.size() < m_size && std::memcmp(start, text.data(), text.size()) == 0 &&
               start[text.size()] == '\0' && Fill(m_bytes.data(), start) &&
               Fill(start + text.size() + 1, m_bytes.data() + m_bytes.size());
    }

private:
    static bool Fill(const char* begin, const char* end) { return rk::fuzz::AllBytesAre(begin, end, kUntouched); }

    bool m_null;
    std::size_t m_size;
    std::vector<char> m_bytes;
};

// --- what the operations must do -------------------------------------------

std::string ErrorTextOf(const std::string& step, std::int32_t sqlcode)
{
    return MessageOf(step) + "SQLCODE = " + std::to_string(sqlcode) + "\r\nSQLSTATE = \"\"\r\n";
}

struct Expected {
    int result = 0;
    std::string message;
    std::vector<std::string> calls; // loads, DB2 steps and releases, lookups left out
    std::vector<Step> steps;
};

// The DB2 steps of an operation whose libraries loaded, each as a call the
// model expects; the message is the first failed step's error text.
void ExpectSteps(Expected& e, std::vector<Step> steps)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        e.calls.push_back(steps[i].name);
        e.steps.push_back(steps[i]);
        if (g_client.sqlcodes[i] != 0) {
            e.message = ErrorTextOf(steps[i].name, g_client.sqlcodes[i]);
            return;
        }
    }
    e.result = 1;
}

Expected Expect(bool catalog, const Argument& first, const Argument& second, Libraries libraries)
{
    Expected e;
    const char* firstName = catalog ? "host name" : "database alias";
    const char* secondName = catalog ? "database name" : "node name";
    if (first.null || second.null) {
        e.message =
            std::string("The ") + (first.null ? firstName : secondName) + " is a null pointer; nothing was changed.";
        return e;
    }
    if (catalog && ::strnlen(first.bytes.data(), first.bytes.size()) > 255) {
        e.message = "The host name has more than 255 characters, more than DB2 can take; nothing was changed.";
        return e;
    }
    e.calls.push_back("load " RK_DB2APP_FILE);
    if (libraries == Libraries::kNoApp || libraries == Libraries::kAppIncomplete) {
        e.message = "Failed to load " RK_DB2APP_FILE;
        if (libraries == Libraries::kAppIncomplete)
            e.calls.push_back("release " RK_DB2APP_FILE);
        return e;
    }
    e.calls.push_back("load " RK_DB2SYS_FILE);
    if (libraries == Libraries::kNoSys) {
        e.message = "Failed to load " RK_DB2SYS_FILE;
        e.calls.push_back("release " RK_DB2APP_FILE);
        return e;
    }
    if (catalog) {
        const std::string host = first.Text();
        const std::string node = host.substr(0, 8);
        ExpectSteps(e, {NodeStep(NodeStructOf(node), TcpipRecordOf(host, "50000")),
                        DatabaseStep({second.Text(), second.Text(), node}, '1', 255, true)});
    } else {
        ExpectSteps(e, {TextStep("sqleuncd_api", first.Text()), TextStep("sqleuncn_api", second.Text())});
    }
    e.calls.push_back("release " RK_DB2SYS_FILE);
    e.calls.push_back("release " RK_DB2APP_FILE);
    return e;
}

bool SameSteps(const std::vector<Step>& seen, const std::vector<Step>& wanted)
{
    return std::equal(seen.begin(), seen.end(), wanted.begin(), wanted.end(), [](const Step& a, const Step& b) {
        return a.name == b.name && a.node == b.node && a.protocol == b.protocol && a.texts == b.texts &&
               a.entryType == b.entryType && a.authentication == b.authentication &&
               a.nullPathCommentPrincipal == b.nullPathCommentPrincipal;
    });
}

void RunOperation(rk::fuzz::FuzzInput& input)
{
    const bool catalog = input.Byte() % 2 == 0;
    const std::uint8_t librariesByte = input.Byte();
    const Libraries libraries = librariesByte < 192 ? Libraries::kBoth : static_cast<Libraries>(1 + librariesByte % 3);
    g_client.sqlcodes[0] = PickSqlcode(input.Byte());
    g_client.sqlcodes[1] = PickSqlcode(input.Byte());
    const bool nullBuffer = input.Byte() % 16 == 0;
    const auto size = input.Value<std::int32_t>();
    const Argument first = ReadArgument(input, catalog);
    const Argument second = ReadArgument(input, false);

    rk::test::RecordingLoader& loader = LoaderFor(libraries);
    loader.calls.clear();
    g_client.steps.clear();
    g_client.calls = &loader.calls;
    MessageBuffer message(nullBuffer, size);
    const int result =
        catalog ? rk::boundary::CatalogDatabaseShell(first.Get(), second.Get(), message.Data(), size, loader)
                : rk::boundary::UncatalogDatabaseShell(first.Get(), second.Get(), message.Data(), size, loader);

    if (nullBuffer || size < 1) {
        // Refused before anything else.
        Require(result == 0 && loader.calls.empty() && message.Untouched());
        return;
    }
    const Expected e = Expect(catalog, first, second, libraries);
    std::vector<std::string> calls;
    std::copy_if(loader.calls.begin(), loader.calls.end(), std::back_inserter(calls),
                 [](const std::string& call) { return call.rfind("lookup ", 0) != 0; });
    Require(result == e.result && calls == e.calls && SameSteps(g_client.steps, e.steps));
    Require(message.Holds(e.message.substr(0, static_cast<std::size_t>(size) - 1)));
}

// The two records from any node, host and service bytes, zero bytes
// included: each text cut so that its terminator fits.
void BuildRecords(rk::fuzz::FuzzInput& input)
{
    const Argument node = ReadArgument(input, false);
    const Argument host = ReadArgument(input, false);
    const Argument service = ReadArgument(input, false);
    const auto asBytes = [](const Argument& a) {
        return a.null ? std::string() : std::string(a.bytes.data(), a.bytes.size() - 1);
    };
    const TcpipNodeRecords records = MakeTcpipNodeRecords({asBytes(node), asBytes(host), asBytes(service), {}});
    Require(Bytes(records.node.begin(), records.node.end()) == NodeStructOf(asBytes(node)));
    Require(Bytes(records.protocol.begin(), records.protocol.end()) == TcpipRecordOf(asBytes(host), asBytes(service)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rk::fuzz::FuzzInput input(data, size);
    RunOperation(input);
    BuildRecords(input);
    return 0;
}
