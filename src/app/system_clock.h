// The loop's clock in a window run: the system millisecond clock and real sleeps.
#pragma once

#include "loop/loop_clock.h"
#include "platform/clock.h"
#include "platform/events.h"

namespace zembrol {

class SystemLoopClock final : public LoopClock {
public:
    SystemLoopClock() : last_(platform::timeGetTime()) {}
    int64_t NowMs() override {
        // The 32-bit system clock wraps after 49 days; the loop counts on.
        uint32_t now = platform::timeGetTime();
        total_ += static_cast<uint32_t>(now - last_);
        last_ = now;
        return total_;
    }
    // Wakes early for a window event, so a key is handled as it arrives.
    void SleepMs(int ms) override { platform::WaitForEvents(static_cast<uint32_t>(ms)); }

private:
    uint32_t last_;
    int64_t total_ = 0;
};

}  // namespace zembrol
