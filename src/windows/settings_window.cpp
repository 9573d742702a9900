// frmSettings: what each control writes, the sound tab's slots and files, and the
// closing rules that decide whether a new game starts.
//
//   [Sections] opening and closing - clicks - lists and sliders - files - controls
#include "windows/settings_window.h"

#include <algorithm>
#include <cstring>

#include "game/game_settings.h"
#include "game/game_state.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "sound/sound_events.h"
#include "windows/setting_controls.h"
#include "windows/short_text.h"

namespace zembrol {

namespace {

// The file name of a path, for a label.
std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> NumberItems(int from, int to) {
    std::vector<std::string> items;
    for (int k = from; k <= to; ++k) items.push_back(std::to_string(k));
    return items;
}

constexpr int kFallSpeeds = 16;   // cmbFallSpeed: 0..15

}  // namespace

SettingsWindow::SettingsWindow(Settings& settings, GameState& state, SoundEvents& sound,
                               std::array<std::string, kSoundEvents> eventNames)
    : s_(settings), state_(state), sound_(sound), eventNames_(std::move(eventNames)), keys_(settings) {}

// ---- opening and closing ----

void SettingsWindow::Load() {
    GameSettings& g = s_.game;
    // The list's first item is selected at opening: the fall speed starts at 0.
    fallSpeed_ = 0;
    state_.g_FallSpeed = 0;
    gameChanged_ = false;
    typeAtOpen_ = g.gt_CurGameType;
    // A series under way plays one of its three types; the window shows the series.
    shownType_ = g.g_Trial ? 4 : std::clamp(g.gt_CurGameType, 1, 4);
    shownTypeAtOpen_ = shownType_;
    speedAtOpen_ = g.g_Speed;
    atOpen_.clear();
    for (const SettingRow& row : SettingRows())
        if (row.panel == Panel::Settings && (row.restarts & restart::kGame)) atOpen_.emplace_back(&row, RowNumber(row, s_));
    lblFile_ = g_ShortText(s_.PathToBkgMusic, 35);
    lblSkin_ = platform::Utf8Length(s_.iNumSkin) > 2 ? g_ShortText(FileName(s_.iNumSkin), 35) : std::string();
    slotMessage_ = {};
    keys_.Load();
    closed_ = false;
}

void SettingsWindow::Close() {
    if (closed_) return;
    GameSettings& g = s_.game;
    if (shownType_ == shownTypeAtOpen_ && g.g_Speed == speedAtOpen_) g.gt_CurGameType = shownTypeAtOpen_;
    else gameChanged_ = true;
    closed_ = true;
    if (gameChanged_) {
        g.g_Trial = g.gt_CurGameType == 4;
        if (g.g_Trial) state_.g_TrialGameNo = 0;
        if (newGame) newGame();
    } else {
        // Nothing of the rules changed: a series keeps playing the type of its current game.
        g.gt_CurGameType = typeAtOpen_;
    }
}

bool SettingsWindow::Key(const std::string& key) {
    // An action waiting for its new key takes any key, Esc too.
    if (keys_.Key(key)) return true;
    if (key != "Esc") return false;
    Close();
    return true;
}

// ---- clicks ----

bool SettingsWindow::Click(const std::string& control) {
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index)) return false;
    if (keys_.Click(name, index)) return true;
    keys_.StopWaiting();
    if (const RowCommand done = ClickRow(Panel::Settings, s_, control); done.Handled()) {
        if (done.outcome == RowCommand::Applied) Apply(*done.row);
        return true;
    }
    if (index >= 0) return ClickIndexed(name, index);
    if (name == ctl::cmdOK || name == ctl::close) {
        Close();
    } else if (name == ctl::cmdSeq) {
        if (shownType_ != 3) return true;   // disabled: nothing happens
        if (openSeq && openSeq()) gameChanged_ = true;
    } else if (name == ctl::cmdLoadSkin) {
        ChooseSkinPicture();
    } else if (name == ctl::cmdSetGraph) {
        if (openGraph) openGraph();
    } else if (name == ctl::cmdOpen) {
        ChooseMusic();
    } else if (name == ctl::chkEnFirstVar || name == ctl::chkEnSecondVar) {
        const int variant = name == ctl::chkEnFirstVar ? 0 : 1;
        if (variant >= EventSlotCount()) return true;
        SoundSlotSettings& slot = SlotSettings(EventSoundSlot(variant));
        slot.Enbl = !slot.Enbl;
        sound_.Slot(EventSoundSlot(variant)).aEnbl(slot.Enbl);
    } else if (name == ctl::cmdOpenFirst || name == ctl::cmdOpenSecond) {
        const int variant = name == ctl::cmdOpenFirst ? 0 : 1;
        if (variant < EventSlotCount()) ChooseSlotFile(variant);
    } else if (name == ctl::lblINet) {
        if (openWeb) openWeb();
    } else {
        return false;
    }
    return true;
}

