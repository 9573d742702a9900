// Script runner: parse one line, run it, stop at the first error with its line number.
#include "loop/script_runner.h"

#include <cctype>
#include <cstdio>
#include <type_traits>
#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

#include "game/figures.h"
#include "game/number_text.h"
#include "loop/general_loop.h"
#include "loop/mouse_commands.h"
#include "loop/state_dump.h"
#include "loop/state_names.h"

namespace zembrol {

namespace {

struct ScriptError {
    std::string message;
};

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> words;
    size_t k = 0;
    while (k < line.size()) {
        while (k < line.size() && std::isspace(static_cast<unsigned char>(line[k]))) ++k;
        size_t start = k;
        while (k < line.size() && !std::isspace(static_cast<unsigned char>(line[k]))) ++k;
        if (k > start) words.push_back(line.substr(start, k - start));
    }
    return words;
}

std::string_view Trim(std::string_view t) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    return t;
}

void Need(const std::vector<std::string_view>& w, size_t n, const char* usage) {
    if (w.size() != n) throw ScriptError{std::string("usage: ") + usage};
}

template <class T>
std::string Shown(T v) {
    if constexpr (std::is_floating_point_v<T>) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
        return buf;
    } else {
        return std::to_string(v);
    }
}

// A number argument within lo..hi; anything else stops the script at its line.
template <class T>
T Number(std::string_view text, T lo, T hi, const char* what) {
    const NumberRead<T> r = ParseNumberIn(text, lo, hi);
    if (r.status == NumberStatus::NotANumber)
        throw ScriptError{"bad number '" + std::string(text) + "' for " + what};
    if (r.status == NumberStatus::OutOfRange)
        throw ScriptError{std::string(what) + " must lie in " + Shown(lo) + ".." + Shown(hi) +
                          ", not '" + std::string(text) + "'"};
    return r.value;
}

long long Int(std::string_view text, long long lo, long long hi, const char* what) { return Number(text, lo, hi, what); }

// Pointer coordinates in view pixels: far more than any window, yet small enough
// that the column arithmetic stays within an int.
constexpr double kPointerLimit = 32767;

bool Is(std::string_view a, std::string_view b) { return a == b; }

void RunKey(Session& s, std::string_view keyText, ScriptHost& host) {
    KeyPress key;
    std::string_view rest = keyText;
    for (;;) {
        size_t plus = rest.find('+');
        if (plus == std::string_view::npos || plus == 0) break;
        std::string_view mod = rest.substr(0, plus);
        if (Is(mod, "Shift")) key.shift = true;
        else if (Is(mod, "Ctrl")) key.ctrl = true;
        else if (Is(mod, "Alt")) key.alt = true;
        else throw ScriptError{"unknown modifier '" + std::string(mod) + "'"};
        rest.remove_prefix(plus + 1);
    }
    key.code = KeyCodeFromName(rest);
    if (key.code == 0) throw ScriptError{"unknown key '" + std::string(rest) + "'"};
    if (OnKeyDown(s, key, host) == KeyOutcome::NotSupported)
        throw ScriptError{"key " + std::string(keyText) + " is not supported"};
}

void RunMouse(Session& s, const std::vector<std::string_view>& w) {
    if (w.size() >= 2 && Is(w[1], "move")) {
        Need(w, 4, "mouse move X Y");
        OnMouseMove(s, Number(w[2], -kPointerLimit, kPointerLimit, "X"), Number(w[3], -kPointerLimit, kPointerLimit, "Y"));
        return;
    }
    if (w.size() >= 2 && (Is(w[1], "down") || Is(w[1], "up"))) {
        Need(w, 3, "mouse down|up left|right");
        if (!Is(w[2], "left") && !Is(w[2], "right"))
            throw ScriptError{"unknown mouse button '" + std::string(w[2]) + "'"};
        OnMouseButton(s, Is(w[2], "right"), Is(w[1], "down"));
        return;
    }
    throw ScriptError{"usage: mouse move X Y | mouse down|up left|right"};
}

void RunRow(Session& s, const std::vector<std::string_view>& w) {
    Need(w, 3, "row R PATTERN");
    const int r = static_cast<int>(Int(w[1], 0, s.state.FloorRow(), "row"));
    std::string_view p = w[2];
    if (p.size() != kPlayWidth || p.find_first_not_of("01") != std::string_view::npos)
        throw ScriptError{"bad pattern '" + std::string(p) + "': 15 characters 0 or 1"};
    // Filled cells get a neutral grey, so a dump or a frame shows them like landed ones.
    const Color4 grey{0.59f, 0.59f, 0.59f, 1.0f};
    for (int k = 0; k < kPlayWidth; ++k) {
        const bool on = p[k] == '1';
        s.state.g_Pole[kFirstCol + k][r] = on;
        s.state.m_PoleColor[kFirstCol + k][r] = on ? grey : Color4{};
    }
}

