#include "platform/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::InstanceLock(const std::string& dataFolder) : m_path(dataFolder + "/" + FileName) {}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

InstanceLock::Outcome InstanceLock::acquire()
{
    if (m_fd >= 0)
        return Outcome::Held;
    // Close-on-exec: a browser the Help menu starts must not keep the lock alive.
    int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // A lock needs no writing: one left in a folder that has since become read-only still serves.
    const int openError = errno;
    if (fd < 0 && (openError == EACCES || openError == EROFS))
        fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        m_problem = std::strerror(openError);
        return Outcome::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return Outcome::Held;
    }
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK)
        return Outcome::HeldByOther;
    m_problem = std::strerror(error);
    return Outcome::Failed;
}
