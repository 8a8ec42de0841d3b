#include "os/Files.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace rk::os {
namespace {

// The named mutex that every appending writer of one file holds, in any
// module and any process. Each module opens it once per file; its threads
// take their own lock first, which also keeps the handle while another
// thread uses it.
class AppendMutex {
public:
    ~AppendMutex()
    {
        if (m_mutex != nullptr)
            ::CloseHandle(m_mutex);
    }

    // Holds the named mutex of the file at `path` for the life of the result.
    class Held {
    public:
        Held(AppendMutex& owner, const std::string& path) : m_lock(owner.m_threads)
        {
            m_mutex = owner.Open(path);
            if (m_mutex != nullptr && ::WaitForSingleObject(m_mutex, INFINITE) == WAIT_FAILED)
                m_mutex = nullptr;
        }
        ~Held()
        {
            if (m_mutex != nullptr)
                ::ReleaseMutex(m_mutex);
        }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        std::lock_guard<std::mutex> m_lock;
        HANDLE m_mutex = nullptr;
    };

private:
    HANDLE Open(const std::string& path)
    {
        if (m_mutex != nullptr && path == m_path)
            return m_mutex;
        if (m_mutex != nullptr)
            ::CloseHandle(m_mutex);
        m_path = path;
        const std::string name = "rkdb2-append-" + std::to_string(std::hash<std::string>{}(path));
        m_mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
        return m_mutex;
    }

    std::mutex m_threads;
    std::string m_path;
    HANDLE m_mutex = nullptr;
};

AppendMutex g_appendMutex;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_file(handle) { }
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

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
    constexpr int kAttempts = 400; // 5 ms apart: two seconds
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

void AppendToFile(const std::string& path, const std::string& text)
{
    const AppendMutex::Held held(g_appendMutex, path);
    if (std::FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

void MakeDirectory(const std::string& path) { ::CreateDirectoryA(path.c_str(), nullptr); }

void RemoveEmptyDirectory(const std::string& path) { ::RemoveDirectoryA(path.c_str()); }

void UseBinaryStandardOutput()
{
    std::fflush(stdout);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
    FileHandle file(
        ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    const bool written = WriteAll(file.Get(), content) && ::FlushFileBuffers(file.Get()) != FALSE;
    if (file.Close() && written && RenameOver(temporary, path))
        return true;
    ::DeleteFileA(temporary.c_str());
    return false;
}

} // namespace rk::os
