// frmSettings: what each control writes, the sound tab's slots and files, and the
// closing rules that decide whether a new game starts.
//
//   [Sections] opening and closing - clicks - lists and sliders - files - controls
#include "app/settings_window.h"

#include <algorithm>
#include <cstring>

#include "app/configuration.h"
#include "app/result_windows.h"
#include "game/game_settings.h"
#include "game/game_state.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "sound/sound_events.h"

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
    delLinesAtOpen_ = g.m_DelLinesInLevel;
    musicVolume_ = std::clamp<int>(s_.DirectSound_Vol, kVolumeMin, kVolumeMax);
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
    GameSettings& g = s_.game;
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index)) return false;
    if (keys_.Click(name, index)) return true;
    keys_.StopWaiting();
    if (index >= 0) return ClickIndexed(name, index);
    if (name == "cmdOK" || name == "close") {
        Close();
    } else if (name == "cmdSeq") {
        if (shownType_ != 3) return true;   // disabled: nothing happens
        if (openSeq && openSeq()) gameChanged_ = true;
    } else if (name == "chkAnimateChL") {
        s_.game.b_AnimateChangeLevel = !s_.game.b_AnimateChangeLevel;
    } else if (name == "chkEnableMiracle") {
        g.bEnableMiracle = !g.bEnableMiracle;
    } else if (name == "chkSvet") {
        g.EnableSvet = !g.EnableSvet;
    } else if (name == "chkSnake") {
        s_.iBeSnake = s_.iBeSnake == 1 ? 0 : 1;
    } else if (name == "chkPauseOnFocusLoss") {
        s_.bPauseOnFocusLoss = !s_.bPauseOnFocusLoss;
    } else if (name == "cmdLoadSkin") {
        ChooseSkinPicture();
    } else if (name == "cmdSetGraph") {
        if (openGraph) openGraph();
    } else if (name == "chkEnable") {
        s_.EnableLoop = !s_.EnableLoop;
        sound_.MusicSwitched();
    } else if (name == "cmdOpen") {
        ChooseMusic();
    } else if (name == "chkSoundControl") {
        s_.EnableSoundControl = !s_.EnableSoundControl;
    } else if (name == "chkEnFirstVar" || name == "chkEnSecondVar") {
        const int variant = name == "chkEnFirstVar" ? 0 : 1;
        if (variant >= EventSlotCount()) return true;
        SoundSlotSettings& slot = SlotSettings(EventSoundSlot(variant));
        slot.Enbl = !slot.Enbl;
        sound_.Slot(EventSoundSlot(variant)).aEnbl(slot.Enbl);
    } else if (name == "cmdOpenFirst" || name == "cmdOpenSecond") {
        const int variant = name == "cmdOpenFirst" ? 0 : 1;
        if (variant < EventSlotCount()) ChooseSlotFile(variant);
    } else if (name == "lblINet") {
        if (openWeb) openWeb();
    } else {
        return false;
    }
    return true;
}

