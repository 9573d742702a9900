// The table of settable names. Flags take true/false or a number; numbers are range-checked.
#include "loop/state_names.h"

#include <cstdint>
#include <functional>
#include <vector>

#include "game/game_settings.h"
#include "game/number_text.h"

namespace zembrol {

namespace {

// A flag as a setting reads it: the words true and false, or a number (non-zero is true).
bool ParseFlag(std::string_view text, bool& out) {
    if (const int word = BooleanWord(text); word >= 0) {
        out = word == 1;
        return true;
    }
    const NumberRead<bool> r = ParseNumber<bool>(text);
    out = r.value;
    return static_cast<bool>(r);
}

struct Entry {
    std::string_view name;
    bool flag;               // true: a boolean, else an integer within [lo, hi]
    long long lo, hi;
    std::function<void(Session&, long long)> set;
};

template <class T>
std::function<void(Session&, long long)> Field(T GameState::*m) {
    return [m](Session& s, long long v) { s.state.*m = static_cast<T>(v); };
}
template <class T>
std::function<void(Session&, long long)> Setting(T GameSettings::*m) {
    return [m](Session& s, long long v) { s.settings.*m = static_cast<T>(v); };
}

constexpr long long kI16Lo = INT16_MIN, kI16Hi = INT16_MAX, kI32Lo = INT32_MIN, kI32Hi = INT32_MAX;

const std::vector<Entry>& Table() {
    static const std::vector<Entry> table = {
        // settings
        {"bCW", true, 0, 1, Setting(&GameSettings::bCW)},
        {"m_DelLinesInLevel", false, kI16Lo, kI16Hi, Setting(&GameSettings::m_DelLinesInLevel)},
        {"gt_CurGameType", false, 1, 4, Setting(&GameSettings::gt_CurGameType)},
        {"g_Trial", true, 0, 1, Setting(&GameSettings::g_Trial)},
        {"g_Speed", false, kI16Lo, kI16Hi, [](Session& s, long long v) {
             s.settings.g_Speed = static_cast<int16_t>(v);
             s.settings.g_TickMs = TickMsForSpeed(s.settings.g_Speed, s.settings.g_TickMs);
         }},
        {"g_TickMs", false, 0, 1000, Setting(&GameSettings::g_TickMs)},
        {"iFantom", false, 0, 2, Setting(&GameSettings::iFantom)},
        {"bEnableMiracle", true, 0, 1, Setting(&GameSettings::bEnableMiracle)},
        {"iNumSpeedMiracle", false, 0, 255, Setting(&GameSettings::iNumSpeedMiracle)},
        {"EnableSvet", true, 0, 1, Setting(&GameSettings::EnableSvet)},
        {"iVerColorBonus", false, kI16Lo, kI16Hi, Setting(&GameSettings::iVerColorBonus)},
        {"bRandomSeq", true, 0, 1, Setting(&GameSettings::bRandomSeq)},
        {"iNumNexts", false, 0, 4, Setting(&GameSettings::iNumNexts)},
        {"bRightButton", true, 0, 1, Setting(&GameSettings::bRightButton)},
        // game state; positions keep the 4x4 box inside the arrays
        {"g_FigX", false, 0, kPoleCols - 4, Field(&GameState::g_FigX)},
        {"g_FigY", false, 0, kPoleRows - 5, Field(&GameState::g_FigY)},
        {"g_Level", false, 0, kMaxLevel, Field(&GameState::g_Level)},
        {"g_LinesInLevel", false, 0, kI32Hi, Field(&GameState::g_LinesInLevel)},
        {"m_FallDelay", false, kI16Lo, kI16Hi, Field(&GameState::m_FallDelay)},
        {"m_FallCounter", false, kI16Lo, kI16Hi, Field(&GameState::m_FallCounter)},
        {"m_DropWait", false, kI16Lo, kI16Hi, Field(&GameState::m_DropWait)},
        {"g_FallSpeed", false, 0, kI16Hi, Field(&GameState::g_FallSpeed)},
        {"m_MouseCol", false, 0, kPoleCols - 4, Field(&GameState::m_MouseCol)},
        {"m_NumKinds", false, 7, 8, Field(&GameState::m_NumKinds)},
        {"m_FigTicks", false, 0, kI32Hi, Field(&GameState::m_FigTicks)},
        {"g_TimeBonusNow", false, kI32Lo, kI32Hi, Field(&GameState::g_TimeBonusNow)},
        {"g_Running", true, 0, 1, Field(&GameState::g_Running)},
        {"g_Dropping", true, 0, 1, Field(&GameState::g_Dropping)},
        {"g_DropArmed", true, 0, 1, Field(&GameState::g_DropArmed)},
        {"g_ViewMoving", true, 0, 1, Field(&GameState::g_ViewMoving)},
        {"g_TrialGameNo", false, 0, 3, Field(&GameState::g_TrialGameNo)},
        {"g_FigCount", false, 0, kI32Hi, Field(&GameState::g_FigCount)},
        {"g_SpecialCount", false, 0, kI32Hi, Field(&GameState::g_SpecialCount)},
        {"g_ZembCount", false, 0, kI32Hi, Field(&GameState::g_ZembCount)},
        {"g_MovesFig", false, 0, kI32Hi, Field(&GameState::g_MovesFig)},
        {"g_MovesTotal", false, 0, kI32Hi, Field(&GameState::g_MovesTotal)},
        {"g_ZembBonus", false, kI32Lo, kI32Hi, Field(&GameState::g_ZembBonus)},
        {"g_TimeBonus", false, kI32Lo, kI32Hi, Field(&GameState::g_TimeBonus)},
        {"g_MiracleMeter", false, 0, kI32Hi, Field(&GameState::g_MiracleMeter)},
        {"g_MiracleTick", false, 0, 3, Field(&GameState::g_MiracleTick)},
        {"m_InvSign", true, 0, 1, Field(&GameState::m_InvSign)},
        {"g_ColorState", false, -1, 1, Field(&GameState::g_ColorState)},
        {"g_ColorWarn", false, 0, 90, Field(&GameState::g_ColorWarn)},
        {"g_ColorTime", false, 0, 656, Field(&GameState::g_ColorTime)},
        {"g_ColorValue", false, -653, 653, Field(&GameState::g_ColorValue)},
        {"g_ColorBonus", false, kI32Lo, kI32Hi, Field(&GameState::g_ColorBonus)},
        {"g_InversiaBonus", false, kI32Lo, kI32Hi, Field(&GameState::g_InversiaBonus)},
        {"g_ChangeBonus", false, kI32Lo, kI32Hi, Field(&GameState::g_ChangeBonus)},
        {"score", false, kI32Lo, kI32Hi,
         [](Session& s, long long v) { s.state.score.s_setval(static_cast<int32_t>(v)); }},
    };
    return table;
}

}  // namespace

SetResult SetNamedValue(Session& s, std::string_view name, std::string_view value, std::string& problem) {
    for (const Entry& e : Table()) {
        if (e.name != name) continue;
        long long v = 0;
        if (e.flag) {
            bool b = false;
            if (!ParseFlag(value, b)) {
                problem = "'" + std::string(value) + "' is not true or false";
                return SetResult::BadValue;
            }
            v = b ? 1 : 0;
        } else {
            const NumberRead<long long> r = ParseNumberIn(value, e.lo, e.hi);
            if (r.status == NumberStatus::NotANumber) {
                problem = "'" + std::string(value) + "' is not a number";
                return SetResult::BadValue;
            }
            if (r.status == NumberStatus::OutOfRange) {
                problem = std::string(name) + " must lie in " + std::to_string(e.lo) + ".." + std::to_string(e.hi) +
                          ", not '" + std::string(value) + "'";
                return SetResult::BadValue;
            }
            v = r.value;
        }
        e.set(s, v);
        return SetResult::Done;
    }
    return SetResult::UnknownName;
}

}  // namespace zembrol
