// How the renderer reports: records for the start-up log, and failures the player
// is to be told about, which the application shows (a message box in a window).
#pragma once

#include <functional>
#include <string>

namespace zembrol::render {

// A log record: message, kind (5 enter, 10 leave, 15 plain), success.
using RenderLog = std::function<void(const std::string& message, int kind, bool ok)>;
// A failure for the player: the box's caption and text.
using RenderAlert = std::function<void(const std::string& caption, const std::string& text)>;

struct RenderReports {
    RenderLog log;
    RenderAlert alert;

    void operator()(const std::string& message, int kind, bool ok) const {
        if (log) log(message, kind, ok);
    }
    void Alert(const std::string& caption, const std::string& text) const {
        if (alert) alert(caption, text);
    }
};

}  // namespace zembrol::render
