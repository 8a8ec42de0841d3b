#include "os/Files.h"

#include <cstdio>
#include <functional>
#include <mutex>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace rk::os {
namespace {

// The named mutex that every appending writer of one file holds, in any
// module and any process. Each module opens it once per file; its threads
// take their own lock first, which also keeps the handle while another
// thread uses it.
class CRkAppendMutex {
public:
    ~CRkAppendMutex()
    {
        if (m_mutex != nullptr)
            ::CloseHandle(m_mutex);
    }

    // Holds the named mutex of the file at `path` for the life of the result.
    class CRkHeld {
    public:
        CRkHeld(CRkAppendMutex& owner, const std::string& path) : m_lock(owner.m_threads)
        {
            m_mutex = owner.Open(path);
            if (m_mutex != nullptr && ::WaitForSingleObject(m_mutex, INFINITE) == WAIT_FAILED)
                m_mutex = nullptr;
        }
        ~CRkHeld()
        {
            if (m_mutex != nullptr)
                ::ReleaseMutex(m_mutex);
        }
        CRkHeld(const CRkHeld&) = delete;
        CRkHeld& operator=(const CRkHeld&) = delete;

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

CRkAppendMutex g_appendMutex;

} // namespace

void AppendToFile(const std::string& path, const std::string& text)
{
    const CRkAppendMutex::CRkHeld held(g_appendMutex, path);
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

} // namespace rk::os
