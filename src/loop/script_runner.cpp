// Script runner: parse one line, run it, stop at the first error with its line number.
#include "loop/script_runner.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <type_traits>
#include <algorithm>
#include <istream>
#include <iterator>
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

// Length of the UTF-8 character that starts at t[k], or 0 when none starts there.
size_t Utf8CharAt(std::string_view t, size_t k) {
    const unsigned char c = static_cast<unsigned char>(t[k]);
    const size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 && c >= 0xC2 ? 2 : (c & 0xF0) == 0xE0 ? 3
                     : (c & 0xF8) == 0xF0 && c <= 0xF4 ? 4 : 0;
    if (len == 0 || k + len > t.size()) return 0;
    for (size_t j = 1; j < len; ++j)
        if ((static_cast<unsigned char>(t[k + j]) & 0xC0) != 0x80) return 0;
    return len;
}

// Characters that print as nothing: C1 controls, zero-width marks, the byte-order
// mark and the line and paragraph separators.
bool Invisible(std::string_view ch) {
    if (ch.size() < 2) return false;
    uint32_t cp = static_cast<unsigned char>(ch[0]) & (ch.size() == 2 ? 0x1F : ch.size() == 3 ? 0x0F : 0x07);
    for (size_t j = 1; j < ch.size(); ++j) cp = (cp << 6) | (static_cast<unsigned char>(ch[j]) & 0x3F);
    return (cp >= 0x80 && cp <= 0x9F) || (cp >= 0x200B && cp <= 0x200F) || cp == 0x2028 || cp == 0x2029 ||
           cp == 0xFEFF;
}

// A word of the script as an error message shows it: at most 80 characters, and
// control characters and bytes that are no UTF-8 character written as \xNN, so a
// binary file fed as a script gives a short, readable line.
std::string Shown(std::string_view word) {
    constexpr size_t kMaxChars = 80;
    std::string out;
    size_t chars = 0, k = 0;
    for (; k < word.size() && chars < kMaxChars; ++chars) {
        const size_t len = Utf8CharAt(word, k);
        const unsigned char c = static_cast<unsigned char>(word[k]);
        if (len == 0 || c < 0x20 || c == 0x7F || Invisible(word.substr(k, len))) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
            ++k;
        } else {
            out.append(word.substr(k, len));
            k += len;
        }
    }
    if (k < word.size()) out += "...";
    return out;
}

std::string Quoted(std::string_view word) { return "'" + Shown(word) + "'"; }

// A reason given by the rules or the host quotes the value as it came; the message
// shows it as any other word of the script.
std::string WithValueShown(std::string problem, std::string_view value) {
    if (value.empty()) return problem;
    const std::string shown = Shown(value);
    for (size_t at = problem.find(value); at != std::string::npos; at = problem.find(value, at + shown.size()))
        problem.replace(at, value.size(), shown);
    return problem;
}

void Need(const std::vector<std::string_view>& w, size_t n, const char* usage) {
    if (w.size() != n) throw ScriptError{std::string("usage: ") + usage};
}

template <class T>
std::string ShownNumber(T v) {
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
        throw ScriptError{"bad number " + Quoted(text) + " for " + what};
    if (r.status == NumberStatus::OutOfRange)
        throw ScriptError{std::string(what) + " must lie in " + ShownNumber(lo) + ".." + ShownNumber(hi) +
                          ", not " + Quoted(text)};
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
        else throw ScriptError{"unknown modifier " + Quoted(mod)};
        rest.remove_prefix(plus + 1);
    }
    key.code = KeyCodeFromName(rest);
    if (key.code == 0) throw ScriptError{"unknown key " + Quoted(rest)};
    if (OnKeyDown(s, key, host) == KeyOutcome::NotSupported)
        throw ScriptError{"key " + Shown(keyText) + " is not supported"};
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
            throw ScriptError{"unknown mouse button " + Quoted(w[2])};
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
        throw ScriptError{"bad pattern " + Quoted(p) + ": 15 characters 0 or 1"};
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
    if (!IsValidMask(w[2])) throw ScriptError{"bad mask " + Quoted(w[2]) + ": 16 characters 0 or 1"};
    SetQueueEntry(s.state.g_Figs[k], FigureChoice{std::string(w[2]), 0, false});
}