bool SettingsWindow::ClickIndexed(const std::string& name, int i) {
    GameSettings& g = s_.game;
    if (name == "tbs1" && i < kSettingsTabs) {
        tab_ = i;
    } else if (name == "optType" && i < 4) {
        shownType_ = i + 1;
        g.gt_CurGameType = i + 1;
    } else if (name == "optSpeed" && i < 3) {
        g.g_Speed = static_cast<int16_t>(i);
        g.g_TickMs = TickMsForSpeed(g.g_Speed, g.g_TickMs);
    } else if (name == "optCW" && i < 2) {
        g.bCW = i == 0;
    } else if (name == "optMouse" && i < 2) {
        g.bRightButton = i == 0;
    } else if (name == "optMiracle" && i < 3) {
        if (g.bEnableMiracle) g.iNumSpeedMiracle = static_cast<uint8_t>(i);
    } else if (name == "optVerColorB" && i < 3) {
        if (g.EnableSvet) g.iVerColorBonus = static_cast<int16_t>((i + 1) * 1000);
    } else if (name == "optFant" && i < 3) {
        g.iFantom = static_cast<uint8_t>(i);
    } else if (name == "optFuture" && i < 5) {
        g.iNumNexts = static_cast<int16_t>(i);
    } else if (name == "chkHLLstBox" && i < 2) {
        s_.bLstBox[static_cast<size_t>(i)] = !s_.bLstBox[static_cast<size_t>(i)];
    } else if (name == "cmdControlColor" && i < kControlColors) {
        s_.iControlsColor = static_cast<int16_t>(i);
    } else if (name == "cmdSkin" && i < kPlayfieldSkins) {
        s_.g_SkinIndex = static_cast<int16_t>(i);
    } else if (name == "cmdSkin" && i >= kFirstWindowSkin && i < kFirstWindowSkin + 3) {
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
    if (control == "cmbFallSpeed") {
        const int k = ItemIndex(NumberItems(0, 15), item);
        if (k < 0) return false;
        fallSpeed_ = k;
        state_.g_FallSpeed = static_cast<int16_t>(k);
    } else if (control == "cmbDelLin") {
        const int k = ItemIndex(NumberItems(1, 7), item);
        if (k < 0) return false;
        s_.game.m_DelLinesInLevel = static_cast<int16_t>(k + 1);
        if (k + 1 != delLinesAtOpen_) gameChanged_ = true;
    } else if (control == "cmbListEvents") {
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
    BkgMusic& music = sound_.Music();
    if (control == "sldVolBackgrnd") {
        musicVolume_ = std::clamp(value, kVolumeMin, kVolumeMax);
        s_.DirectSound_Vol = static_cast<int16_t>(musicVolume_);
        music.bkg_SetVolume(s_.DirectSound_Vol, false);
    } else if (control == "sldFreq") {
        s_.freq = std::clamp(value, kFreqMin, kFreqMax);
        music.bkg_SetFreq(s_.freq);
    } else if (control == "sldChange" || control == "txtChange") {
        s_.SpeedChange = static_cast<int16_t>(std::clamp(value, 0, kSweepMax));
        if (s_.SpeedChange == 0) sound_.CentrePan();
    } else if (control == "sldVolBut1" || control == "sldVolBut2") {
        const int variant = control == "sldVolBut1" ? 0 : 1;
        if (variant >= EventSlotCount()) return true;
        SoundSlotSettings& slot = SlotSettings(EventSoundSlot(variant));
        slot.Vol = static_cast<int16_t>(std::clamp(value, kVolumeMin, kVolumeMax));
        sound_.Slot(EventSoundSlot(variant)).aVol(slot.Vol);
    } else if (control == "sldFreqBut1" || control == "sldFreqBut2") {
        const int variant = control == "sldFreqBut1" ? 0 : 1;
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

std::vector<ControlValue> SettingsWindow::Controls() const {
    const GameSettings& g = s_.game;
    std::vector<ControlValue> c{{"tbs1", std::to_string(tab_)}};
    for (int k = 0; k < 4; ++k) c.push_back({Indexed("optType", k), Flag(shownType_ == k + 1)});
    c.push_back({"cmdSeq.Enabled", shownType_ == 3 ? "True" : "False"});
    for (int k = 0; k < 3; ++k) c.push_back({Indexed("optSpeed", k), Flag(g.g_Speed == k)});
    c.push_back({"cmbFallSpeed", FallSpeedText()});
    c.push_back({"cmbDelLin", std::to_string(g.m_DelLinesInLevel)});
    c.push_back({"chkAnimateChL", Flag(s_.game.b_AnimateChangeLevel)});
    c.push_back({"chkPauseOnFocusLoss", Flag(s_.bPauseOnFocusLoss)});
    for (int k = 0; k < 2; ++k) c.push_back({Indexed("optCW", k), Flag(g.bCW == (k == 0))});
    for (int k = 0; k < 2; ++k) c.push_back({Indexed("optMouse", k), Flag(g.bRightButton == (k == 0))});
    c.push_back({"chkEnableMiracle", Flag(!g.bEnableMiracle)});
    for (int k = 0; k < 3; ++k) c.push_back({Indexed("optMiracle", k), Flag(g.iNumSpeedMiracle == k)});
    c.push_back({"optMiracle.Enabled", g.bEnableMiracle ? "True" : "False"});
    c.push_back({"chkSvet", Flag(!g.EnableSvet)});
    for (int k = 0; k < 3; ++k) c.push_back({Indexed("optVerColorB", k), Flag(g.iVerColorBonus == (k + 1) * 1000)});
    c.push_back({"optVerColorB.Enabled", g.EnableSvet ? "True" : "False"});
    for (int k = 0; k < 3; ++k) c.push_back({Indexed("optFant", k), Flag(g.iFantom == k)});
    for (int k = 0; k < 5; ++k) c.push_back({Indexed("optFuture", k), Flag(g.iNumNexts == k)});
    c.push_back({"chkSnake", Flag(s_.iBeSnake == 1)});
    for (int k = 0; k < 2; ++k) c.push_back({Indexed("chkHLLstBox", k), Flag(s_.bLstBox[static_cast<size_t>(k)])});
    c.push_back({"cmdControlColor", std::to_string(s_.iControlsColor)});
    c.push_back({"cmdSkin", std::to_string(s_.g_SkinIndex)});
    c.push_back({"lblSkin", lblSkin_});
    c.push_back({"cmdSetGraph.Enabled", openGraph ? "True" : "False"});
    c.push_back({"chkEnable", Flag(!s_.EnableLoop)});
    c.push_back({"lblFile", lblFile_});
    c.push_back({"sldVolBackgrnd", std::to_string(musicVolume_)});
    c.push_back({"sldFreq", std::to_string(s_.freq)});
    c.push_back({"sldChange", std::to_string(s_.SpeedChange)});
    c.push_back({"txtChange", std::to_string(s_.SpeedChange)});
    c.push_back({"chkSoundControl", Flag(!s_.EnableSoundControl)});
    c.push_back({"cmbListEvents", eventNames_[static_cast<size_t>(event_)]});
    static const char* kVariant[2][5] = {{"chkEnFirstVar", "sldVolBut1", "sldFreqBut1", "lblFirstVar", "fraFirstVar"},
                                         {"chkEnSecondVar", "sldVolBut2", "sldFreqBut2", "lblSecondVar", "fraSecondVar"}};
    for (int v = 0; v < 2; ++v) {
        const bool usable = v < EventSlotCount();
        const SoundSlotSettings& slot = EventSlot(v);
        c.push_back({std::string(kVariant[v][4]) + ".Enabled", usable ? "True" : "False"});
        c.push_back({kVariant[v][0], usable ? Flag(slot.Enbl) : "0"});
        c.push_back({kVariant[v][1], usable ? std::to_string(slot.Vol) : "0"});
        c.push_back({kVariant[v][2], usable ? std::to_string(slot.Freq) : "0"});
        c.push_back({kVariant[v][3], SlotLabel(v)});
    }
    keys_.AddControls(c);
    c.push_back({"gameChanged", gameChanged_ ? "True" : "False"});
    c.push_back({"cmdOK", "OK"});
    return c;
}

}  // namespace zembrol
