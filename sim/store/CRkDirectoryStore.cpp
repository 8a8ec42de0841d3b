#include "CRkDirectoryStore.h"

#include <algorithm>
#include <utility>

#include "SimHooks.h"
#include "StoreFormat.h"
#include "db2/Db2Names.h"
#include "os/FileLock.h"
#include "os/Files.h"
#include "os/Paths.h"

namespace rk::sim::store {
namespace {

constexpr const char* kNodesFile = "nodes.txt";
constexpr const char* kDatabasesFile = "databases.txt";
constexpr const char* kLockFile = "store.lock";

// The entries of one directory file, nullopt for a missing file.
template <typename Entry, typename Parse>
std::optional<std::vector<Entry>> ReadDirectory(const std::string& path, const char* fileName,
                                                CRkDamagedDirectory::Kind kind, Parse parse)
{
    if (!os::FileExists(path))
        return std::nullopt;
    const auto text = os::ReadWholeFile(path);
    if (!text)
        throw CRkDamagedDirectory(kind, fileName, "the file cannot be read");
    try {
        return parse(*text);
    } catch (const CRkFormatError& error) {
        throw CRkDamagedDirectory(kind, fileName, error.what());
    }
}

// Adds an entry unless one of the same name is there: the edit of AddNode
// and AddDatabase.
template <typename Entry>
EditResult Add(std::vector<Entry>& entries, const Entry& entry, std::string Entry::*name)
{
    const bool exists = std::any_of(entries.begin(), entries.end(),
                                    [&](const Entry& e) { return db2::EqualIgnoringCase(e.*name, entry.*name); });
    if (exists)
        return EditResult::kDuplicate;
    entries.push_back(entry);
    return EditResult::kDone;
}

template <typename Entry>
EditResult Remove(std::vector<Entry>& entries, const std::string& wanted, std::string Entry::*name)
{
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const Entry& e) { return db2::EqualIgnoringCase(e.*name, wanted); });
    if (it == entries.end())
        return EditResult::kNotFound;
    entries.erase(it);
    return EditResult::kDone;
}

// One read-modify-write of a file under the store's lock. `edit` changes
// the entries and says whether to write them back.
template <typename Entry, typename Read, typename Format, typename Edit>
EditResult Modify(const CRkDirectoryStore& store, const std::string& path, bool createMissing, Read read, Format format,
                  Edit edit)
{
    if (!createMissing && !os::FileExists(path))
        return EditResult::kFileMissing;
    if (!os::EnsureDirectory(store.Directory()))
        return EditResult::kWriteFailed;
    const os::FileLock lock(store.LockPath());
    if (!lock.IsHeld())
        return EditResult::kWriteFailed;
    std::optional<std::vector<Entry>> entries = read();
    if (!entries && !createMissing)
        return EditResult::kFileMissing;
    if (!entries)
        entries.emplace();
    const EditResult result = edit(*entries);
    if (result != EditResult::kDone)
        return result;
    return os::ReplaceFileAtomically(path, format(*entries)) ? EditResult::kDone : EditResult::kWriteFailed;
}

} // namespace

CRkDamagedDirectory::CRkDamagedDirectory(Kind kind, const std::string& fileName, const std::string& detail)
    : std::runtime_error(fileName + ", " + detail), m_kind(kind), m_strFileName(fileName), m_strDetail(detail)
{
}

CRkDirectoryStore::CRkDirectoryStore(std::string directory) : m_strDirectory(std::move(directory)) { }

CRkDirectoryStore CRkDirectoryStore::FromEnvironment()
{
    const std::string configured = os::GetEnv("RKDB2_SIM_HOME");
    return CRkDirectoryStore(configured.empty() ? os::UserDataDirectory("rkdb2-sim") : os::PlatformPath(configured));
}

std::string CRkDirectoryStore::PathOf(const char* fileName) const
{
    if (m_strDirectory.empty())
        return fileName;
    const char last = m_strDirectory.back();
    return m_strDirectory + (last == '/' || last == '\\' ? "" : "/") + fileName;
}

