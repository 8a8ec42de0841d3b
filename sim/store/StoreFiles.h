#pragma once
// File operations of the store that must be safe against readers and other
// writers: whole-file reads, atomic replacement and the writers' lock; and
// where the store lives by default.
// StoreFilesWin32.cpp and StoreFilesPosix.cpp implement the platform parts.

#include <optional>
#include <string>

namespace rk::sim::store {

// The file's bytes, or nullopt when it cannot be opened or read. On
// Windows the file is opened with every sharing mode, so that it never
// keeps a writer from renaming its replacement over it for longer than the
// read takes.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `content` to a new temporary file in the same directory, flushes
// it to the disk and renames it over `path` in one step, so that a reader
// sees either the old or the new file, never a part of one. On failure the
// old file is left as it was and the temporary file is removed. On Windows,
// where a file that is being read cannot be replaced, the rename waits up
// to two seconds for the readers.
bool ReplaceFileAtomically(const std::string& path, const std::string& content);

bool FileExists(const std::string& path);

// Creates the directory and its parents; true when it exists afterwards.
bool EnsureDirectory(const std::string& path);

// The store's directory when RKDB2_SIM_HOME names none: rkdb2-sim in the
// user's profile (USERPROFILE) on Windows, .rkdb2-sim in the home directory
// (HOME, else the working directory) elsewhere.
std::string DefaultStoreDirectory();

// An exclusive lock on a lock file, held for the object's life, that keeps
// writers of the store from interleaving their read-modify-write cycles
// (LockFileEx on Windows, flock elsewhere). Locks of two objects conflict
// even within one process; the system drops the lock if the process dies.
class CRkStoreLock {
public:
    enum class Wait { kBlock, kFailImmediately };

    // Creates the lock file if needed and takes the lock, waiting for it or
    // not. IsHeld() tells whether it was taken.
    explicit CRkStoreLock(const std::string& lockPath, Wait wait = Wait::kBlock);
    ~CRkStoreLock();
    CRkStoreLock(const CRkStoreLock&) = delete;
    CRkStoreLock& operator=(const CRkStoreLock&) = delete;

    bool IsHeld() const { return m_held; }

private:
    [[maybe_unused]] void* m_file = nullptr;   // HANDLE on Windows
    [[maybe_unused]] int m_fd = -1;            // file descriptor elsewhere
    bool m_held = false;
};

} // namespace rk::sim::store
