#include "StoreFiles.h"

#include "SimHooks.h"

#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace rk::sim::store {
namespace {

class CRkFileDescriptor {
public:
    explicit CRkFileDescriptor(int fd) : m_fd(fd) {}
    ~CRkFileDescriptor() { Close(); }
    CRkFileDescriptor(const CRkFileDescriptor&) = delete;
    CRkFileDescriptor& operator=(const CRkFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const std::string& content)
{
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::string TemporaryNameFor(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string content(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>{});
    if (file.bad())
        return std::nullopt;
    return content;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content)
{
    const std::string temporary = TemporaryNameFor(path);
    CRkFileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (file.Get() < 0)
        return false;
    const bool written = WriteAll(file.Get(), content) && ::fsync(file.Get()) == 0;
    if (file.Close() && written && ::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

CRkStoreLock::CRkStoreLock(const std::string& lockPath, Wait wait)
    : m_fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
{
    if (m_fd < 0)
        return;
    const int operation = LOCK_EX | (wait == Wait::kFailImmediately ? LOCK_NB : 0);
    int result = 0;
    do {
        result = ::flock(m_fd, operation);
    } while (result != 0 && errno == EINTR);
    m_held = result == 0;
}

CRkStoreLock::~CRkStoreLock()
{
    // Closing the descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string DefaultStoreDirectory()
{
    const std::string home = GetEnv("HOME");
    return (home.empty() ? std::string(".") : home) + "/.rkdb2-sim";
}

} // namespace rk::sim::store
