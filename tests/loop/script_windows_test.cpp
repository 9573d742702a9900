// Windows in scripted runs: a window that opens during a `tick` (here at the game's
// end) takes the script's next lines until it closes, the rest go back to the game;
// a script that ends first closes it by its default; a bad line inside it stops the
// run with its line number; `dump` shows the open window's controls.
#include <gtest/gtest.h>

#include <sstream>

#include "game/f_init.h"
#include "game/recording_events.h"
#include "loop/loop_clock.h"
#include "loop/script_runner.h"

using namespace zembrol;
using zembrol::test::RecordingEvents;

namespace {

// A window of one text field, an OK button and a timer; it records what it was given.
class FakeWindow final : public ScriptWindow {
public:
    std::vector<std::string> got;
    std::string text;
    int frames = 0;
    bool closed = false;
    bool byDefault = false;

    const char* Name() const override { return "frmFake"; }
    bool Closed() const override { return closed; }
    bool Click(const std::string& c) override {
        if (c != "cmdOK" && c != "lblX(3)") return false;
        got.push_back("click " + c);
        closed = c == "cmdOK";
        return true;
    }
    bool Type(const std::string& t) override {
        text = t;
        return true;
    }
    bool Key(const std::string& k) override {
        if (k != "Esc") return false;
        closed = true;
        got.push_back("key Esc");
        return true;
    }
    bool Scroll(const std::string& n, int v) override {
        got.push_back("scroll " + n + " " + std::to_string(v));
        return n == "vscrlUpDown";
    }
    bool Choose(const std::string& n, const std::string& item) override {
        got.push_back("choose " + n + " [" + item + "]");
        return n == "cmbList" && item != "Nope";
    }
    bool Slide(const std::string& n, int v) override {
        got.push_back("slide " + n + " " + std::to_string(v));
        return n == "sldVol";
    }
    void Frame() override { ++frames; }
    void CloseByDefault() override { closed = byDefault = true; }
    std::vector<ControlValue> Controls() const override {
        return {{"txtName", text}, {"lblDiff(0)", "+5", 16711680}};
    }
};

// The end of a game opens the fake window through the host, as the application does.
class WindowHost final : public ScriptHost, public NullResultSteps {
public:
    FakeWindow window;
    WindowFeed* feed = nullptr;
    ScriptWindow* open = nullptr;
    int opened = 0;

    void SetWindowFeed(WindowFeed* f) override { feed = f; }
    ScriptWindow* OpenWindow() override { return open; }
    std::vector<std::pair<std::string, std::string>> SettingValues() override { return {{"bCW", "True"}}; }
    void ShowLevelStats() override {
        ++opened;
        window = FakeWindow{};
        open = &window;
        if (feed) feed->DriveWindow(window);
        else window.CloseByDefault();
        open = nullptr;
    }
};

struct WindowRun {
    GameSettings cfg;
    Rng rng{1};
    RecordingEvents ev;
    VirtualClock clock;
    Session session{cfg, rng, ev, clock};
    WindowHost host;
    std::ostringstream out, err;
    WindowRun() {
        cfg.m_DelLinesInLevel = 5;   // the level statistics window shows at every game's end
        session.results = &host;
        f_Init(session.game);
    }
    int Play(const std::string& script) {
        std::istringstream in(script);
        return RunScript(session, in, out, err, host);
    }
};

// Lines that end the running game at once: a full field and a drop.
const char* kFullField =
    "row 1 111111111111110\nrow 2 111111111111110\nrow 3 111111111111110\nrow 4 111111111111110\n";

}  // namespace

