// For tests that hand a FIFO to code that must not wait on it: a call that would
// block for ever ends the test program (SIGALRM) instead of holding the suite up.
#pragma once

#include <unistd.h>

namespace zembrol::testing {

class HangGuard {
public:
    HangGuard() { alarm(600); }
    ~HangGuard() { alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

}  // namespace zembrol::testing