void SettingsWindow::Apply(const SettingRow& row) {
    GameSettings& g = s_.game;
    if (row.restarts & restart::kTick) g.g_TickMs = TickMsForSpeed(g.g_Speed, g.g_TickMs);
    if (row.restarts & restart::kGame) {
        // A value other than at opening sets the game-changed flag, which stays set.
        for (const auto& [opened, value] : atOpen_)
            if (opened == &row && RowNumber(row, s_) != value) gameChanged_ = true;
    }
    if (row.restarts & restart::kMusic) sound_.MusicSwitched();
    if (row.restarts & restart::kMusicVolume) sound_.Music().bkg_SetVolume(s_.DirectSound_Vol, false);
    if (row.restarts & restart::kMusicFreq) sound_.Music().bkg_SetFreq(s_.freq);
    if ((row.restarts & restart::kPan) && RowNumber(row, s_) == 0) sound_.CentrePan();
}

bool SettingsWindow::ClickIndexed(const std::string& name, int i) {
    if (name == ctl::tbs1 && i < kSettingsTabs) {
        tab_ = i;
    } else if (name == ctl::optType && i < 4) {
        shownType_ = i + 1;
        s_.game.gt_CurGameType = i + 1;
    } else if (name == ctl::cmdSkin && i >= kFirstWindowSkin && i < kFirstWindowSkin + 3) {
        s_.iNumSkin = std::to_string(i - kFirstWindowSkin + 1);
        s_.iControlsColor = kSkinControlsColor[static_cast<size_t>(i - kFirstWindowSkin)];
        lblSkin_.clear();
        if (skinChanged) skinChanged();
    } else {
        return false;
    }
    return true;
}

// ---- lists and sliders ----

bool SettingsWindow::Choose(const std::string& control, const std::string& item) {
    keys_.StopWaiting();
    if (const RowCommand done = ChooseRow(Panel::Settings, s_, control, item, {}); done.outcome != RowCommand::NotMine) {
        if (done.outcome == RowCommand::Applied) Apply(*done.row);
        return done.outcome != RowCommand::Refused;
    }
    if (control == ctl::cmbFallSpeed) {
        const int k = ItemIndex(NumberItems(0, kFallSpeeds - 1), item);
        if (k < 0) return false;
        fallSpeed_ = k;
        state_.g_FallSpeed = static_cast<int16_t>(k);
    } else if (control == ctl::cmbListEvents) {
        const int k = ItemIndex(eventNames_, item);
        if (k < 0) return false;
        event_ = k;
        slotMessage_ = {};
    } else {
        return false;
    }
    return true;
}

bool SettingsWindow::Slide(const std::string& control, int value) {
    if (keys_.Slide(control, value)) return true;
    keys_.StopWaiting();
    if (const RowCommand done = SlideRow(Panel::Settings, s_, control, value); done.Handled()) {
        if (done.outcome == RowCommand::Applied) Apply(*done.row);
        return true;
    }
    if (control == ctl::sldVolBut1 || control == ctl::sldVolBut2) {
        const int variant = control == ctl::sldVolBut1 ? 0 : 1;
        if (variant >= EventSlotCount()) return true;
        SoundSlotSettings& slot = SlotSettings(EventSoundSlot(variant));
        slot.Vol = static_cast<int16_t>(std::clamp(value, kVolumeMin, kVolumeMax));
        sound_.Slot(EventSoundSlot(variant)).aVol(slot.Vol);
    } else if (control == ctl::sldFreqBut1 || control == ctl::sldFreqBut2) {
        const int variant = control == ctl::sldFreqBut1 ? 0 : 1;
        if (variant >= EventSlotCount()) return true;
        SoundSlotSettings& slot = SlotSettings(EventSoundSlot(variant));
        slot.Freq = std::clamp(value, kFreqMin, kFreqMax);
        sound_.Slot(EventSoundSlot(variant)).aFreq(slot.Freq);
    } else {
        return false;
    }
    return true;
}

