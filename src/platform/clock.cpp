// Clock and sleeps on POSIX.
#include "platform/clock.h"

#include <time.h>

namespace zembrol::platform {

namespace {
int g_openPeriods = 0;
}

uint32_t timeGetTime() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

void Sleep(uint32_t ms) {
    timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

bool timeBeginPeriod(uint32_t periodMs) {
    if (periodMs < 1) return false;
    ++g_openPeriods;
    return true;
}

void timeEndPeriod(uint32_t) {
    if (g_openPeriods > 0) --g_openPeriods;
}

int OpenTimerPeriods() { return g_openPeriods; }

}  // namespace zembrol::platform
