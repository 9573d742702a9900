// Single-instance guard through flock(2): released by the kernel when the process ends.
#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zembrol::platform {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

InstanceLock::Result InstanceLock::Acquire(const std::string& lockFile) {
    // Only a regular file of its own is the lock: a link is not followed (it would make
    // or lock a file elsewhere) and a FIFO or a device is not waited on.
    int fd = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0) return Result::Unavailable;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return Result::Unavailable;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool busy = errno == EWOULDBLOCK;
        close(fd);
        return busy ? Result::HeldByAnother : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Acquired;
}

}  // namespace zembrol::platform
