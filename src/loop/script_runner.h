// The scripted headless runner: reads a script of one command per line and plays
// it against a Session, printing `dump` lines as JSON. Used by
// `zembrol --headless --seed N --script FILE` and by the tests.
//
// Script commands (`#` starts a comment; blank lines are skipped):
//   key NAME | key Shift+NAME   one key-down (Left Right Up Down Space Enter Esc F1..F12 1 2 3;
//                               modifiers Shift+, Ctrl+, Alt+)
//   mouse move X Y              pointer over the 3D view, in view pixels at the base size
//   mouse down|up left|right    a mouse button; the next pass reads it, a release re-arms the click
//   click CONTROL               an on-screen button (host), or a control of the open window
//                               (click cmdOK, click lblStatVal(3))
//   answer ok|cancel|yes|no     the next message box (host)
//   type TEXT                   text typed into the open window's text field (host)
//   scroll NAME VALUE           the open window's scroll bar
//   choose NAME ITEM            an item of the open window's list, by its text (the rest
//                               of the line) or, when no item has that text, its position
//   slide NAME VALUE            the open window's slider moved to VALUE
//   tick N                      N loop passes; with a window open, N of its frames
//   set NAME VALUE              a setting or game-state value by its name, exactly that value
//                               (set g_Level does not touch m_FallDelay); unknown names: host
//   row R PATTERN               field row R (0..30), columns 4..18, from 15 characters 0/1
//   figure K MASK               queue entry K (0..4) from a 16-character mask, price 0, not special
//   dump                        the game state as one JSON line on `out`, with the open
//                               window and its controls, and every setting's value
//
// A modal window that opens while the script runs (the result windows at a game's
// end, inside a `tick`) takes the script's next lines until it closes: `key`, `click`,
// `type`, `scroll`, `choose`, `slide` and `tick` go to it. When the script ends first, it closes by its
// default answer.
//
// A tool window beside the game (the material window, F9) is not modal: the game goes
// on under it (`tick` runs passes), `type`, `scroll`, `choose`, `slide` and the `click`s
// the main window does not take go to it, `key Esc` closes it, and `dump` shows it.
//
// Before running a script the caller starts the game (f_Init), as the program's
// start-up does.
#pragma once

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "loop/key_commands.h"
#include "loop/script_window.h"
#include "loop/session.h"

namespace zembrol {

// What the program around the rules serves for a script. Every method returns false
// for "not supported", which stops the script with an error naming the line.
class ScriptHost : public WindowCommands {
public:
    virtual bool Click(const std::string& control) { (void)control; return false; }
    virtual bool Answer(const std::string& word) { (void)word; return false; }
    virtual bool Type(const std::string& text) { (void)text; return false; }
    // A `set` name the rules do not know (e.g. a graphics setting). False when the
    // name is unknown, or, with the reason in `problem`, when the value does not fit.
    virtual bool Set(const std::string& name, const std::string& value, std::string* problem) {
        (void)name, (void)value, (void)problem;
        return false;
    }
    // The modal window open now, or null.
    virtual ScriptWindow* OpenWindow() { return nullptr; }
    // The tool window open beside the game now, or null.
    virtual ScriptWindow* ToolWindow() { return nullptr; }
    // Every configuration key with its current value, for the dump.
    virtual std::vector<std::pair<std::string, std::string>> SettingValues() { return {}; }
    // The main window's own labels, for the dump (none without a main window).
    virtual std::vector<ControlValue> MainWindowControls() { return {}; }
    // The running script while RunScript runs, null after it: windows that open
    // meanwhile take its lines through it.
    virtual void SetWindowFeed(WindowFeed* feed) { (void)feed; }
};

inline constexpr int kScriptOk = 0;
inline constexpr int kScriptLoopEnded = 1;   // a new game could not start; the loop ended
inline constexpr int kScriptError = 2;       // bad script, or commands left after the window closed:
                                             // "line N: ..." on err

// Runs the script to its end or its first error. Returns kScriptOk, kScriptLoopEnded
// or kScriptError.
int RunScript(Session& session, std::istream& script, std::ostream& out, std::ostream& err, ScriptHost& host);

}  // namespace zembrol
