// LoopClock: the loop's only view of time — a millisecond clock and a sleep.
// The window run uses the real clock; headless runs and tests use VirtualClock.
#pragma once

#include <cstdint>

namespace zembrol {

class LoopClock {
public:
    virtual ~LoopClock() = default;
    // Milliseconds since an arbitrary start.
    virtual int64_t NowMs() = 0;
    // Waits `ms` milliseconds; a window's clock may return early when an event arrives.
    virtual void SleepMs(int ms) = 0;
};

// Time stands still until someone sleeps; a sleep advances it at once.
class VirtualClock final : public LoopClock {
public:
    int64_t NowMs() override { return now_; }
    void SleepMs(int ms) override { now_ += ms; }
    void Advance(int64_t ms) { now_ += ms; }

private:
    int64_t now_ = 0;
};

}  // namespace zembrol
