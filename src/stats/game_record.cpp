// The game's statistics record and the mailed result text.
#include "stats/game_record.h"

#include <vector>

#include "game/saturate.h"
#include "platform/text_encoding.h"
#include "stats/record_table.h"

namespace zembrol {

StatRec g_MakeGameRecord(const GameState& s, const std::string& playerName, int place, std::string_view date) {
    StatRec r;
    r.Name = FixedName(playerName);
    r.Score = s.score.s_getval();
    r.Moves = s.g_MovesTotal;
    r.Bonus = ClampToInt32(int64_t{s.g_ChangeBonus} + s.g_ColorBonus + s.g_InversiaBonus);
    r.ZembBonus = s.g_ZembBonus;
    r.Specials = ClampToInt16(s.g_SpecialCount);
    r.Zembs = ClampToInt16(s.g_ZembCount);
    r.Lines1 = ClampToInt16(s.g_LineKinds[0]);
    r.Lines2 = ClampToInt16(s.g_LineKinds[1]);
    r.Lines3 = ClampToInt16(s.g_LineKinds[2]);
    r.Lines4 = ClampToInt16(s.g_LineKinds[3]);
    r.TimeBonus = s.g_TimeBonus;
    r.Figures = ClampToInt16(s.g_FigCount);
    r.Place = ClampToInt16(place);
    r.Level = s.g_Level;
    const std::string d(date);
    r.Date = d.size() >= 10 ? d.substr(0, 6) + d.substr(8, 2) : d;
    return r;
}

int32_t g_ResultCheck(std::string_view text) {
    const std::string bytes = platform::Utf8ToCp1251(text);
    uint32_t sum = 0;
    for (size_t k = 0; k < bytes.size(); ++k) sum += static_cast<unsigned char>(bytes[k]) ^ static_cast<uint32_t>(k + 1);
    return static_cast<int32_t>(sum ^ static_cast<uint32_t>(bytes.size()));
}

namespace {
std::string Trim(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return std::string(t);
}
}  // namespace

std::string g_ResultText(const StatRec& r, const GameSettings& cfg) {
    const std::string variant = cfg.g_Trial ? "1" : "0";
    const std::vector<std::string> values = {
        std::to_string(r.Moves),  std::to_string(r.Bonus),  Trim(r.Date),         std::to_string(r.ZembBonus),
        std::to_string(r.Specials), std::to_string(r.Level), std::to_string(r.TimeBonus), std::to_string(r.Lines1),
        std::to_string(r.Lines2), std::to_string(cfg.gt_CurGameType), variant, std::to_string(r.Lines3),
        std::to_string(cfg.g_Speed), std::to_string(r.Lines4), Trim(r.Name), std::to_string(r.Figures),
        std::to_string(r.Zembs), std::to_string(r.Score)};
    std::string text = "16", checked;
    for (size_t k = 0; k < values.size(); ++k) {
        text += values[k] + ",";
        if (k != 10) checked += values[k];   // the variant is not part of the check
    }
    return text + std::to_string(g_ResultCheck(checked));
}

}  // namespace zembrol