void RunSet(Session& s, const std::vector<std::string_view>& w, ScriptHost& host) {
    Need(w, 3, "set NAME VALUE");
    std::string problem;
    switch (SetNamedValue(s, w[1], w[2], problem)) {
        case SetResult::Done: return;
        case SetResult::BadValue:
            // A reason that names the value's range already names the variable.
            if (problem.rfind(std::string(w[1]) + " ", 0) == 0) throw ScriptError{WithValueShown(problem, w[2])};
            throw ScriptError{"bad value for " + Shown(w[1]) + ": " + WithValueShown(problem, w[2])};
        case SetResult::UnknownName:
            // A name the host knows whose value does not fit comes back with a reason.
            if (!host.Set(std::string(w[1]), std::string(w[2]), &problem))
                throw ScriptError{problem.empty() ? "unknown name " + Quoted(w[1])
                                                  : "bad value for " + Shown(w[1]) + ": " + WithValueShown(problem, w[2])};
    }
}

// One run of a script: the main loop of its lines, and the windows that open while
// a line runs, which take the following lines until they close.
class ScriptRun final : public WindowFeed {
public:
    ScriptRun(Session& s, std::istream& script, std::ostream& out, std::ostream& err, ScriptHost& host)
        : s_(s), text_(std::istreambuf_iterator<char>(script), std::istreambuf_iterator<char>()), out_(out),
          err_(err), host_(host) {}

    int Run() {
        host_.SetWindowFeed(this);
        std::string line;
        int closedAt = 0;   // the line whose command closed the window
        while (result_ == kScriptOk && NextLine(&line)) {
            if (closedAt > 0) {
                // Closing on the last line is how a script ends the game; commands after
                // it would run against a game that is gone.
                err_ << "line " << closedAt << ": the window was closed here, but line " << lineNo_
                     << " and the lines after it were not run\n";
                result_ = kScriptError;
                break;
            }
            const bool wasRunning = s_.loop.running;
            Execute(line);
            if (wasRunning && !s_.loop.running && result_ == kScriptOk) closedAt = lineNo_;
        }
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
        // CR LF, LF and a lone CR all end a line, as in every text file the game reads.
        while (next_ < text_.size()) {
            const size_t end = std::min(text_.find_first_of("\r\n", next_), text_.size());
            std::string_view line = std::string_view(text_).substr(next_, end - next_);
            next_ = end + (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n' ? 2 : 1);
            ++lineNo_;
            // Editors that save "UTF-8 with BOM" put the mark before the first command.
            if (lineNo_ == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
            if (size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
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
        if (!extras.window) extras.window = host_.ToolWindow();
        extras.settings = host_.SettingValues();
        extras.mainWindow = host_.MainWindowControls();
        out_ << DumpState(s_, &extras) << '\n';
    }

    void RunInGame(std::string_view line) {
        const std::vector<std::string_view> w = Split(line);
        const std::string_view cmd = w[0];
        ScriptWindow* tool = host_.ToolWindow();
        if (Is(cmd, "key")) {
            Need(w, 2, "key NAME");
            RunKey(s_, w[1], host_);
        } else if (Is(cmd, "mouse")) {
            RunMouse(s_, w);
        } else if (Is(cmd, "click")) {
            Need(w, 2, "click CONTROL");
            if (!host_.Click(std::string(w[1])) && !(tool && tool->Click(std::string(w[1]))))
                throw ScriptError{"click " + Shown(w[1]) + " is not supported"};
        } else if (Is(cmd, "answer")) {
            Answer(w);
        } else if (tool && (Is(cmd, "type") || Is(cmd, "scroll") || Is(cmd, "choose") || Is(cmd, "slide"))) {
            RunInWindow(*tool, line);
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
            throw ScriptError{"unknown command " + Quoted(cmd)};
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
    std::string text_;   // the whole script
    size_t next_ = 0;    // where the next line begins
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
