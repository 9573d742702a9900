// The Keys tab: rebinding with swaps, Defaults, the own repeat and the colour aids.
#include "windows/keys_tab.h"

#include <algorithm>
#include <map>

#include "game/key_bindings.h"
#include "windows/setting_controls.h"

namespace zembrol {

namespace {

// "%1", "%2", ... replaced by the values in order.
std::string Filled(std::string pattern, const std::vector<std::string>& values) {
    for (size_t k = 0; k < values.size(); ++k) {
        const std::string mark = "%" + std::to_string(k + 1);
        const size_t at = pattern.find(mark);
        if (at != std::string::npos) pattern.replace(at, mark.size(), values[k]);
    }
    return pattern;
}

const std::map<std::string, std::string>& EnglishTexts() {
    static const std::map<std::string, std::string> t = {
        {"ky_msgWait", "Press the new key for \"%1\" (click it again to keep its key)."},
        {"ky_msgDone", "\"%1\" is on %2 now."},
        {"ky_msgSwapped", "%1 was the key of \"%2\", which has %3 now."},
        {"ky_msgRefused", "The key %1 cannot be bound; press another."},
        {"ky_msgDefaults", "The original keys are back."},
    };
    return t;
}

}  // namespace

void KeysTab::Load() {
    waiting_ = -1;
    message_.clear();
}

std::string KeysTab::T(const std::string& key) const {
    if (text) return text(key);
    const auto it = EnglishTexts().find(key);
    return it == EnglishTexts().end() ? key : it->second;
}

std::string KeysTab::ActionCaption(size_t action) const {
    const KeyActionInfo& info = InfoOf(static_cast<KeyAction>(action));
    return text ? text(std::string("ky_") + info.configKey) : info.caption;
}

void KeysTab::StopWaiting() {
    if (waiting_ < 0) return;
    waiting_ = -1;
    message_.clear();
}

bool KeysTab::Click(const std::string& name, int index) {
    GameSettings& g = s_.game;
    if (name == ctl::lstKeys && index >= 0 && index < static_cast<int>(kKeyActions)) {
        if (waiting_ == index) {
            StopWaiting();
        } else {
            waiting_ = index;
            message_ = Filled(T("ky_msgWait"), {ActionCaption(static_cast<size_t>(index))});
        }
        return true;
    }
    if (index >= 0) return false;
    if (name == ctl::cmdKeysDefault) {
        g.keys.RestoreDefaults();
        waiting_ = -1;
        message_ = T("ky_msgDefaults");
        return true;
    }
    if (!ClickRow(Panel::Keys, s_, name).Handled()) return false;
    StopWaiting();
    return true;
}

bool KeysTab::Key(const std::string& key) {
    if (waiting_ < 0) return false;
    const int code = KeyCodeOfName(key);
    if (!BindableKey(code)) {
        // The action goes on waiting for a key it can have.
        message_ = Filled(T("ky_msgRefused"), {key});
        return true;
    }
    const auto action = static_cast<KeyAction>(waiting_);
    const KeyAction owner = s_.game.keys.ActionOf(code);
    waiting_ = -1;
    if (Rebind(s_.game.keys, action, code, ConflictPolicy::Swap, nullptr) == RebindResult::Swapped)
        message_ = Filled(T("ky_msgSwapped"), {KeyName(code), ActionCaption(static_cast<size_t>(owner)),
                                               KeyName(s_.game.keys[owner])});
    else
        message_ = Filled(T("ky_msgDone"), {ActionCaption(static_cast<size_t>(action)), KeyName(code)});
    return true;
}

bool KeysTab::Slide(const std::string& control, int value) {
    if (!SlideRow(Panel::Keys, s_, control, value).Handled()) return false;
    StopWaiting();
    return true;
}

void KeysTab::AddControls(std::vector<ControlValue>& c) const {
    const GameSettings& g = s_.game;
    for (size_t k = 0; k < kKeyActions; ++k)
        c.push_back({Indexed(ctl::lstKeys, static_cast<int>(k)), KeyName(g.keys.code[k])});
    c.push_back({ctl::lstKeysWaiting, std::to_string(waiting_)});
    c.push_back({ctl::lblKeysMsg, message_});
    AddRowControls(Panel::Keys, s_, {}, c);
}

}  // namespace zembrol
