// The key table as the player rebinds it: conflicts swap or are refused, Defaults
// restores the original table, and the key handler follows the bindings.
#include <gtest/gtest.h>

#include "game/key_bindings.h"
#include "loop/key_commands.h"
#include "loop/session_fixture.h"

namespace zembrol::test {
namespace {

TEST(KeyBindings, RebindsAndConflicts) {
    struct Case {
        KeyAction action; int key; ConflictPolicy policy;
        RebindResult result; int16_t actionKey; KeyAction other; int16_t otherKey; const char* message;
    };
    const Case cases[] = {
        // A free key: a plain change.
        {KeyAction::Rotate, 'W', ConflictPolicy::Refuse, RebindResult::Done, 'W', KeyAction::Count, 0, ""},
        // Its own key again: nothing to say.
        {KeyAction::Drop, 40, ConflictPolicy::Refuse, RebindResult::Done, 40, KeyAction::Count, 0, ""},
        // Space is Inversia's: refused, or swapped so Inversia gets Down.
        {KeyAction::Drop, 32, ConflictPolicy::Refuse, RebindResult::Refused, 40, KeyAction::Inversia, 32, "already used by \"Inversia\""},
        {KeyAction::Drop, 32, ConflictPolicy::Swap, RebindResult::Swapped, 32, KeyAction::Inversia, 40, "now has Down"},
        // A key without a name cannot be bound.
        {KeyAction::MoveLeft, 0, ConflictPolicy::Swap, RebindResult::Refused, 37, KeyAction::Count, 0, "cannot be bound"},
        {KeyAction::MoveLeft, 250, ConflictPolicy::Swap, RebindResult::Refused, 37, KeyAction::Count, 0, "cannot be bound"},
    };
    for (const Case& c : cases) {
        KeyBindings keys;
        std::string message;
        EXPECT_EQ(Rebind(keys, c.action, c.key, c.policy, &message), c.result) << InfoOf(c.action).caption << " " << c.key;
        EXPECT_EQ(keys[c.action], c.actionKey);
        if (c.other != KeyAction::Count) {
            EXPECT_EQ(keys[c.other], c.otherKey);
        }
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        // Whatever happened, no key runs two actions.
        for (size_t i = 0; i < kKeyActions; ++i)
            for (size_t j = i + 1; j < kKeyActions; ++j) EXPECT_NE(keys.code[i], keys.code[j]);
    }
}

TEST(KeyBindings, DefaultsRestoreTheOriginalTable) {
    KeyBindings keys;
    Rebind(keys, KeyAction::MoveLeft, 'A', ConflictPolicy::Swap, nullptr);
    Rebind(keys, KeyAction::Pause, 'P', ConflictPolicy::Swap, nullptr);
    keys.RestoreDefaults();
    const std::pair<KeyAction, int> table[] = {
        {KeyAction::MoveLeft, 37}, {KeyAction::MoveRight, 39}, {KeyAction::Rotate, 38}, {KeyAction::Drop, 40},
        {KeyAction::Inversia, 32}, {KeyAction::TakeBack, 13}, {KeyAction::Pause, 27}, {KeyAction::View1, 112},
        {KeyAction::View7, 118}, {KeyAction::MaterialEditor, 120}, {KeyAction::ReloadConfiguration, 122},
        {KeyAction::SaveConfiguration, 123}, {KeyAction::DemoSpeed1, 49}, {KeyAction::DemoSpeed3, 51}};
    for (const auto& [action, code] : table) EXPECT_EQ(keys[action], code) << InfoOf(action).caption;
    EXPECT_EQ(keys, KeyBindings{});
}

class ReboundKeys : public SessionFixture {};

TEST_F(ReboundKeys, TheHandlerFollowsTheBindings) {
    WindowCommands window;
    Rebind(cfg.keys, KeyAction::MoveLeft, 'A', ConflictPolicy::Swap, nullptr);
    const int x = s.g_FigX;
    EXPECT_EQ(OnKeyDown(session, {vk::Left}, window), KeyOutcome::Ignored) << "the old key does nothing";
    EXPECT_EQ(s.g_FigX, x);
    EXPECT_EQ(OnKeyDown(session, {'A'}, window), KeyOutcome::Done);
    EXPECT_EQ(s.g_FigX, x - 1);
}

}  // namespace
}  // namespace zembrol::test