TEST(ScriptWindows, TheOpenWindowTakesTheNextLinesThenTheGameGoesOn) {
    WindowRun r;
    const std::string script = std::string(kFullField) +
                               "tick 400\n"
                               "dump\n"
                               "type  Ann  \n"
                               "tick 7\n"
                               "scroll vscrlUpDown 4\n"
                               "click lblX(3)\n"
                               "dump\n"
                               "click cmdOK\n"
                               "dump\n";
    ASSERT_EQ(r.Play(script), kScriptOk) << r.err.str();
    EXPECT_EQ(r.host.opened, 1);
    EXPECT_EQ(r.host.window.text, " Ann  ") << "type keeps the spaces of the name";
    EXPECT_EQ(r.host.window.frames, 7);
    EXPECT_EQ(r.host.window.got, (std::vector<std::string>{"scroll vscrlUpDown 4", "click lblX(3)", "click cmdOK"}));
    EXPECT_FALSE(r.host.window.byDefault);
    std::istringstream lines(r.out.str());
    std::vector<std::string> dumps;
    for (std::string l; std::getline(lines, l);) dumps.push_back(l);
    ASSERT_EQ(dumps.size(), 3u);
    EXPECT_NE(dumps[0].find("\"window\":\"frmFake\",\"controls\":{\"txtName\":\"\""), std::string::npos) << dumps[0];
    EXPECT_NE(dumps[1].find("\"txtName\":\" Ann  \",\"lblDiff(0)\":\"+5\",\"lblDiff(0).ForeColor\":16711680"),
              std::string::npos)
        << dumps[1];
    // The last dump comes after the window: the game has started again.
    EXPECT_NE(dumps[2].find("\"window\":null,\"settings\":{\"bCW\":\"True\"}"), std::string::npos) << dumps[2];
    EXPECT_EQ(dumps[2].find("\"controls\""), std::string::npos);
}

TEST(ScriptWindows, AScriptThatEndsFirstClosesTheWindowByItsDefault) {
    WindowRun r;
    ASSERT_EQ(r.Play(std::string(kFullField) + "tick 400\n"), kScriptOk) << r.err.str();
    EXPECT_GE(r.host.opened, 1);
    EXPECT_TRUE(r.host.window.byDefault);
}

TEST(ScriptWindows, ABadLineInAWindowStopsTheRunAtItsLine) {
    struct Case { const char* lines; const char* error; };
    const Case cases[] = {
        {"click cmdCancel\n", "line 6: frmFake has no control cmdCancel to click"},
        {"key Space\n", "line 6: frmFake does not take the key Space"},
        {"scroll hscrl 2\n", "line 6: frmFake has no scroll bar hscrl"},
        {"row 3 111111111111111\n", "line 6: row: the window frmFake is open"},
        {"tick x\n", "line 6: bad number 'x' for tick count"},
        {"choose cmbList Nope\n", "line 6: frmFake has no list cmbList with the item 'Nope'"},
        {"choose cmbList\n", "line 6: usage: choose NAME ITEM"},
        {"slide sldPan 3\n", "line 6: frmFake has no slider sldPan"},
        {"slide sldVol loud\n", "line 6: bad number 'loud' for slider value"},
    };
    for (const Case& c : cases) {
        WindowRun r;
        EXPECT_EQ(r.Play(std::string(kFullField) + "tick 400\n" + c.lines + "dump\n"), kScriptError) << c.lines;
        EXPECT_EQ(r.err.str(), std::string(c.error) + "\n");
        EXPECT_TRUE(r.host.window.byDefault) << "the window closes when the script stops";
        EXPECT_EQ(r.out.str(), "") << "nothing runs after the bad line";
    }
}

TEST(ScriptWindows, ScrollChooseAndSlideWithoutAWindowAreErrors) {
    for (const char* command : {"scroll", "choose", "slide"}) {
        WindowRun r;
        EXPECT_EQ(r.Play(std::string(command) + " vscrlUpDown 3\n"), kScriptError);
        EXPECT_EQ(r.err.str(), std::string("line 1: ") + command + ": no window is open\n");
    }
}

TEST(ScriptWindows, ChooseTakesTheRestOfTheLineAndSlideANumber) {
    WindowRun r;
    const std::string script = std::string(kFullField) +
                               "tick 400\n"
                               "choose cmbList   Level change  \n"
                               "choose cmbList 3\n"
                               "slide sldVol -1200\n"
                               "click cmdOK\n";
    ASSERT_EQ(r.Play(script), kScriptOk) << r.err.str();
    EXPECT_EQ(r.host.window.got, (std::vector<std::string>{"choose cmbList [Level change]", "choose cmbList [3]",
                                                           "slide sldVol -1200", "click cmdOK"}));
}
