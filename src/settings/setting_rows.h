// The one table of settings: a row per configuration key (and per control that shows
// a setting), in the exact order the configuration files are read and written, with
// the points of that walk where a loaded value is applied. Each row says which
// variable it binds, and, when a window shows it, the control's name, kind, window,
// tab and caption, its range or choices, and what a change restarts. Configuration
// load and save, `--set`, the dump, the windows' commands and controls and the views
// all read this table: a new check box is one row, its caption and its default.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/control_names.h"
#include "settings/setting_value.h"
#include "settings/settings.h"

namespace zembrol {

// Points of the configuration walk where it acts beyond reading or writing a key.
enum class SettingStep : uint8_t {
    None,
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

// The windows that show settings.
enum class Panel : uint8_t { None, Settings, Graph, Keys };

enum class ControlKind : uint8_t {
    None,
    Check,     // a check box: ticked is 1 (inverted: 0), a click sets the other
    Options,   // option buttons NAME(k): item k is the value first + k * stride
    Buttons,   // a row of buttons NAME(k) as options, the dump shows the value
    Slider,    // lo..hi (inverted: the value is lo + hi - position)
    List,      // a list of items, item k is the value first + k * stride
};

// What a List row offers.
enum class ListItems : uint8_t { Numbers, DeformTypes, BlendNames };

// What a change made in a window restarts or tells at once.
namespace restart {
inline constexpr unsigned kNothing = 0;
inline constexpr unsigned kGame = 1u << 0;         // a new game when the window closes with another value
inline constexpr unsigned kTick = 1u << 1;         // the pass interval follows the speed
inline constexpr unsigned kMusic = 1u << 2;        // the music switched on or off
inline constexpr unsigned kMusicVolume = 1u << 3;
inline constexpr unsigned kMusicFreq = 1u << 4;
inline constexpr unsigned kPan = 1u << 5;          // a sweep of 0 centres the sounds
inline constexpr unsigned kBanner = 1u << 6;       // the walking text
inline constexpr unsigned kBlend = 1u << 7;
inline constexpr unsigned kDeform = 1u << 8;       // the backdrop's deformation
inline constexpr unsigned kDeformSpeed = 1u << 9;
inline constexpr unsigned kWorld = 1u << 10;       // the world is made again at its speed
inline constexpr unsigned kHelp = 1u << 11;        // the help label tells about the control
}  // namespace restart

// The variable a row binds (the index for the rows of a numbered set).
using SettingField = SettingRef (*)(Settings&, int index);

struct SettingRow {
    const char* section = "";
    std::string key;                  // configuration key; empty: a step or a second control
    SettingField field = nullptr;
    int index = 0;
    SettingStep step = SettingStep::None;

    std::string control;              // "chkSnake", "chkHLLstBox(1)"; empty: shown by no window
    ControlKind kind = ControlKind::None;
    Panel panel = Panel::None;
    int tab = 0;
    std::string caption;              // language key; of an option group, caption + k
    bool inverted = false;
    int first = 0, stride = 1, count = 0;   // Options, Buttons, List
    int lo = 0, hi = 0;                     // Slider
    ListItems items = ListItems::Numbers;
    SettingField enabledBy = nullptr; // the control acts only while that switch is on
    unsigned restarts = restart::kNothing;

    bool HasKey() const { return !key.empty(); }
    bool HasControl() const { return kind != ControlKind::None; }
    SettingRef Ref(Settings& s) const { return field(s, index); }
};

// Every row, in the configuration files' order.
const std::vector<SettingRow>& SettingRows();

// The row of a control ("chkSnake"; an indexed row by its full name "chkHLLstBox(1)"),
// or of a control array ("optSpeed"); null when no row has it.
const SettingRow* RowOfControl(std::string_view control);

// A row's variable as a number (Booleans 0/1; 0 for a text), and set from one.
long long RowNumber(const SettingRow& row, const Settings& s);
void SetRowNumber(const SettingRow& row, Settings& s, long long value);
// Whether the row's control acts: its switch, when it has one, is on.
bool RowEnabled(const SettingRow& row, const Settings& s);
// A check box's state.
bool RowChecked(const SettingRow& row, const Settings& s);
// The item an Options, Buttons or List row shows (-1: its value is none of them), and
// a slider's position.
int RowItem(const SettingRow& row, const Settings& s);
int RowPosition(const SettingRow& row, const Settings& s);

// The texts of a List row's items other than numbers, from the window's language.
using ListTexts = std::function<std::vector<std::string>(ListItems)>;
// The items of a List row (a Numbers list makes its own).
std::vector<std::string> RowItems(const SettingRow& row, const ListTexts& texts);
// The text a List row shows: its number, or its item (empty when it is none of them).
std::string RowItemText(const SettingRow& row, const Settings& s, const ListTexts& texts);

}  // namespace zembrol
