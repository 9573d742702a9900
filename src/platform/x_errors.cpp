// The X error handler: each error becomes one line, written to standard error at
// once and kept for the game's log until the next ReportXErrors.
#include "platform/x_errors.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <mutex>
#include <utility>
#include <vector>

namespace zembrol::platform {

namespace {

struct Caught {
    std::mutex lock;  // Xlib calls the handler on whichever thread made the failed request
    std::vector<std::string> lines;
    size_t count = 0;
    std::function<void(const std::string&)> log;
};

Caught& State() {
    static Caught caught;
    return caught;
}

std::string Hex(unsigned long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%lx", value);
    return text;
}

// Names and texts come from Xlib's own tables: nothing here sends a request.
std::string Describe(Display* display, const XErrorEvent& e) {
    char text[160] = "";
    XGetErrorText(display, e.error_code, text, sizeof text);
    std::string request = std::to_string(e.request_code);
    if (e.request_code < 128) {
        // Core requests have names; an extension's request is shown as major.minor.
        char name[80] = "";
        XGetErrorDatabaseText(display, "XRequest", request.c_str(), "", name, sizeof name);
        if (name[0]) request += std::string(" ") + name;
    } else {
        request += "." + std::to_string(e.minor_code);
    }
    return std::string("X error ") + text + ": request " + request + ", resource " + Hex(e.resourceid);
}

int OnXError(Display* display, XErrorEvent* error) {
    const std::string line = Describe(display, *error);
    Caught& caught = State();
    std::lock_guard<std::mutex> hold(caught.lock);
    ++caught.count;
    std::string kept;
    if (caught.count <= kXErrorsWritten) kept = line;
    else if (caught.count == kXErrorsWritten + 1) kept = "further X errors are not written down";
    if (!kept.empty()) {
        std::fprintf(stderr, "zembrol: %s (the game goes on)\n", kept.c_str());
        caught.lines.push_back(std::move(kept));
    }
    return 0;  // the failed request is dropped; the process goes on
}

}  // namespace

void CatchXErrors() { XSetErrorHandler(OnXError); }

void SetXErrorLog(std::function<void(const std::string& line)> log) {
    Caught& caught = State();
    std::lock_guard<std::mutex> hold(caught.lock);
    caught.log = std::move(log);
}

void ReportXErrors() {
    Caught& caught = State();
    std::vector<std::string> lines;
    std::function<void(const std::string&)> log;
    {
        std::lock_guard<std::mutex> hold(caught.lock);
        if (caught.lines.empty()) return;
        lines.swap(caught.lines);
        log = caught.log;
    }
    if (!log) return;  // standard error has them already
    for (const std::string& line : lines) log(line);
}

size_t XErrorsCaught() {
    Caught& caught = State();
    std::lock_guard<std::mutex> hold(caught.lock);
    return caught.count;
}

}  // namespace zembrol::platform
