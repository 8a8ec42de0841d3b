#include "os/FileLock.h"

#include <windows.h>

namespace rk::os {

FileLock::FileLock(const std::string& lockPath, Wait wait)
{
    const HANDLE file = ::CreateFileA(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    m_file = reinterpret_cast<std::intptr_t>(file);
    OVERLAPPED overlapped = {};
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait == Wait::kFailImmediately ? LOCKFILE_FAIL_IMMEDIATELY : 0);
    m_held = ::LockFileEx(file, flags, 0, 1, 0, &overlapped) != FALSE;
}

FileLock::~FileLock()
{
    if (m_file == -1)
        return;
    const HANDLE file = reinterpret_cast<HANDLE>(m_file);
    if (m_held) {
        OVERLAPPED overlapped = {};
        ::UnlockFileEx(file, 0, 1, 0, &overlapped);
    }
    ::CloseHandle(file);
}

} // namespace rk::os
