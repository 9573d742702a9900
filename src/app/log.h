// The start-up log: one file per machine, rewritten at each start, holding a
// numbered, time-stamped and indented trace of start-up, loading, saving and shutdown.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "game/log_kinds.h"
#include "platform/line_file.h"   // kLogEnter, kLogLeave, kLogPlain; any other kind has no indentation or marker

namespace zembrol {

class StartupLog {
public:
    // Clock text of the records and banners; replaceable so tests get fixed text.
    struct Clock {
        std::function<std::string()> date;  // e.g. "10.12.2026"
        std::function<std::string()> time;  // e.g. "03:51:17"
    };
    static Clock SystemClock();

    explicit StartupLog(Clock clock = SystemClock()) : clock_(std::move(clock)) {}
    StartupLog(const StartupLog&) = delete;
    StartupLog& operator=(const StartupLog&) = delete;
    ~StartupLog();

    // Creates (truncates) the file and writes the start banner, the star line and
    // "f_OpenLog()". On failure shows the critical box and returns false.
    bool f_OpenLog(const std::string& path);
    // Writes "f_CloseLog()", the star line and the end banner, and closes the file.
    bool f_CloseLog();
    // One record; false when it could not be written (no open file). The record
    // counter advances either way.
    bool f_Log(const std::string& message, int kind, bool ok);

    // While start-up runs, every record moves the loading window's bar to the
    // record counter (up to the bar's maximum); the window repaints from here.
    static constexpr int kProgressMax = 35;
    void SetProgressSink(std::function<void(int value, int maximum)> sink) { progress_ = std::move(sink); }
    void SetInitializationComplete(bool complete) { initComplete_ = complete; }
    bool InitializationComplete() const { return initComplete_; }

    int Counter() const { return counter_; }
    const std::string& Indentation() const { return indent_; }
    void ResetIndentation() { indent_.clear(); }
    bool IsOpen() const { return file_.IsOpen(); }
    // Why the log file could not be opened or written: the system's reason.
    const std::string& FileError() const { return file_.Error(); }

private:
    bool WriteLine(const std::string& line);

    Clock clock_;
    platform::LineFile file_;
    int counter_ = 0;
    std::string indent_;
    bool initComplete_ = false;
    std::function<void(int, int)> progress_;
};

}  // namespace zembrol
