// The configuration key list.
#include "app/setting_keys.h"

#include <strings.h>

namespace zembrol {

void VisitSettingKeys(Settings& s, SettingVisitor& v) {
    GameSettings& g = s.game;
    const char* sec = "MAIN";
    auto key = [&](const std::string& k, SettingRef r) { v.Key(sec, k, r); };
    using St = SettingStep;

    if (v.Section(sec)) {
        v.Step(St::WindowEdgesBefore, 0);
        key("left", &s.left);
        key("top", &s.top);
        v.Step(St::WindowEdgesAfter, 0);
        key("bFlyingBonus", &s.bFlyingBonus);
        key("iNumNexts", &g.iNumNexts);
        key("iBeSnake", &s.iBeSnake);
        key("bWalkText", &s.bWalkText);
        key("iVerColorBonus", &g.iVerColorBonus);
        v.Step(St::GameTypeBefore, 0);
        key("gt_CurGameType", &g.gt_CurGameType);
        key("m_WorldEnable", &s.m_WorldEnable);
        key("bHideGrids", &s.bHideGrids);
        key("bRightButton", &g.bRightButton);
        key("m_WorldSpeed", &s.m_WorldSpeed);
        v.Step(St::WorldSpeedAfter, 0);
        key("bCW", &g.bCW);
        key("m_DelLinesInLevel", &g.m_DelLinesInLevel);
        key("EnableSoundControl", &s.EnableSoundControl);
        key("b_AnimateChangeLevel", &g.b_AnimateChangeLevel);
        key("SpeedChange", &s.SpeedChange);
        key("iFantom", &g.iFantom);
        key("bDrawSetka", &s.bDrawSetka);
        key("bEnableMiracle", &g.bEnableMiracle);
        key("iNumSpeedMiracle", &g.iNumSpeedMiracle);
        key("EnableSvet", &g.EnableSvet);
        key("bRandomSeq", &g.bRandomSeq);
        v.Step(St::SeqCountBefore, 0);
        key("mSeq_Count", &s.mSeq_Count);
        key("g_Speed", &g.g_Speed);
        v.Step(St::SpeedAfter, 0);
        key("g_SkinIndex", &s.g_SkinIndex);
        key("bDetLevel", &s.bDetLevel);
        v.Step(St::UserSequence, 0);
    }

    sec = "MUSIC";
    if (v.Section(sec)) {
        key("PathToBkgMusic", &s.PathToBkgMusic);
        v.Step(St::MusicPathAfter, 0);
        key("EnableLoop", &s.EnableLoop);
        v.Step(St::EnableLoopAfter, 0);
        v.Step(St::MusicVolumeBefore, 0);
        key("DirectSound_Vol", &s.DirectSound_Vol);
        v.Step(St::MusicVolumeAfter, 0);
        key("freq", &s.freq);
        v.Step(St::FreqAfter, 0);
        for (int i = 0; i < kSoundSlots; ++i) {
            std::string prefix = kSlotPrefixes[static_cast<size_t>(i)];
            SoundSlotSettings& slot = s.slots[static_cast<size_t>(i)];
            v.Step(St::SlotBefore, i);
            key(prefix + "_Path", &slot.Path);
            v.Step(St::SlotPathAfter, i);
            key(prefix + "_Enbl", &slot.Enbl);
            key(prefix + "_Vol", &slot.Vol);
            key(prefix + "_Freq", &slot.Freq);
            v.Step(St::SlotAfter, i);
        }
        key("bLstBox0", &s.bLstBox[0]);
        key("bLstBox1", &s.bLstBox[1]);
        key("bColorQuads", &s.bColorQuads);
        key("iNumSkin", &s.iNumSkin);
        v.Step(St::SkinAfter, 0);
        key("iControlsColor", &s.iControlsColor);
        v.Step(St::ControlsColorAfter, 0);
    }

    sec = "GRAPH";
    if (v.Section(sec)) {
        key("gr_NumLights", &s.gr_NumLights);
        key("gr_Alpha", &s.gr_Alpha);
        key("gr_MoveBkg", &s.gr_MoveBkg);
        v.Step(St::MoveBkgAfter, 0);
        for (int i = 0; i < kTextureKeys; ++i) {
            key("gr_arTex" + std::to_string(i), &s.gr_arTex[static_cast<size_t>(i)]);
            v.Step(St::TextureAfter, i);
        }
        key("gr_AlphaSource", &s.gr_AlphaSource);
        key("gr_AlphaDest", &s.gr_AlphaDest);
        key("btMRed", &s.btMRed);
        key("btMGreen", &s.btMGreen);
        key("btMBlue", &s.btMBlue);
        key("btMRedNext", &s.btMRedNext);
        key("btMGreenNext", &s.btMGreenNext);
        key("btMBlueNext", &s.btMBlueNext);
        key("bHLNew", &s.bHLNew);
        key("dq_ValueDelay", &s.dq_ValueDelay);
        v.Step(St::ValueDelayAfter, 0);
        key("gr_VisibleLights", &s.gr_VisibleLights);
        key("gr_LightsSpeed", &s.gr_LightsSpeed);
        v.Step(St::GraphAfter, 0);
    }

    // The desktop's own keys, after every older section: files without them keep
    // their values and read as before.
    sec = "DESKTOP";
    if (v.Section(sec)) {
        key("bPauseOnFocusLoss", &s.bPauseOnFocusLoss);
        v.Step(St::DesktopBefore, 0);
        key("bFullScreen", &s.bFullScreen);
        key("iWindowWidth", &s.iWindowWidth);
        key("iWindowHeight", &s.iWindowHeight);
        v.Step(St::DesktopAfter, 0);
    }
    // The key table and the game's own key repeat, after every older section: files
    // without them keep the original keys and the system's repeat.
    sec = "KEYS";
    if (v.Section(sec)) {
        key("bOwnRepeat", &g.bOwnRepeat);
        key("iRepeatDelay", &g.iRepeatDelay);
        key("iRepeatRate", &g.iRepeatRate);
        for (size_t i = 0; i < kKeyActions; ++i) key(InfoOf(static_cast<KeyAction>(i)).configKey, &g.keys.code[i]);
        v.Step(St::KeysAfter, 0);
    }
    // Colours and marks for players who tell colours apart poorly; files without the
    // section keep the random colours and no marks.
    sec = "ACCESS";
    if (v.Section(sec)) {
        key("bColorBlind", &s.bColorBlind);
        key("bShapeMarks", &s.bShapeMarks);
    }
    // How many replays of finished games the replays folder keeps; files without the
    // section keep 100.
    sec = "REPLAYS";
    if (v.Section(sec)) key("iReplaysKept", &s.iReplaysKept);
}

bool FindSetting(Settings& settings, const std::string& name, SettingRef* ref) {
    struct Finder : SettingVisitor {
        const std::string& name;
        SettingRef* ref;
        bool found = false;
        Finder(const std::string& n, SettingRef* r) : name(n), ref(r) {}
        void Key(const char*, const std::string& key, SettingRef r) override {
            if (!found && strcasecmp(key.c_str(), name.c_str()) == 0) {
                *ref = r;
                found = true;
            }
        }
    } finder(name, ref);
    VisitSettingKeys(settings, finder);
    return finder.found;
}

std::vector<std::pair<std::string, std::string>> SettingValues(Settings& settings) {
    struct Lister : SettingVisitor {
        std::vector<std::pair<std::string, std::string>> values;
        void Key(const char*, const std::string& key, SettingRef r) override { values.emplace_back(key, SettingText(r)); }
    } lister;
    VisitSettingKeys(settings, lister);
    return std::move(lister.values);
}

}  // namespace zembrol
