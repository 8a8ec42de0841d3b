#include "StoreFiles.h"

#include "SimHooks.h"

#include <algorithm>
#include <atomic>
#include <string>

#ifndef NOMINMAX
#  define NOMINMAX
#endif
#include <windows.h>

namespace rk::sim::store {
namespace {

class CRkFileHandle {
public:
    explicit CRkFileHandle(HANDLE handle) : m_file(handle) {}
    ~CRkFileHandle() { Close(); }
    CRkFileHandle(const CRkFileHandle&) = delete;
    CRkFileHandle& operator=(const CRkFileHandle&) = delete;

    bool IsValid() const { return m_file != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_file; }
    bool Close()
    {
        const HANDLE handle = m_file;
        m_file = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || ::CloseHandle(handle) != FALSE;
    }

private:
    HANDLE m_file;
};

bool WriteAll(HANDLE file, const std::string& content)
{
    std::size_t written = 0;
    while (written < content.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - written, 1u << 20));
        DWORD n = 0;
        if (!::WriteFile(file, content.data() + written, chunk, &n, nullptr) || n == 0)
            return false;
        written += n;
    }
    return true;
}

std::string TemporaryNameFor(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + ".tmp-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

// Renames `from` over `to`. Windows (and Wine) refuse to replace a file
// that another thread or process has open at that moment, even a reader
// that shares deletion: readers hold the file only while they read it, so
// the rename is tried again for a while. A directory in the way is final.
bool RenameOver(const std::string& from, const std::string& to)
{
    constexpr int kAttempts = 400;   // 5 ms apart: two seconds
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE)
            return true;
        const DWORD error = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesA(to.c_str());
        const bool directory = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (attempt == kAttempts || directory || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
            return false;
        ::Sleep(5);
    }
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    CRkFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return std::nullopt;
    std::string content;
    char chunk[1 << 14];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.Get(), chunk, sizeof chunk, &n, nullptr))
            return std::nullopt;
        if (n == 0)
            return content;
        content.append(chunk, n);
    }
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content)
{
    const std::string temporary = TemporaryNameFor(path);
    CRkFileHandle file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                     nullptr));
    if (!file.IsValid())
        return false;
    const bool written = WriteAll(file.Get(), content) && ::FlushFileBuffers(file.Get()) != FALSE;
    if (file.Close() && written && RenameOver(temporary, path))
        return true;
    ::DeleteFileA(temporary.c_str());
    return false;
}

CRkStoreLock::CRkStoreLock(const std::string& lockPath, Wait wait)
{
    const HANDLE file = ::CreateFileA(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    m_file = file;
    OVERLAPPED overlapped = {};
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait == Wait::kFailImmediately ? LOCKFILE_FAIL_IMMEDIATELY : 0);
    m_held = ::LockFileEx(file, flags, 0, 1, 0, &overlapped) != FALSE;
}

CRkStoreLock::~CRkStoreLock()
{
    if (m_file == nullptr)
        return;
    if (m_held) {
        OVERLAPPED overlapped = {};
        ::UnlockFileEx(m_file, 0, 1, 0, &overlapped);
    }
    ::CloseHandle(m_file);
}

std::string DefaultStoreDirectory() { return GetEnv("USERPROFILE") + "\\rkdb2-sim"; }

} // namespace rk::sim::store