int SettingsWindow::EventSlotCount() const {
    // Landing and drop have two variants.
    return (event_ == 3 || event_ == 4) ? 2 : 1;
}

SoundSlot SettingsWindow::EventSoundSlot(int variant) const {
    static constexpr std::array<std::array<SoundSlot, 2>, kSoundEvents> kSlots = {{
        {SoundSlot::mInv1, SoundSlot::mInv1},
        {SoundSlot::mZemb1, SoundSlot::mZemb1},
        {SoundSlot::mDel1, SoundSlot::mDel1},
        {SoundSlot::mDown1, SoundSlot::mDown2},
        {SoundSlot::mDrop1, SoundSlot::mDrop2},
        {SoundSlot::mRot1, SoundSlot::mRot1},
        {SoundSlot::mLft1, SoundSlot::mLft1},
        {SoundSlot::mRht1, SoundSlot::mRht1},
    }};
    return kSlots[static_cast<size_t>(event_)][static_cast<size_t>(variant)];
}

SoundSlotSettings& SettingsWindow::SlotSettings(SoundSlot slot) {
    for (size_t k = 0; k < kSlotPrefixes.size(); ++k)
        if (std::strcmp(kSlotPrefixes[k], SoundSlotName(slot)) == 0) return s_.slots[k];
    return s_.slots[0];   // the two name lists hold the same ten names
}

const SoundSlotSettings& SettingsWindow::EventSlot(int variant) const {
    return const_cast<SettingsWindow*>(this)->SlotSettings(EventSoundSlot(std::min(variant, EventSlotCount() - 1)));
}

std::string SettingsWindow::SlotLabel(int variant) const {
    if (variant >= EventSlotCount()) return {};
    if (!slotMessage_[static_cast<size_t>(variant)].empty()) return slotMessage_[static_cast<size_t>(variant)];
    return g_ShortText(EventSlot(variant).Path, 25);
}

// ---- files ----

std::string SettingsWindow::StartFolder(const std::string& file, const std::string& fallback) const {
    // A folder that has gone is the file choice's to report.
    if (file.find('/') == std::string::npos) return fallback;
    const std::string folder = platform::ParentFolder(file);
    return folder.empty() ? std::string("/") : folder;
}

bool SettingsWindow::SoundFileLoads(bool loadedOnDevice, const std::string& path) const {
    // Without a sound device nothing can be tried: a file that is there is taken.
    return sound_.HasDevice() ? loadedOnDevice : platform::FileExists(path);
}

void SettingsWindow::ChooseMusic() {
    std::string path;
    const std::string folder = sound_.Music().Unavailable() && sound_.HasDevice()
                                   ? appFolder
                                   : StartFolder(s_.PathToBkgMusic, appFolder);
    if (!chooseFile || !chooseFile("*.wav", folder, &path)) return;
    BkgMusic& music = sound_.Music();
    const bool hadMusic = !music.Unavailable();
    const int32_t freq = s_.freq;
    music.bkg_Play(path);
    if (!SoundFileLoads(!music.Unavailable(), path)) {
        // The chosen file does not play: the music that played goes on.
        lblFile_ = kFileNotFound;
        if (log) log("frmSettings: music file " + path + " did not load");
        if (sound_.HasDevice() && hadMusic) {
            music.bkg_Play(s_.PathToBkgMusic);
            music.bkg_SetVolume(s_.DirectSound_Vol, false);
            if (!s_.EnableLoop) music.bkg_Stop();
        }
        s_.freq = freq;
        return;
    }
    lblFile_ = g_ShortText(FileName(path), 35);
    s_.PathToBkgMusic = path;
    s_.EnableLoop = true;   // chkEnable cleared
    music.bkg_SetVolume(s_.DirectSound_Vol, false);
    if (sound_.HasDevice()) s_.freq = music.bkg_GetFreq();
}

