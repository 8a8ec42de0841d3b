#pragma once
// The stand-in client's persistent node directory and system database
// directory: two text files, nodes.txt and databases.txt (StoreFormat.h), in
// one directory. Readers take a file as it is; writers hold the store's lock
// file for their whole read-modify-write and replace a file atomically, so
// neither ever sees half a file.
//
// The directory is RKDB2_SIM_HOME when set (read at every call; a Unix path
// "/x" is used as "Z:/x" on Windows), else $HOME/.rkdb2-sim on Linux and
// %USERPROFILE%\rkdb2-sim on Windows.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "StoreEntries.h"

namespace rk::sim::store {

// A directory file that exists but cannot be read or does not parse
// (StoreFormat.h). Reads and edits of it throw this; no edit writes over it.
class CRkDamagedDirectory : public std::runtime_error {
public:
    enum class Kind { kNodes, kDatabases };

    CRkDamagedDirectory(Kind kind, const std::string& fileName, const std::string& detail);

    Kind DamagedKind() const { return m_kind; }
    const std::string& FileName() const { return m_strFileName; } // "nodes.txt"
    const std::string& Detail() const { return m_strDetail; }     // "line 3: ..."

private:
    Kind m_kind;
    std::string m_strFileName;
    std::string m_strDetail;
};

enum class EditResult {
    kDone,
    kDuplicate,   // an entry of that name is already there
    kNotFound,    // no entry of that name
    kFileMissing, // the directory's file does not exist
    kWriteFailed,
};

class CRkDirectoryStore {
public:
    explicit CRkDirectoryStore(std::string directory);

    // The store that the environment names now.
    static CRkDirectoryStore FromEnvironment();

    const std::string& Directory() const { return m_strDirectory; }
    std::string NodesPath() const;
    std::string DatabasesPath() const;
    std::string LockPath() const;

    // The entries, or nullopt when the file does not exist; a damaged file
    // throws CRkDamagedDirectory.
    std::optional<std::vector<NodeEntry>> ReadNodes() const;
    std::optional<std::vector<DatabaseEntry>> ReadDatabases() const;

    // Replace a whole file (creating the store's directory if needed).
    bool WriteNodes(const std::vector<NodeEntry>& nodes) const;
    bool WriteDatabases(const std::vector<DatabaseEntry>& databases) const;

    // Names compare without regard to ASCII case (db2::EqualIgnoringCase).
    // Adding creates a missing file; removing from a missing file reports
    // kFileMissing. Editing a damaged file
    // throws CRkDamagedDirectory and leaves the file as it was.
    EditResult AddNode(const NodeEntry& node) const;
    EditResult RemoveNode(const std::string& nodeName) const;
    EditResult AddDatabase(const DatabaseEntry& database) const;
    EditResult RemoveDatabase(const std::string& alias) const;
    // Sets (or, with empty texts, clears) the alternate server of `alias`.
    EditResult SetAlternateServer(const std::string& alias, const std::string& hostName,
                                  const std::string& portNumber) const;

private:
    std::string PathOf(const char* fileName) const;

    std::string m_strDirectory;
};

} // namespace rk::sim::store
