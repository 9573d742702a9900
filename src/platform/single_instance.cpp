// Single-instance guard through flock(2): released by the kernel when the process ends.
#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace zembrol::platform {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

InstanceLock::Result InstanceLock::Acquire(const std::string& lockFile) {
    int fd = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Result::Unavailable;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool busy = errno == EWOULDBLOCK;
        close(fd);
        return busy ? Result::HeldByAnother : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Acquired;
}

}  // namespace zembrol::platform