void RunFigure(Session& s, const std::vector<std::string_view>& w) {
    Need(w, 3, "figure K MASK");
    const int k = static_cast<int>(Int(w[1], 0, kQueueSize - 1, "queue entry"));
    if (!IsValidMask(w[2])) throw ScriptError{"bad mask '" + std::string(w[2]) + "': 16 characters 0 or 1"};
    SetQueueEntry(s.state.g_Figs[k], FigureChoice{std::string(w[2]), 0, false});
}

void RunSet(Session& s, const std::vector<std::string_view>& w, ScriptHost& host) {
    Need(w, 3, "set NAME VALUE");
    std::string problem;
    switch (SetNamedValue(s, w[1], w[2], problem)) {
        case SetResult::Done: return;
        case SetResult::BadValue: throw ScriptError{problem};
        case SetResult::UnknownName:
            if (!host.Set(std::string(w[1]), std::string(w[2]), &problem))
                throw ScriptError{problem.empty() ? "unknown name '" + std::string(w[1]) + "'"
                                                  : std::string(w[1]) + ": " + problem};
    }
}

// One run of a script: the main loop of its lines, and the windows that open while
// a line runs, which take the following lines until they close.
class ScriptRun final : public WindowFeed {
public:
    ScriptRun(Session& s, std::istream& script, std::ostream& out, std::ostream& err, ScriptHost& host)
        : s_(s), script_(script), out_(out), err_(err), host_(host) {}

    int Run() {
        host_.SetWindowFeed(this);
        std::string line;
        while (result_ == kScriptOk && NextLine(&line)) Execute(line);
        host_.SetWindowFeed(nullptr);
        out_.flush();
        return result_;
    }

