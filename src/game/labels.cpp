// Label texts: plain decimal numbers, no grouping.
#include "game/labels.h"

namespace zembrol {

namespace {
std::string TotalText(int32_t v) { return v == 0 ? std::string("---") : std::to_string(v); }
}  // namespace

void m_SetLblCaptions(GameState& s) {
    s.lblDB = TotalText(s.g_ZembBonus);
    s.lblTB = TotalText(s.g_TimeBonus);
    s.lblChB = TotalText(s.g_ChangeBonus);
    s.lblInvB = TotalText(s.g_InversiaBonus);
    s.lblCoB = TotalText(s.g_ColorBonus);
}

std::string CountLinesCaption(int n, int32_t kinds, int32_t points) {
    return std::to_string(n) + "-Lines*" + std::to_string(kinds) + " = " +
           std::to_string(static_cast<int64_t>(kinds) * points);
}

}  // namespace zembrol
