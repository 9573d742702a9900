// The settings table. Sections and keys are in the configuration files' order (a
// saved file lists them so, and the steps act where they stand); a row that a window
// shows says so on the same line.
#include "settings/setting_rows.h"

#include <algorithm>
#include <variant>

#include "loop/key_repeat.h"

namespace zembrol {

namespace {

// The variable of a row: a member of Settings (F) or of one element of a numbered set (FI).
#define F(member) [](Settings& s, int) -> SettingRef { return &s.member; }
#define FI(member) [](Settings& s, int i) -> SettingRef { return &s.member; }

// Builds the rows one line each: a key, then what shows it.
class Rows {
public:
    explicit Rows(std::vector<SettingRow>& out) : out_(out) {}

    void Section(const char* section) { section_ = section; }
    Rows& Key(std::string key, SettingField field, int index = 0) {
        SettingRow r;
        r.section = section_;
        r.key = std::move(key);
        r.field = field;
        r.index = index;
        out_.push_back(std::move(r));
        return *this;
    }
    // A second control of the previous row's variable, with no key of its own.
    Rows& Also() {
        SettingRow r = out_.back();
        r.key.clear();
        out_.push_back(std::move(r));
        return *this;
    }
    void Step(SettingStep step, int index = 0) {
        SettingRow r;
        r.section = section_;
        r.step = step;
        r.index = index;
        out_.push_back(std::move(r));
    }

    Rows& Check(Panel panel, int tab, const char* control, std::string caption, bool inverted = false) {
        return Control(ControlKind::Check, panel, tab, control, std::move(caption)).Inverted(inverted);
    }
    Rows& Options(Panel panel, int tab, const char* control, std::string caption, int count, int first = 0,
                  int stride = 1) {
        Control(ControlKind::Options, panel, tab, control, std::move(caption));
        return Items(count, first, stride);
    }
    Rows& Buttons(Panel panel, int tab, const char* control, int count) {
        Control(ControlKind::Buttons, panel, tab, control, {});
        return Items(count, 0, 1);
    }
    Rows& Slider(Panel panel, int tab, std::string control, std::string caption, int lo, int hi) {
        Control(ControlKind::Slider, panel, tab, std::move(control), std::move(caption));
        Last().lo = lo;
        Last().hi = hi;
        return *this;
    }
    Rows& List(Panel panel, int tab, const char* control, ListItems items, int count, int first = 0) {
        Control(ControlKind::List, panel, tab, control, {});
        Last().items = items;
        return Items(count, first, 1);
    }
    Rows& Inverted(bool inverted = true) {
        Last().inverted = inverted;
        return *this;
    }
    Rows& EnabledBy(SettingField field) {
        Last().enabledBy = field;
        return *this;
    }
    Rows& Restarts(unsigned what) {
        Last().restarts = what;
        return *this;
    }

private:
    SettingRow& Last() { return out_.back(); }
    Rows& Control(ControlKind kind, Panel panel, int tab, std::string control, std::string caption) {
        SettingRow& r = Last();
        r.kind = kind;
        r.panel = panel;
        r.tab = tab;
        r.control = std::move(control);
        r.caption = std::move(caption);
        return *this;
    }
    Rows& Items(int count, int first, int stride) {
        Last().count = count;
        Last().first = first;
        Last().stride = stride;
        return *this;
    }

