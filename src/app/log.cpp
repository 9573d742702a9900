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

StartupLog::~StartupLog() = default;

// Each line is flushed at once: the log is what is left to read when the game dies.
bool StartupLog::WriteLine(const std::string& line) { return file_.WriteLine(line); }

bool StartupLog::f_OpenLog(const std::string& path) {
    if (!file_.Create(path) || !WriteLine(clock_.date() + "   " + clock_.time() + "    Start") || !WriteLine(kStars)) {
        file_.Close();
        ShowBox(kTextLogNotOpened, platform::BoxIcon::Critical);
        return false;
    }
    f_Log("f_OpenLog()", kLogPlain, true);
    return true;
}

bool StartupLog::f_CloseLog() {
    if (!file_.IsOpen()) return false;
    f_Log("f_CloseLog()", kLogPlain, true);
    WriteLine(kStars);
    WriteLine(clock_.date() + "   " + clock_.time() + "    End");
    file_.Close();
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
