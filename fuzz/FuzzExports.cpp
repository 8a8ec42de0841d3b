// The eight exports called in any order with any handle and entry pointers
// (their own, null, foreign addresses, arbitrary values), any sizes and null
// buffers, against the stand-in client. A foreign pointer is never used, a
// buffer is never written outside its size nor behind its terminator, and
// every result is the one the handle's state calls for.
//
// Handles and entries come from a population made before the first input;
// later populations find no database directory and add nothing, and the
// stand-in fails every CLI allocation, so that no input grows the module's
// memory. The catalog exports work on a store of their own, emptied before
// every input: they may succeed, and the store never holds more than one
// input's entries.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "TestEnv.h"
#include "TestPaths.h"
#include "boundary/ModuleState.h"
#include "rkdb2rova.h"

namespace {

constexpr std::size_t kGuard = 32;
constexpr char kUntouched = '\x5A';
const std::string kTrailer = "\n-------------------------\n";
constexpr std::size_t kSlotEnds[] = {50, 305, 355, 405, 455, 485, 535, 585, 840, 1095, 1145, 1400, 1655, 1705, 1755};

// A host buffer of `size` bytes between guard bytes, or a null pointer.
class GuardedBuffer {
public:
    GuardedBuffer(bool isNull, std::size_t size)
        : m_null(isNull), m_size(size), m_bytes(kGuard + size + kGuard, kUntouched)
    {
    }
    char* Data() { return m_null ? nullptr : m_bytes.data() + kGuard; }
    bool IsNull() const { return m_null; }

    bool Untouched() const { return Fill(m_bytes.data(), m_bytes.data() + m_bytes.size()); }

    // The text up to its terminator within the size, with nothing written
    // behind it or outside; false when that does not hold.
    bool Text(std::string& text) const
    {
        const char* start = m_bytes.data() + kGuard;
        const auto* nul = static_cast<const char*>(std::memchr(start, '\0', m_size));
        if (nul == nullptr || !Fill(m_bytes.data(), start) || !Fill(nul + 1, m_bytes.data() + m_bytes.size()))
            return false;
        text.assign(start, nul);
        return true;
    }

    // Every slot of a DatabaseDetails record terminated within itself, nothing around the record.
    bool DetailsRecord() const
    {
        const char* record = m_bytes.data() + kGuard;
        std::size_t start = 0;
        for (const std::size_t end : kSlotEnds) {
            if (std::memchr(record + start, '\0', end - start) == nullptr)
                return false;
            start = end;
        }
        return Fill(m_bytes.data(), record) && Fill(record + RKDB2_DETAILS_SIZE, m_bytes.data() + m_bytes.size());
    }

private:
    static bool Fill(const char* begin, const char* end) { return rk::fuzz::AllBytesAre(begin, end, kUntouched); }

    bool m_null;
    std::size_t m_size;
    std::vector<char> m_bytes;
};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// The stand-in's store for this process, with three nodes; the database
// directory is there for the first population only. The catalog store
// starts without directories.
class FuzzStore {
public:
    FuzzStore()
        : m_dir(rk::test::TemporaryPath("rkdb2-fuzz-exports")),
          m_catalogDir(rk::test::TemporaryPath("rkdb2-fuzz-catalog"))
    {
        std::filesystem::create_directories(m_dir);
        std::filesystem::create_directories(m_catalogDir);
        rk::os::SetEnv("RKDB2_SIM_HOME", m_dir);
        std::ofstream nodes(m_dir + "/nodes.txt");
        for (int n = 0; n < 3; ++n)
            nodes << "[node SRV" << n << "]\nhost = host" << n << ".example.com\nservice = 5000" << n
                  << "\ninstance = DB2\nos_type = 18\n\n";
        std::ofstream databases(DatabasesPath());
        for (int d = 0; d < 3; ++d)
            databases << "[database DB" << d << "]\nname = DB" << d << "\nnode = SRV" << d
                      << "\nentry_type = 1\nauthentication = 255\ncatalog_node_number = -1\n\n";
    }
    ~FuzzStore()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
        std::filesystem::remove_all(m_catalogDir, ignored);
    }
    std::string DatabasesPath() const { return m_dir + "/databases.txt"; }

