#include "os/FileLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace rk::os {

FileLock::FileLock(const std::string& lockPath, Wait wait)
    : m_file(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
{
    const int fd = static_cast<int>(m_file);
    if (fd < 0)
        return;
    const int operation = LOCK_EX | (wait == Wait::kFailImmediately ? LOCK_NB : 0);
    int result = 0;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    m_held = result == 0;
}

FileLock::~FileLock()
{
    // Closing the descriptor releases the lock.
    if (m_file >= 0)
        ::close(static_cast<int>(m_file));
}

} // namespace rk::os
