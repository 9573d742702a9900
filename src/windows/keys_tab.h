// The Keys tab of the settings window: the key table with the key of every action,
// rebinding an action by the next key pressed, Defaults, the game's own key repeat,
// and the colour-blind palette with the shape marks. Every change goes at once into
// the settings the running game reads; the configuration stores them on its next save.
//
// A key that another action has is swapped: that action takes the rebound action's
// old key, so every action keeps a key of its own, and the tab says what moved.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "loop/script_window.h"
#include "settings/settings.h"

namespace zembrol {

class KeysTab {
public:
    // A text of "fSettings" by key; none: the built-in English texts.
    using Text = std::function<std::string(const std::string&)>;

    explicit KeysTab(Settings& settings) : s_(settings) {}

    Text text;

    // Opening: nothing waits for a key, no message.
    void Load();
    // lstKeys(i) (starts waiting for action i's key, or stops when it already waits),
    // cmdKeysDefault, and the tab's setting rows (the own repeat, the colour aids).
    // False for a control of another tab.
    bool Click(const std::string& name, int index);
    // While an action waits: the key (a KeyName) becomes its key, and true. Otherwise
    // false: the key is the window's.
    bool Key(const std::string& key);
    // The tab's sliders (the repeat's delay and rate in ms; only while the own repeat is on).
    bool Slide(const std::string& control, int value);
    // Any other control used: the action stops waiting.
    void StopWaiting();
    bool Waiting() const { return waiting_ >= 0; }
    int WaitingAction() const { return waiting_; }   // -1: none
    const std::string& Message() const { return message_; }
    void AddControls(std::vector<ControlValue>& c) const;

private:
    std::string T(const std::string& key) const;
    std::string ActionCaption(size_t action) const;

    Settings& s_;
    int waiting_ = -1;       // the action whose key comes next
    std::string message_;    // lblKeysMsg
};

}  // namespace zembrol
