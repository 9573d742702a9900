// Bonus ticks: the colour bonus (warning, gain or loss, taken once per dropped figure)
// and the Miracle meter that grows outside drops and changes the next figure.
#include "game/bonus_ticks.h"

#include "game/bonuses.h"
#include "game/saturate.h"

namespace zembrol {

namespace {
constexpr int16_t kColorWarnTicks = 89;     // the warning runs from 1 to 90
constexpr int16_t kColorSpan = 653;         // a bonus starts at +-653 and shrinks by 3 a tick
constexpr int16_t kColorTakenBack = 145;    // taking it lengthens it by this much time
constexpr int32_t kWarnColor = 0x00FF00, kGainColor = 0xFF0000, kLossColor = 0x0000FF;
}  // namespace

void ColorBonusTick(Game& g) {
    GameState& s = g.s;
    ColorIndicator& ind = s.m_ColorIndicator;
    if (s.g_ColorState == 0) {
        if (s.g_ColorWarn == 0 && RoundEven(g.rng.Rnd() * g.cfg.iVerColorBonus) == 25) {
            s.g_ColorWarn = 1;
            ind = ColorIndicator{true, kWarnColor, 0};
        }
        if (s.g_ColorWarn > kColorWarnTicks) {
            const bool loss = g.rng.Rnd() >= 0.6;
            s.g_ColorState = loss ? -1 : 1;
            ind.color = loss ? kLossColor : kGainColor;
            s.g_ColorTime = 0;
        } else {
            if (s.g_ColorWarn > 0) ++s.g_ColorWarn;
            return;
        }
    }
    if (s.g_Dropping && !s.m_ColorTaken) {
        s.g_ColorBonus = SatAdd(s.g_ColorBonus, s.g_ColorValue);
        s.g_ColorWarn = 0;
        g.Raise({.kind = EventKind::FlyingDigits, .column = -2.5, .row = 3.5, .value = s.g_ColorValue});
        if (s.g_ColorValue != 0) s.m_LastColorAmount = s.g_ColorValue;
        s.m_ColorTaken = true;
        s.g_ColorTime = static_cast<int16_t>(s.g_ColorTime - kColorTakenBack);
        if (s.g_ColorTime < 0) s.g_ColorTime = 1;
        s.score.s_addval(s.g_ColorValue);
    }
    s.g_ColorValue = static_cast<int16_t>(s.g_ColorState == 1 ? kColorSpan - s.g_ColorTime : s.g_ColorTime - kColorSpan);
    ind.value = s.g_ColorValue;
    s.g_ColorTime = static_cast<int16_t>(s.g_ColorTime + 3);
    if (s.g_ColorTime > kColorSpan) {
        s.g_ColorWarn = 0;
        ind.visible = false;
        s.g_ColorState = 0;
        s.g_ColorValue = 0;
    }
}

void MiracleTick(Game& g) {
    GameState& s = g.s;
    ++s.g_MiracleTick;
    if (s.g_MiracleTick <= 3) return;
    s.g_MiracleTick = 0;
    if (s.g_Dropping) return;
    const int speed = g.cfg.iNumSpeedMiracle;
    s.g_MiracleMeter = SatAdd(s.g_MiracleMeter, speed + 1);
    if (s.g_MiracleMeter > 349 - speed) {
        MiracleChange(g);
        s.g_MiracleMeter = 0;
    }
}

}  // namespace zembrol
