// The one list of configuration keys: sections, keys and variables in the exact
// order the configuration files are read and written, with the points where a
// loaded value is applied. Loading, saving and lookup by name all walk it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/setting_value.h"
#include "settings/settings.h"

namespace zembrol {

// Points of the walk where the configuration acts beyond reading or writing a key.
enum class SettingStep {
    WindowEdgesBefore, WindowEdgesAfter,  // around left, top
    GameTypeBefore,                       // a series is stored as game type 4
    WorldSpeedAfter,
    SeqCountBefore,                       // mSeq_Count takes the sequence's length on save
    SpeedAfter,                           // the pass interval follows the speed
    UserSequence,                         // keys "u1".."u<mSeq_Count>"
    MusicPathAfter, EnableLoopAfter, MusicVolumeBefore, MusicVolumeAfter, FreqAfter,
    SlotBefore, SlotPathAfter, SlotAfter, // index = slot
    SkinAfter, ControlsColorAfter,
    MoveBkgAfter, TextureAfter,           // index = texture
    ValueDelayAfter, GraphAfter,
    DesktopBefore, DesktopAfter,          // around the window mode and size
    KeysAfter,                            // a key table or repeat the game cannot use falls back
};

class SettingVisitor {
public:
    virtual ~SettingVisitor() = default;
    // False skips the section's keys and steps.
    virtual bool Section(const char* /*section*/) { return true; }
    virtual void Key(const char* section, const std::string& key, SettingRef ref) = 0;
    virtual void Step(SettingStep /*step*/, int /*index*/) {}
};

void VisitSettingKeys(Settings& settings, SettingVisitor& visitor);

// The variable of a configuration key (any section), for scripts and tools.
bool FindSetting(Settings& settings, const std::string& key, SettingRef* ref);

// Every configuration key with its value as the files store it, in the list's order.
std::vector<std::pair<std::string, std::string>> SettingValues(Settings& settings);

}  // namespace zembrol
