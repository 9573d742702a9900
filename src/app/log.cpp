// The start-up log writer.
#include "app/log.h"

#include <ctime>

#include "app/messages.h"

namespace zembrol {

namespace {
const char* const kStars = "*** *** *** *** *** *** *** *** ***";

std::string Format(const char* fmt) {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, fmt, &tm);
    return buf;
}
}  // namespace

StartupLog::Clock StartupLog::SystemClock() {
    return Clock{[] { return Format("%d.%m.%Y"); }, [] { return Format("%H:%M:%S"); }};
}

StartupLog::~StartupLog() {
    if (file_) std::fclose(file_);
}

bool StartupLog::WriteLine(const std::string& line) {
    if (!file_) return false;
    if (std::fputs(line.c_str(), file_) < 0 || std::fputc('\n', file_) == EOF) return false;
    // Flushed at once: the log is what is left to read when the game dies.
    return std::fflush(file_) == 0;
}

bool StartupLog::f_OpenLog(const std::string& path) {
    if (file_) std::fclose(file_);
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_ || !WriteLine(clock_.date() + "   " + clock_.time() + "    Start") || !WriteLine(kStars)) {
        if (file_) std::fclose(file_);
        file_ = nullptr;
        ShowBox(kTextLogNotOpened, platform::BoxIcon::Critical);
        return false;
    }
    f_Log("f_OpenLog()", kLogPlain, true);
    return true;
}

bool StartupLog::f_CloseLog() {
    if (!file_) return false;
    f_Log("f_CloseLog()", kLogPlain, true);
    WriteLine(kStars);
    WriteLine(clock_.date() + "   " + clock_.time() + "    End");
    std::fclose(file_);
    file_ = nullptr;
    return true;
}

bool StartupLog::f_Log(const std::string& message, int kind, bool ok) {
    ++counter_;
    std::string prefix;
    switch (kind) {
        case kLogEnter:
            indent_ += "...";
            prefix = indent_ + ">> ";
            break;
        case kLogLeave:
            if (indent_.size() >= 3) indent_.resize(indent_.size() - 3);
            prefix = indent_ + "<< ";
            break;
        case kLogPlain: prefix = indent_; break;
        default: break;
    }
    std::string line = std::to_string(counter_) + " " + clock_.time() + "  " + prefix + message;
    if (!ok) line += " --- FAILED !!!";
    if (!WriteLine(line)) return false;
    if (!initComplete_ && counter_ <= kProgressMax && progress_) progress_(counter_, kProgressMax);
    return true;
}

}  // namespace zembrol
