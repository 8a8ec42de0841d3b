#pragma once
// An exclusive lock on a lock file, held for the object's life: LockFileEx
// on Windows, flock elsewhere. Two objects' locks conflict even within one
// process; the system drops the lock if the process dies.

#include <cstdint>
#include <string>

namespace rk::os {

class FileLock {
public:
    enum class Wait { kBlock, kFailImmediately };

    // Creates the lock file if needed and takes the lock, waiting for it or
    // not. IsHeld() tells whether it was taken.
    explicit FileLock(const std::string& lockPath, Wait wait = Wait::kBlock);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool IsHeld() const { return m_held; }

private:
    // The open lock file: a HANDLE on Windows, a descriptor elsewhere; -1
    // (INVALID_HANDLE_VALUE on Windows) when none is open.
    std::intptr_t m_file = -1;
    bool m_held = false;
};

} // namespace rk::os
