// The settings window made from only what it edits (the settings, the game state and
// the sounds), with none of the application around it: every setting row of its tabs
// is a control of it, written at once and listed as the dump shows it.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "sound/sound_events.h"
#include "windows/settings_window.h"
#include "control_text.h"

using namespace zembrol;
using zembrol::testing::ValueOf;

TEST(SettingsWindowAlone, TheFrameRateOptionIsAControlOfTheGameTab) {
    Settings s;
    GameState state;
    SoundEvents sound{s, 1};
    SettingsWindow w{s, state, sound, {"a", "b", "c", "d", "e", "f", "g", "h"}};
    w.Load();
    EXPECT_EQ(ValueOf(w, "chkShowFPS"), "1");
    ASSERT_TRUE(w.Click("tbs1(4)"));
    ASSERT_TRUE(w.Click("chkShowFPS"));
    EXPECT_FALSE(s.bShowFPS);
    EXPECT_EQ(ValueOf(w, "chkShowFPS"), "0");
    // Nothing of the rules changed: closing starts no game.
    int newGames = 0;
    w.newGame = [&] { ++newGames; };
    ASSERT_TRUE(w.Click("cmdOK"));
    EXPECT_TRUE(w.Closed());
    EXPECT_EQ(newGames, 0);
}