std::string CRkDirectoryStore::NodesPath() const { return PathOf(kNodesFile); }
std::string CRkDirectoryStore::DatabasesPath() const { return PathOf(kDatabasesFile); }
std::string CRkDirectoryStore::LockPath() const { return PathOf(kLockFile); }

std::optional<std::vector<NodeEntry>> CRkDirectoryStore::ReadNodes() const
{
    return ReadDirectory<NodeEntry>(NodesPath(), kNodesFile, CRkDamagedDirectory::Kind::kNodes, ParseNodes);
}

std::optional<std::vector<DatabaseEntry>> CRkDirectoryStore::ReadDatabases() const
{
    return ReadDirectory<DatabaseEntry>(DatabasesPath(), kDatabasesFile, CRkDamagedDirectory::Kind::kDatabases,
                                        ParseDatabases);
}

bool CRkDirectoryStore::WriteNodes(const std::vector<NodeEntry>& nodes) const
{
    return Modify<NodeEntry>(
               *this, NodesPath(), true, [] { return std::optional<std::vector<NodeEntry>>(); }, FormatNodes,
               [&](std::vector<NodeEntry>& entries) {
                   entries = nodes;
                   return EditResult::kDone;
               }) == EditResult::kDone;
}

bool CRkDirectoryStore::WriteDatabases(const std::vector<DatabaseEntry>& databases) const
{
    return Modify<DatabaseEntry>(
               *this, DatabasesPath(), true, [] { return std::optional<std::vector<DatabaseEntry>>(); },
               FormatDatabases,
               [&](std::vector<DatabaseEntry>& entries) {
                   entries = databases;
                   return EditResult::kDone;
               }) == EditResult::kDone;
}

EditResult CRkDirectoryStore::AddNode(const NodeEntry& node) const
{
    return Modify<NodeEntry>(
        *this, NodesPath(), true, [this] { return ReadNodes(); }, FormatNodes,
        [&](std::vector<NodeEntry>& entries) { return Add(entries, node, &NodeEntry::nodeName); });
}

EditResult CRkDirectoryStore::RemoveNode(const std::string& nodeName) const
{
    return Modify<NodeEntry>(
        *this, NodesPath(), false, [this] { return ReadNodes(); }, FormatNodes,
        [&](std::vector<NodeEntry>& entries) { return Remove(entries, nodeName, &NodeEntry::nodeName); });
}

EditResult CRkDirectoryStore::AddDatabase(const DatabaseEntry& database) const
{
    return Modify<DatabaseEntry>(
        *this, DatabasesPath(), true, [this] { return ReadDatabases(); }, FormatDatabases,
        [&](std::vector<DatabaseEntry>& entries) { return Add(entries, database, &DatabaseEntry::alias); });
}

EditResult CRkDirectoryStore::RemoveDatabase(const std::string& alias) const
{
    return Modify<DatabaseEntry>(
        *this, DatabasesPath(), false, [this] { return ReadDatabases(); }, FormatDatabases,
        [&](std::vector<DatabaseEntry>& entries) { return Remove(entries, alias, &DatabaseEntry::alias); });
}

EditResult CRkDirectoryStore::SetAlternateServer(const std::string& alias, const std::string& hostName,
                                                 const std::string& portNumber) const
{
    return Modify<DatabaseEntry>(
        *this, DatabasesPath(), false, [this] { return ReadDatabases(); }, FormatDatabases,
        [&](std::vector<DatabaseEntry>& entries) {
            const auto found = std::find_if(entries.begin(), entries.end(), [&](const DatabaseEntry& entry) {
                return db2::EqualIgnoringCase(entry.alias, alias);
            });
            if (found == entries.end())
                return EditResult::kNotFound;
            found->altHostName = hostName;
            found->altPortNumber = portNumber;
            return EditResult::kDone;
        });
}

} // namespace rk::sim::store