    // Catalog calls go to the catalog store for the scope of one.
    class CatalogScope {
    public:
        explicit CatalogScope(const FuzzStore& store) : m_store(store)
        {
            rk::os::SetEnv("RKDB2_SIM_HOME", store.m_catalogDir);
        }
        ~CatalogScope() { rk::os::SetEnv("RKDB2_SIM_HOME", m_store.m_dir); }

    private:
        const FuzzStore& m_store;
    };

    // Removes what the last input's catalog calls wrote.
    void EmptyCatalogStore() const
    {
        for (const char* file : {"/nodes.txt", "/databases.txt"})
            std::remove((m_catalogDir + file).c_str());
    }

private:
    std::string m_dir;
    std::string m_catalogDir;
};

struct Module {
    RkDatabaseList* populated = nullptr; // two populations, the second not walked
    RkDatabaseList* empty = nullptr;     // never populated
    std::set<const void*> entries;
    char foreign[64] = {};
};

FuzzStore& Store()
{
    static FuzzStore store;
    return store;
}

Module& Setup()
{
    static Module module = [] {
        const FuzzStore& store = Store();
        // No CLI handle: see the top of the file.
        rk::os::SetEnv("RKDB2_SIM_FAULTS", "SQLAllocHandle=-1");
        Module m;
        m.populated = CRkDatabaseListNew();
        m.empty = CRkDatabaseListNew();
        Require(m.populated != nullptr && m.empty != nullptr);
        RkDatabaseEntry* entry = nullptr;
        Require(CRkDatabaseListPopulate(m.populated, &entry) == 1);
        for (; entry != nullptr; entry = CRkDatabaseListNext(m.populated))
            m.entries.insert(entry);
        Require(CRkDatabaseListPopulate(m.populated, &entry) == 1 && entry != nullptr);
        // An unchanged directory lists the same entries again.
        for (const CRkDatabaseEntry* own : g_databaseLists.Find(m.populated)->LatestPopulation())
            Require(m.entries.count(own) == 1);
        Require(m.entries.size() == 3);
        std::remove(store.DatabasesPath().c_str());
        return m;
    }();
    return module;
}

// A pointer for a handle or entry argument.
void* PickPointer(rk::fuzz::FuzzInput& input, Module& m)
{
    switch (input.Byte() % 6) {
    case 0: return nullptr;
    case 1: return m.populated;
    case 2: return m.empty;
    case 3: {
        auto it = m.entries.begin();
        std::advance(it, input.Byte() % m.entries.size());
        return const_cast<void*>(*it);
    }
    case 4: return m.foreign + input.Byte() % sizeof m.foreign;
    default: return reinterpret_cast<void*>(input.Value<std::uintptr_t>());
    }
}

bool IsList(const Module& m, const void* p) { return p == m.populated || p == m.empty; }

const char* PickText(rk::fuzz::FuzzInput& input, std::string& storage)
{
    if (input.Byte() % 8 == 0)
        return nullptr;
    storage = input.Text(300);
    return storage.c_str();
}

void Populate(rk::fuzz::FuzzInput& input, Module& m)
{
    void* list = PickPointer(input, m);
    const bool nullSlot = input.Byte() % 4 == 0;
    const auto sentinel = reinterpret_cast<RkDatabaseEntry*>(&m.foreign);
    RkDatabaseEntry* slot = sentinel;
    const int result = CRkDatabaseListPopulate(static_cast<RkDatabaseList*>(list), nullSlot ? nullptr : &slot);
    // A known handle finds no database directory now: success, no entry.
    if (IsList(m, list))
        Require(result == 1 && (nullSlot || slot == nullptr));
    else
        Require(result == 0 && slot == sentinel);
}