void SettingsWindow::ChooseSlotFile(int variant) {
    const SoundSlot which = EventSoundSlot(variant);
    SoundSlotSettings& slot = SlotSettings(which);
    std::string path;
    if (!chooseFile || !chooseFile("*.wav", StartFolder(slot.Path, appFolder), &path)) return;
    clsDMCtrl& ctrl = sound_.Slot(which);
    ctrl.aPath(path);   // loads it and plays it once
    if (!SoundFileLoads(!ctrl.NotLoaded(), path)) {
        // The slot keeps its old sound.
        slotMessage_[static_cast<size_t>(variant)] = kFileNotFound;
        if (log) log("frmSettings: sound file " + path + " did not load");
        ctrl.Configure(slot.Path, slot.Enbl, slot.Vol, slot.Freq);
        return;
    }
    slotMessage_[static_cast<size_t>(variant)].clear();
    slot.Path = path;
    if (sound_.HasDevice()) slot.Freq = ctrl.aFreq();
}

void SettingsWindow::ChooseSkinPicture() {
    std::string path;
    if (!chooseFile || !chooseFile("*.jpg;*.bmp;*.png", appFolder + "/data/skins", &path)) return;
    std::string why;
    if (!checkPicture || !checkPicture(path, &why)) {
        // The skin in use stays.
        lblSkin_ = kFileNotFound;
        if (log) log("frmSettings: skin picture " + path + " - " + why);
        return;
    }
    s_.iNumSkin = path;
    lblSkin_ = g_ShortText(FileName(path), 35);
    if (skinChanged) skinChanged();
}

// ---- controls ----

SettingsShown SettingsWindow::Shown() const {
    SettingsShown v;
    v.tab = tab_;
    v.type = shownType_;
    v.seqEnabled = shownType_ == 3;
    v.fallSpeed = fallSpeed_;
    v.musicLabel = lblFile_;
    v.skinLabel = lblSkin_;
    v.graphEnabled = static_cast<bool>(openGraph);
    v.event = event_;
    for (int k = 0; k < 2; ++k) {
        SettingsShown::Slot& shown = v.slots[static_cast<size_t>(k)];
        shown.usable = k < EventSlotCount();
        const SoundSlotSettings& slot = EventSlot(k);
        shown.on = shown.usable && slot.Enbl;
        shown.volume = shown.usable ? slot.Vol : 0;
        shown.freq = shown.usable ? slot.Freq : 0;
        shown.label = SlotLabel(k);
    }
    v.keyWaiting = keys_.WaitingAction();
    v.keysMessage = keys_.Message();
    v.gameChanged = gameChanged_;
    return v;
}

std::vector<ControlValue> SettingsWindow::Controls() const {
    const SettingsShown v = Shown();
    auto enabled = [](bool on) { return std::string(on ? "True" : "False"); };
    std::vector<ControlValue> c{{ctl::tbs1, std::to_string(v.tab)}};
    for (int k = 0; k < 4; ++k) c.push_back({Indexed(ctl::optType, k), Flag(v.type == k + 1)});
    c.push_back({std::string(ctl::cmdSeq) + ".Enabled", enabled(v.seqEnabled)});
    c.push_back({ctl::cmbFallSpeed, std::to_string(v.fallSpeed)});
    AddRowControls(Panel::Settings, s_, {}, c);
    c.push_back({ctl::lblSkin, v.skinLabel});
    c.push_back({std::string(ctl::cmdSetGraph) + ".Enabled", enabled(v.graphEnabled)});
    c.push_back({ctl::lblFile, v.musicLabel});
    c.push_back({ctl::cmbListEvents, eventNames_[static_cast<size_t>(v.event)]});
    static const char* kVariant[2][5] = {
        {ctl::chkEnFirstVar, ctl::sldVolBut1, ctl::sldFreqBut1, ctl::lblFirstVar, ctl::fraFirstVar},
        {ctl::chkEnSecondVar, ctl::sldVolBut2, ctl::sldFreqBut2, ctl::lblSecondVar, ctl::fraSecondVar}};
    for (size_t k = 0; k < 2; ++k) {
        const SettingsShown::Slot& slot = v.slots[k];
        c.push_back({std::string(kVariant[k][4]) + ".Enabled", enabled(slot.usable)});
        c.push_back({kVariant[k][0], Flag(slot.on)});
        c.push_back({kVariant[k][1], std::to_string(slot.volume)});
        c.push_back({kVariant[k][2], std::to_string(slot.freq)});
        c.push_back({kVariant[k][3], slot.label});
    }
    keys_.AddControls(c);
    c.push_back({ctl::gameChanged, enabled(v.gameChanged)});
    c.push_back({ctl::cmdOK, "OK"});
    return c;
}

}  // namespace zembrol
