// The system millisecond clock, short sleeps and the timer-period request.
#pragma once

#include <cstdint>

namespace zembrol::platform {

// Milliseconds of a monotonic clock (wraps after about 49 days, like the clock it stands for).
uint32_t timeGetTime();
void Sleep(uint32_t ms);
// Requests a timer resolution of `periodMs`. Linux sleeps already have a fine
// resolution, so every request from 1 ms up is granted; the calls are counted so
// that start-up can be checked to release what it requested.
bool timeBeginPeriod(uint32_t periodMs);
void timeEndPeriod(uint32_t periodMs);
int OpenTimerPeriods();

}  // namespace zembrol::platform