void Next(rk::fuzz::FuzzInput& input, Module& m)
{
    void* list = PickPointer(input, m);
    RkDatabaseEntry* entry = CRkDatabaseListNext(static_cast<RkDatabaseList*>(list));
    Require(entry == nullptr || (list == m.populated && m.entries.count(entry) == 1));
}

void GetError(rk::fuzz::FuzzInput& input, Module& m)
{
    void* list = PickPointer(input, m);
    const bool nullBuffer = input.Byte() % 8 == 0;
    const auto size = input.Value<std::int32_t>();
    const int used = static_cast<std::int16_t>(static_cast<std::uint32_t>(size) & 0xFFFFu);
    GuardedBuffer buffer(nullBuffer, static_cast<std::size_t>(std::max(used, 0)));
    CRkDatabaseListGetError(static_cast<RkDatabaseList*>(list), buffer.Data(), size);
    std::string text;
    if (IsList(m, list) && !nullBuffer && used >= 1)
        Require(buffer.Text(text));
    else
        Require(buffer.Untouched());
}

void GetDetails(rk::fuzz::FuzzInput& input, Module& m)
{
    void* entry = PickPointer(input, m);
    GuardedBuffer record(input.Byte() % 8 == 0, RKDB2_DETAILS_SIZE);
    GetDatabaseDetails(static_cast<RkDatabaseEntry*>(entry), record.Data());
    if (m.entries.count(entry) == 1 && !record.IsNull())
        Require(record.DetailsRecord());
    else
        Require(record.Untouched());
}

void CatalogOrUncatalog(rk::fuzz::FuzzInput& input, bool catalog)
{
    std::string first;
    std::string second;
    const char* a = PickText(input, first);
    const char* b = PickText(input, second);
    const bool nullBuffer = input.Byte() % 8 == 0;
    const auto size = input.Value<std::int32_t>();
    // Messages are short: a buffer of 64 KiB stands for any larger size.
    GuardedBuffer message(nullBuffer, static_cast<std::size_t>(std::clamp(size, 0, 65536)));
    const FuzzStore::CatalogScope scope(Store());
    const int result =
        catalog ? CatalogDatabase(a, b, message.Data(), size) : UncatalogDatabase(a, b, message.Data(), size);
    Require(result == 0 || result == 1);
    std::string text;
    if (nullBuffer || size < 1)
        Require(message.Untouched());
    else
        Require(message.Text(text) && (result == 0 || text.empty()));
}

void Connect(rk::fuzz::FuzzInput& input)
{
    std::string dsn;
    std::string user;
    std::string password;
    const char* a = PickText(input, dsn);
    const char* b = PickText(input, user);
    const char* c = PickText(input, password);
    GuardedBuffer dbms(input.Byte() % 4 == 0, RKDB2_DBMS_NAME_SIZE);
    GuardedBuffer message(input.Byte() % 4 == 0, RKDB2_CONNECT_MESSAGE_MAX);
    // Every CLI allocation fails: the message is the environment's block, without records.
    Require(RkConnect(a, b, c, dbms.Data(), message.Data()) == 0);
    Require(dbms.Untouched());
    std::string text;
    if (dbms.IsNull() || message.IsNull())
        Require(message.Untouched());
    else
        Require(message.Text(text) && text == kTrailer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Module& module = Setup();
    Store().EmptyCatalogStore();
    rk::fuzz::FuzzInput input(data, size);
    for (int op = 0; op < 16 && !input.Empty(); ++op) {
        switch (input.Byte() % 7) {
        case 0: Populate(input, module); break;
        case 1: Next(input, module); break;
        case 2: GetError(input, module); break;
        case 3: GetDetails(input, module); break;
        case 4: CatalogOrUncatalog(input, true); break;
        case 5: CatalogOrUncatalog(input, false); break;
        default: Connect(input); break;
        }
    }
    return 0;
}