    void DriveWindow(ScriptWindow& w) override {
        std::string line;
        while (!w.Closed()) {
            if (result_ != kScriptOk || !NextLine(&line)) {
                w.CloseByDefault();
                return;
            }
            Execute(line);
        }
    }

private:
    // The next line with a command; false at the end of the script.
    bool NextLine(std::string* command) {
        std::string raw;
        while (std::getline(script_, raw)) {
            ++lineNo_;
            std::string_view line = raw;
            if (size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            // `type` in a window keeps the spaces after its text: a name may end with them.
            while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front()))) line.remove_prefix(1);
            untrimmed_ = std::string(line);
            line = Trim(line);
            if (!line.empty()) {
                *command = std::string(line);
                return true;
            }
        }
        return false;
    }

    void Execute(const std::string& text) {
        const int lineNo = lineNo_;
        try {
            ScriptWindow* window = host_.OpenWindow();
            if (window) RunInWindow(*window, text);
            else RunInGame(text);
        } catch (const ScriptError& e) {
            err_ << "line " << lineNo << ": " << e.message << '\n';
            result_ = kScriptError;
        }
    }

    void Dump() {
        DumpExtras extras;
        extras.window = host_.OpenWindow();
        extras.settings = host_.SettingValues();
        out_ << DumpState(s_, &extras) << '\n';
    }

    void RunInGame(std::string_view line) {
        const std::vector<std::string_view> w = Split(line);
        const std::string_view cmd = w[0];
        if (Is(cmd, "key")) {
            Need(w, 2, "key NAME");
            RunKey(s_, w[1], host_);
        } else if (Is(cmd, "mouse")) {
            RunMouse(s_, w);
        } else if (Is(cmd, "click")) {
            Need(w, 2, "click CONTROL");
            if (!host_.Click(std::string(w[1])))
                throw ScriptError{"click " + std::string(w[1]) + " is not supported"};
        } else if (Is(cmd, "answer")) {
            Answer(w);
        } else if (Is(cmd, "type")) {
            if (!host_.Type(std::string(Trim(line.substr(4))))) throw ScriptError{"type is not supported"};
        } else if (Is(cmd, "scroll") || Is(cmd, "choose") || Is(cmd, "slide")) {
            throw ScriptError{std::string(cmd) + ": no window is open"};
        } else if (Is(cmd, "tick")) {
            if (!RunTicks(w)) {
                // A bad line inside a window that opened during the ticks has been reported.
                if (result_ != kScriptOk) return;
                err_ << "line " << lineNo_ << ": the loop has ended: a new game could not start\n";
                result_ = kScriptLoopEnded;
            }
        } else if (Is(cmd, "set")) {
            RunSet(s_, w, host_);
        } else if (Is(cmd, "row")) {
            RunRow(s_, w);
        } else if (Is(cmd, "figure")) {
            RunFigure(s_, w);
        } else if (Is(cmd, "dump")) {
            Need(w, 1, "dump");
            Dump();
        } else {
            throw ScriptError{"unknown command '" + std::string(cmd) + "'"};
        }
    }

    // With a window open, the window takes the player's commands; the game waits.
    void RunInWindow(ScriptWindow& win, std::string_view line) {
        const std::vector<std::string_view> w = Split(line);
        const std::string_view cmd = w[0];
        const std::string name = win.Name();
        if (Is(cmd, "click")) {
            Need(w, 2, "click CONTROL");
            if (!win.Click(std::string(w[1]))) throw ScriptError{name + " has no control " + std::string(w[1]) + " to click"};
        } else if (Is(cmd, "type")) {
            // Everything after "type " is the text, spaces included; "type" alone types nothing.
            const std::string text = untrimmed_.size() > 5 ? untrimmed_.substr(5) : std::string();
            if (!win.Type(text)) throw ScriptError{name + " has no text field"};
        } else if (Is(cmd, "key")) {
            Need(w, 2, "key NAME");
            if (!win.Key(std::string(w[1]))) throw ScriptError{name + " does not take the key " + std::string(w[1])};
        } else if (Is(cmd, "scroll")) {
            Need(w, 3, "scroll NAME VALUE");
            const int value = static_cast<int>(Int(w[2], -1'000'000, 1'000'000, "scroll value"));
            if (!win.Scroll(std::string(w[1]), value)) throw ScriptError{name + " has no scroll bar " + std::string(w[1])};
        } else if (Is(cmd, "choose")) {
            // The item is the rest of the line: list entries may hold spaces.
            if (w.size() < 3) throw ScriptError{"usage: choose NAME ITEM"};
            const std::string_view rest = Trim(Trim(line).substr(6));
            const std::string item(Trim(rest.substr(w[1].size())));
            if (!win.Choose(std::string(w[1]), item))
                throw ScriptError{name + " has no list " + std::string(w[1]) + " with the item '" + item + "'"};
        } else if (Is(cmd, "slide")) {
            Need(w, 3, "slide NAME VALUE");
            const int value = static_cast<int>(Int(w[2], -1'000'000, 1'000'000, "slider value"));
            if (!win.Slide(std::string(w[1]), value)) throw ScriptError{name + " has no slider " + std::string(w[1])};
        } else if (Is(cmd, "tick")) {
            Need(w, 2, "tick N");
            const long long n = Int(w[1], 0, 1'000'000'000, "tick count");
            for (long long k = 0; k < n && !win.Closed(); ++k) win.Frame();
        } else if (Is(cmd, "answer")) {
            Answer(w);
        } else if (Is(cmd, "set")) {
            RunSet(s_, w, host_);
        } else if (Is(cmd, "dump")) {
            Need(w, 1, "dump");
            Dump();
        } else {
            throw ScriptError{std::string(cmd) + ": the window " + name + " is open"};
        }
    }

    void Answer(const std::vector<std::string_view>& w) {
        Need(w, 2, "answer ok|cancel|yes|no");
        if (!Is(w[1], "ok") && !Is(w[1], "cancel") && !Is(w[1], "yes") && !Is(w[1], "no"))
            throw ScriptError{"unknown answer '" + std::string(w[1]) + "'"};
        if (!host_.Answer(std::string(w[1]))) throw ScriptError{"answer is not supported"};
    }

    // False when the loop has ended or a window stopped the script.
    bool RunTicks(const std::vector<std::string_view>& w) {
        Need(w, 2, "tick N");
        const long long n = Int(w[1], 0, 1'000'000'000, "tick count");
        for (long long k = 0; k < n; ++k) {
            if (HeadlessPass(s_) == PassEnd::Stopped) return false;
            if (result_ != kScriptOk) return false;
        }
        return true;
    }

    Session& s_;
    std::istream& script_;
    std::ostream& out_;
    std::ostream& err_;
    ScriptHost& host_;
    int lineNo_ = 0;
    std::string untrimmed_;   // the current line, trailing spaces kept
    int result_ = kScriptOk;
};

}  // namespace

int RunScript(Session& s, std::istream& script, std::ostream& out, std::ostream& err, ScriptHost& host) {
    return ScriptRun(s, script, out, err, host).Run();
}

}  // namespace zembrol
