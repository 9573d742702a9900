// The single-instance guard: an advisory lock on a file in the data folder, held
// for the whole run. A second start finds it locked.
#pragma once

#include <string>

namespace zembrol::platform {

class InstanceLock {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    // Unavailable means the lock file cannot be opened (no data folder, say) or is
    // not a regular file (a link, a FIFO): the guard then cannot tell, and the caller
    // goes on.
    Result Acquire(const std::string& lockFile);

private:
    int fd_ = -1;
};

}  // namespace zembrol::platform
