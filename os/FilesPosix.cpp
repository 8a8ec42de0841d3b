#include "os/Files.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rk::os {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) { }
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

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

void AppendToFile(const std::string& path, const std::string& text)
{
    // One fputs before fclose: a single write of the whole text.
    if (std::FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

void MakeDirectory(const std::string& path) { ::mkdir(path.c_str(), 0700); }

void RemoveEmptyDirectory(const std::string& path) { ::rmdir(path.c_str()); }

void UseBinaryStandardOutput() { }

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
    FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (file.Get() < 0)
        return false;
    const bool written = WriteAll(file.Get(), content) && ::fsync(file.Get()) == 0;
    if (file.Close() && written && ::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace rk::os
