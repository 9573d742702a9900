// X protocol errors. Xlib's default handler ends the process on any failed request,
// even on one the game can live without (a message sent to a window that has just
// been closed). The game's handler writes each error down and lets the game go on:
// at once to standard error, and to the game's log from the next point where no X
// request is under way (a handler must not call back into Xlib or the game).
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace zembrol::platform {

// Installs the handler for every X connection of the process; again is harmless.
// VideoInit calls it before the display layer starts, so that the display layer's
// own handler passes the errors on to it.
void CatchXErrors();

// Where ReportXErrors sends its lines (the game's log); none writes them to standard error only.
void SetXErrorLog(std::function<void(const std::string& line)> log);

// Sends the errors caught since the last call to the log; call it where no X request
// is under way (the event pump does, every pass).
void ReportXErrors();

// How many X errors the handler has caught in this run. Only the first
// kXErrorsWritten are written down: a request that fails on every pass must not
// fill the log.
size_t XErrorsCaught();
constexpr size_t kXErrorsWritten = 100;

}  // namespace zembrol::platform
