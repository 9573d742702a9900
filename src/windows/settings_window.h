// The settings window (frmSettings): every control writes its setting at once; the
// window only remembers what it needs to decide, when it closes, whether the rules
// of the running game changed and a new game must start. Scripts drive and dump it
// by control name (ScriptWindow); a window run draws it with ImGui (ui/settings_views).
// The controls that show a setting are rows of the settings table (settings/setting_rows.h):
// what they write, list and restart comes from there; this class keeps the rest.
//
//   tab 0 event sounds (fraButton), 1 background music (fraBkg), 2 looks and
//   3 bonuses (Frame1), 4 game control (fraControl), 5 keys and colour aids
//   (keys_tab.h); fraINet beside the tabs.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/sound_slots.h"
#include "loop/script_window.h"
#include "settings/setting_rows.h"
#include "settings/settings.h"
#include "ui/settings_views.h"
#include "windows/keys_tab.h"

namespace zembrol {

struct GameState;
class SoundEvents;

inline constexpr const char* kFileNotFound = "... File not found ...";
inline constexpr int kSettingsTabs = 6;
inline constexpr int kSoundEvents = 8;
// Language keys of the event list, in the list's order.
inline constexpr std::array<const char*, kSoundEvents> kSoundEventKeys = {
    "cmbInv", "cmbZemb", "cmbDel", "cmbGround", "cmbDrop", "cmbRotate", "cmbLevChg", "cmbStart"};
// The main window's skins behind cmdSkin(7..9) and the text colour each brings.
inline constexpr int kFirstWindowSkin = 7;
inline constexpr std::array<int16_t, 3> kSkinControlsColor = {1, 5, 0};
inline constexpr int kPlayfieldSkins = 5;      // cmdSkin(0..4): g_SkinIndex
inline constexpr int kControlColors = 8;

// Slider ranges of the event sounds (hundredths of a decibel, hertz).
inline constexpr int kVolumeMin = -5000, kVolumeMax = 0;
inline constexpr int kFreqMin = 4000, kFreqMax = 48000;

// Where the window stood when it last closed: kept for the run, never on disk.
struct WindowPlace {
    bool known = false;
    float x = 0, y = 0;
};

class SettingsWindow final : public ScriptWindow {
public:
    // `eventNames`: the event list's texts ("cmbInv" .. "cmbStart" of "fSettings").
    SettingsWindow(Settings& settings, GameState& state, SoundEvents& sound,
                   std::array<std::string, kSoundEvents> eventNames);

    // What the window reaches beyond the settings (the application connects them).
    std::function<bool()> openSeq;     // frmSeq; true when the sequence was edited
    // gg_GetPathAndFile: true with the chosen full path.
    std::function<bool(const std::string& pattern, const std::string& folder, std::string* path)> chooseFile;
    // Whether a picture file can be the window's skin; false with the reason.
    std::function<bool(const std::string& path, std::string* why)> checkPicture;
    std::function<void()> skinChanged;  // the main window takes iNumSkin's picture
    std::function<void()> openWeb;      // lblINet
    std::function<void()> openGraph;    // frmGraph; none: cmdSetGraph is disabled
    std::function<void()> newGame;      // f_Init
    std::function<void(const std::string&)> log;   // a file that did not load, and why
    std::string appFolder;              // where the file choices start without a file
    WindowPlace place;                  // the window's place, in and out

    // Opening: every control from the current settings, the fall speed to 0, the
    // game-changed flag cleared, the type and speed at opening remembered.
    void Load();

    const char* Name() const override { return "frmSettings"; }
    bool Closed() const override { return closed_; }
    bool Click(const std::string& control) override;
    bool Key(const std::string& key) override;            // "Esc" closes
    bool Choose(const std::string& control, const std::string& item) override;
    bool Slide(const std::string& control, int value) override;
    void CloseByDefault() override { Close(); }
    void Dismiss() override { closed_ = true; }           // the game is closing: nothing restarts
    std::vector<ControlValue> Controls() const override;

    // What the view shows beside the settings themselves.
    SettingsShown Shown() const;
    const Settings& Values() const { return s_; }
    KeysTab& Keys() { return keys_; }

private:
    void Close();
    bool ClickIndexed(const std::string& name, int index);
    // What a row's change restarts or tells at once.
    void Apply(const SettingRow& row);
    void ChooseMusic();
    void ChooseSlotFile(int variant);
    void ChooseSkinPicture();
    int EventSlotCount() const;
    const SoundSlotSettings& EventSlot(int variant) const;
    std::string SlotLabel(int variant) const;
    SoundSlot EventSoundSlot(int variant) const;
    SoundSlotSettings& SlotSettings(SoundSlot slot);
    // A sound file that loads (with no sound device: one that exists).
    bool SoundFileLoads(bool loadedOnDevice, const std::string& path) const;
    std::string StartFolder(const std::string& file, const std::string& fallback) const;

    Settings& s_;
    GameState& state_;
    SoundEvents& sound_;
    std::array<std::string, kSoundEvents> eventNames_;
    int tab_ = 0;
    int event_ = 0;
    int fallSpeed_ = 0;
    int shownType_ = 1;
    int typeAtOpen_ = 1;          // gt_CurGameType as it was
    int shownTypeAtOpen_ = 1;     // the option shown at opening (4 in a series)
    int speedAtOpen_ = 0;
    std::vector<std::pair<const SettingRow*, long long>> atOpen_;   // the rows that restart the game
    bool gameChanged_ = false;
    bool closed_ = false;
    std::string lblFile_;
    std::string lblSkin_;
    std::array<std::string, 2> slotMessage_;   // "... File not found ..." until the next choice
    KeysTab keys_;
};

}  // namespace zembrol