    std::vector<SettingRow>& out_;
    const char* section_ = "";
};

// Tabs of the settings window and of the graphics window.
enum SettingsTab { kSoundTab, kMusicTab, kLooksTab, kBonusTab, kControlTab, kKeysTab };
enum GraphTab { kBlendTab, kCellsTab, kLightColoursTab, kFlyingTab, kBackdropTab, kLightsTab, kTexturesTab, kWorldTab };

constexpr Panel kSet = Panel::Settings, kGraph = Panel::Graph, kKeys = Panel::Keys;

std::vector<SettingRow> MakeRows() {
    using St = SettingStep;
    namespace rs = restart;
    std::vector<SettingRow> out;
    Rows r(out);

    r.Section("MAIN");
    r.Step(St::WindowEdgesBefore);
    r.Key("left", F(left));
    r.Key("top", F(top));
    r.Step(St::WindowEdgesAfter);
    r.Key("bFlyingBonus", F(bFlyingBonus)).Check(kGraph, kFlyingTab, ctl::chkFlyingBonus, "chkFlyingBonus");
    r.Key("iNumNexts", F(game.iNumNexts)).Options(kSet, kLooksTab, ctl::optFuture, {}, 5);
    r.Key("iBeSnake", F(iBeSnake)).Check(kSet, kLooksTab, ctl::chkSnake, "gr_chkSnake");
    r.Key("bWalkText", F(bWalkText)).Check(kGraph, kFlyingTab, ctl::chkWalkText, "chkWalkText").Restarts(rs::kBanner);
    r.Key("iVerColorBonus", F(game.iVerColorBonus))
        .Options(kSet, kBonusTab, ctl::optVerColorB, "bn_optVerColorB", 3, 1000, 1000).EnabledBy(F(game.EnableSvet));
    r.Step(St::GameTypeBefore);
    r.Key("gt_CurGameType", F(game.gt_CurGameType));
    r.Key("m_WorldEnable", F(m_WorldEnable)).Check(kGraph, kWorldTab, ctl::chkWorldEnable, "chkWorldEnable", true);
    r.Key("bHideGrids", F(bHideGrids)).Check(kGraph, kBackdropTab, ctl::chkHideGrid, "chkHideGrid");
    r.Key("bRightButton", F(game.bRightButton)).Options(kSet, kBonusTab, ctl::optMouse, "bn_optMouse", 2, 1, -1);
    r.Key("m_WorldSpeed", F(m_WorldSpeed)).Slider(kGraph, kWorldTab, ctl::sldWorldSpeed, "lblWorldSpeed", 0, 10)
        .EnabledBy(F(m_WorldEnable)).Restarts(rs::kWorld);
    r.Step(St::WorldSpeedAfter);
    r.Key("bCW", F(game.bCW)).Options(kSet, kBonusTab, ctl::optCW, "bn_optCW", 2, 1, -1);
    r.Key("m_DelLinesInLevel", F(game.m_DelLinesInLevel))
        .List(kSet, kControlTab, ctl::cmbDelLin, ListItems::Numbers, 7, 1).Restarts(rs::kGame);
    r.Key("EnableSoundControl", F(EnableSoundControl)).Check(kSet, kSoundTab, ctl::chkSoundControl, "chkSoundControl", true);
    r.Key("b_AnimateChangeLevel", F(game.b_AnimateChangeLevel))
        .Check(kSet, kLooksTab, ctl::chkAnimateChL, "gr_chkAnimateChL");
    r.Key("SpeedChange", F(SpeedChange))
        .Slider(kSet, kMusicTab, ctl::sldChange, "fraBkgMusic_sldChange", 0, 100).Restarts(rs::kPan);
    r.Also().Slider(kSet, kMusicTab, ctl::txtChange, {}, 0, 100);
    r.Key("iFantom", F(game.iFantom)).Options(kSet, kLooksTab, ctl::optFant, "gr_optFant", 3);
    r.Key("bDrawSetka", F(bDrawSetka)).Check(kGraph, kBackdropTab, ctl::chkSetka, "chkSetka", true);
    r.Key("bEnableMiracle", F(game.bEnableMiracle))
        .Check(kSet, kBonusTab, ctl::chkEnableMiracle, "bn_chkEnableMiracle", true);
    r.Key("iNumSpeedMiracle", F(game.iNumSpeedMiracle))
        .Options(kSet, kBonusTab, ctl::optMiracle, "bn_optMiracle", 3).EnabledBy(F(game.bEnableMiracle));
    r.Key("EnableSvet", F(game.EnableSvet)).Check(kSet, kBonusTab, ctl::chkSvet, "bn_chkSvet", true);
    r.Key("bRandomSeq", F(game.bRandomSeq));
    r.Step(St::SeqCountBefore);
    r.Key("mSeq_Count", F(mSeq_Count));
    // The window's close compares the speed with the one at opening (a new game when it differs).
    r.Key("g_Speed", F(game.g_Speed)).Options(kSet, kControlTab, ctl::optSpeed, "ct_optSpeed", 3).Restarts(rs::kTick);
    r.Step(St::SpeedAfter);
    r.Key("g_SkinIndex", F(g_SkinIndex)).Buttons(kSet, kLooksTab, ctl::cmdSkin, 5);
    r.Key("bDetLevel", F(bDetLevel)).Options(kGraph, kCellsTab, ctl::optDetal, "optDetal", 2).Restarts(rs::kHelp);
    r.Step(St::UserSequence);

    r.Section("MUSIC");
    r.Key("PathToBkgMusic", F(PathToBkgMusic));
    r.Step(St::MusicPathAfter);
    r.Key("EnableLoop", F(EnableLoop)).Check(kSet, kMusicTab, ctl::chkEnable, "chkOffMainMusic", true)
        .Restarts(rs::kMusic);
    r.Step(St::EnableLoopAfter);
    r.Step(St::MusicVolumeBefore);
    r.Key("DirectSound_Vol", F(DirectSound_Vol))
        .Slider(kSet, kMusicTab, ctl::sldVolBackgrnd, "fraBkgMusic_sldVolBackgrnd", -5000, 0).Restarts(rs::kMusicVolume);
    r.Step(St::MusicVolumeAfter);
    r.Key("freq", F(freq)).Slider(kSet, kMusicTab, ctl::sldFreq, "fraBkgMusic_sldFreq", 4000, 48000)
        .Restarts(rs::kMusicFreq);
    r.Step(St::FreqAfter);
    for (int i = 0; i < kSoundSlots; ++i) {
        const std::string prefix = kSlotPrefixes[static_cast<size_t>(i)];
        r.Step(St::SlotBefore, i);
        r.Key(prefix + "_Path", FI(slots[static_cast<size_t>(i)].Path), i);
        r.Step(St::SlotPathAfter, i);
        r.Key(prefix + "_Enbl", FI(slots[static_cast<size_t>(i)].Enbl), i);
        r.Key(prefix + "_Vol", FI(slots[static_cast<size_t>(i)].Vol), i);
        r.Key(prefix + "_Freq", FI(slots[static_cast<size_t>(i)].Freq), i);
        r.Step(St::SlotAfter, i);
    }
    r.Key("bLstBox0", F(bLstBox[0])).Check(kSet, kLooksTab, ctl::chkHLLstBox0, "gr_chkHLLstBox0");
    r.Key("bLstBox1", F(bLstBox[1])).Check(kSet, kLooksTab, ctl::chkHLLstBox1, "gr_chkHLLstBox1");
    r.Key("bColorQuads", F(bColorQuads)).Check(kGraph, kCellsTab, ctl::chkColorQuads, "chkColorQuads");
    r.Key("iNumSkin", F(iNumSkin));
    r.Step(St::SkinAfter);
    r.Key("iControlsColor", F(iControlsColor)).Buttons(kSet, kLooksTab, ctl::cmdControlColor, 8);
    r.Step(St::ControlsColorAfter);

    r.Section("GRAPH");
    r.Key("gr_NumLights", F(gr_NumLights));   // its slider shows the lights while dragged: the window's own
    r.Key("gr_Alpha", F(gr_Alpha)).Check(kGraph, kBlendTab, ctl::chkAlpha, "chkAlpha", true).Restarts(rs::kBlend);
    r.Key("gr_MoveBkg", F(gr_MoveBkg)).List(kGraph, kBackdropTab, ctl::cmbDeformType, ListItems::DeformTypes, 14)
        .Restarts(rs::kDeform);
    r.Step(St::MoveBkgAfter);
    for (int i = 0; i < kTextureKeys; ++i) {
        r.Key("gr_arTex" + std::to_string(i), FI(gr_arTex[static_cast<size_t>(i)]), i);
        r.Step(St::TextureAfter, i);
    }
    r.Key("gr_AlphaSource", F(gr_AlphaSource)).List(kGraph, kBlendTab, ctl::cmbSource, ListItems::BlendNames, 10)
        .Restarts(rs::kBlend);
    r.Key("gr_AlphaDest", F(gr_AlphaDest)).List(kGraph, kBlendTab, ctl::cmbDest, ListItems::BlendNames, 10)
        .Restarts(rs::kBlend);
    const std::string light = ctl::sldMainLight;
    r.Key("btMRed", F(btMRed)).Slider(kGraph, kLightColoursTab, light + "(0)", "lblRed", 0, 255);
    r.Key("btMGreen", F(btMGreen)).Slider(kGraph, kLightColoursTab, light + "(1)", "lblGreen", 0, 255);
    r.Key("btMBlue", F(btMBlue)).Slider(kGraph, kLightColoursTab, light + "(2)", "lblBlue", 0, 255);
    r.Key("btMRedNext", F(btMRedNext)).Slider(kGraph, kLightColoursTab, light + "(3)", "lblRed", 0, 255);
    r.Key("btMGreenNext", F(btMGreenNext)).Slider(kGraph, kLightColoursTab, light + "(4)", "lblGreen", 0, 255);
    r.Key("btMBlueNext", F(btMBlueNext)).Slider(kGraph, kLightColoursTab, light + "(5)", "lblBlue", 0, 255);
    r.Key("bHLNew", F(bHLNew)).Check(kGraph, kLightsTab, ctl::chkHLNew, "chkHLNew");
    // A higher slider value is a shorter delay.
    r.Key("dq_ValueDelay", F(dq_ValueDelay)).Slider(kGraph, kBackdropTab, ctl::sldValueDelay, "lblSpeedBkg", 1, 10)
        .Inverted().Restarts(rs::kDeformSpeed);
    r.Step(St::ValueDelayAfter);
    r.Key("gr_VisibleLights", F(gr_VisibleLights)).Check(kGraph, kLightsTab, ctl::chkVisibleLights, "chkVisibleLights");
    r.Key("gr_LightsSpeed", F(gr_LightsSpeed)).Slider(kGraph, kLightsTab, ctl::sldSpeedLights, "lblSpeedLights", 0, 5)
        .Restarts(rs::kHelp);
    r.Step(St::GraphAfter);

    // The desktop's own keys, after every older section: files without them keep
    // their values and read as before.
    r.Section("DESKTOP");
    r.Key("bPauseOnFocusLoss", F(bPauseOnFocusLoss))
        .Check(kSet, kControlTab, ctl::chkPauseOnFocusLoss, "ct_chkPauseOnFocusLoss");
    r.Step(St::DesktopBefore);
    r.Key("bFullScreen", F(bFullScreen));
    r.Key("iWindowWidth", F(iWindowWidth));
    r.Key("iWindowHeight", F(iWindowHeight));
    r.Step(St::DesktopAfter);
    r.Key("bShowFPS", F(bShowFPS)).Check(kSet, kControlTab, "chkShowFPS", "ct_chkShowFPS");

    // The key table and the game's own key repeat, after every older section: files
    // without them keep the original keys and the system's repeat.
    r.Section("KEYS");
    r.Key("bOwnRepeat", F(game.bOwnRepeat)).Check(kKeys, kKeysTab, ctl::chkOwnRepeat, "ky_chkOwnRepeat");
    r.Key("iRepeatDelay", F(game.iRepeatDelay))
        .Slider(kKeys, kKeysTab, ctl::sldRepeatDelay, "ky_sldRepeatDelay", 0, kRepeatDelayMax)
        .EnabledBy(F(game.bOwnRepeat));
    r.Key("iRepeatRate", F(game.iRepeatRate))
        .Slider(kKeys, kKeysTab, ctl::sldRepeatRate, "ky_sldRepeatRate", 0, kRepeatRateMax)
        .EnabledBy(F(game.bOwnRepeat));
    for (int i = 0; i < static_cast<int>(kKeyActions); ++i)
        r.Key(InfoOf(static_cast<KeyAction>(i)).configKey, FI(game.keys.code[static_cast<size_t>(i)]), i);
    r.Step(St::KeysAfter);

    // Colours and marks for players who tell colours apart poorly; files without the
    // section keep the random colours and no marks.
    r.Section("ACCESS");
    r.Key("bColorBlind", F(bColorBlind)).Check(kKeys, kKeysTab, ctl::chkColorBlind, "ky_chkColorBlind");
    r.Key("bShapeMarks", F(bShapeMarks)).Check(kKeys, kKeysTab, ctl::chkShapeMarks, "ky_chkShapeMarks");

    // How many replays of finished games the replays folder keeps; files without the
    // section keep 100.
    r.Section("REPLAYS");
    r.Key("iReplaysKept", F(iReplaysKept));
    return out;
}

#undef F
#undef FI

struct NumberOf {
    long long operator()(bool* v) const { return *v ? 1 : 0; }
    long long operator()(float* v) const { return static_cast<long long>(*v); }
    long long operator()(std::string*) const { return 0; }
    template <typename T>
    long long operator()(T* v) const { return *v; }
};

struct SetNumber {
    long long value;
    void operator()(bool* v) const { *v = value != 0; }
    void operator()(float* v) const { *v = static_cast<float>(value); }
    void operator()(std::string*) const {}
    template <typename T>
    void operator()(T* v) const { *v = static_cast<T>(value); }
};

}  // namespace

const std::vector<SettingRow>& SettingRows() {
    static const std::vector<SettingRow> rows = MakeRows();
    return rows;
}

const SettingRow* RowOfControl(std::string_view control) {
    for (const SettingRow& r : SettingRows())
        if (r.HasControl() && r.control == control) return &r;
    return nullptr;
}

long long RowNumber(const SettingRow& row, const Settings& s) {
    return std::visit(NumberOf{}, row.Ref(const_cast<Settings&>(s)));
}

void SetRowNumber(const SettingRow& row, Settings& s, long long value) { std::visit(SetNumber{value}, row.Ref(s)); }

bool RowEnabled(const SettingRow& row, const Settings& s) {
    return !row.enabledBy || std::visit(NumberOf{}, row.enabledBy(const_cast<Settings&>(s), 0)) != 0;
}

bool RowChecked(const SettingRow& row, const Settings& s) { return RowNumber(row, s) == (row.inverted ? 0 : 1); }

int RowItem(const SettingRow& row, const Settings& s) {
    const long long value = RowNumber(row, s);
    for (int k = 0; k < row.count; ++k)
        if (value == row.first + static_cast<long long>(k) * row.stride) return k;
    return -1;
}

int RowPosition(const SettingRow& row, const Settings& s) {
    const long long value = RowNumber(row, s);
    const long long position = row.inverted ? row.lo + row.hi - value : value;
    return static_cast<int>(std::clamp<long long>(position, row.lo, row.hi));
}

std::vector<std::string> RowItems(const SettingRow& row, const ListTexts& texts) {
    if (row.items != ListItems::Numbers) return texts ? texts(row.items) : std::vector<std::string>{};
    std::vector<std::string> items;
    for (int k = 0; k < row.count; ++k) items.push_back(std::to_string(row.first + k * row.stride));
    return items;
}

std::string RowItemText(const SettingRow& row, const Settings& s, const ListTexts& texts) {
    if (row.items == ListItems::Numbers) return std::to_string(RowNumber(row, s));
    const std::vector<std::string> items = RowItems(row, texts);
    const int item = RowItem(row, s);
    return item >= 0 && item < static_cast<int>(items.size()) ? items[static_cast<size_t>(item)] : std::string();
}

}  // namespace zembrol
