// The statistics windows' texts, colours, bars and rows.
#include "stats/stat_windows.h"

#include <algorithm>

namespace zembrol {

int32_t st_GetSafeVal(int32_t value, int32_t lo, int32_t hi) { return std::clamp(value, lo, std::max(lo, hi)); }

LevelStats MakeLevelStats(const std::array<int32_t, 2 * kLevelCount>& stat, int lastLevel) {
    LevelStats s;
    // The range spans every level that saw any points, on either side.
    bool any = false;
    for (int L = 0; L < kLevelCount; ++L) {
        const int32_t a = stat[static_cast<size_t>(L)], b = stat[static_cast<size_t>(kLevelCount + L)];
        if (a == 0 && b == 0) continue;
        s.lo = any ? std::min({s.lo, a, b}) : std::min(a, b);
        s.hi = any ? std::max({s.hi, a, b}) : std::max(a, b);
        any = true;
    }
    const int last = std::clamp(lastLevel, 0, kMaxLevel);
    for (int L = 0; L <= last; ++L) {
        const int64_t a = stat[static_cast<size_t>(L)], b = stat[static_cast<size_t>(kLevelCount + L)];
        const int64_t d = b - a;
        LevelStatRow row;
        row.lblVS = std::to_string(b) + " - " + std::to_string(a);
        row.lblDiff = d > 0 ? "+" + std::to_string(d) : std::to_string(d);
        row.diffColor = d > 0 ? kColorGain : kColorLoss;
        s.rows.push_back(row);
    }
    for (size_t k = 0; k < s.target.size(); ++k) {
        // Bars of levels not played stay empty.
        const bool played = static_cast<int>(k % kLevelCount) <= last;
        s.target[k] = played ? st_GetSafeVal(stat[k], s.lo, s.hi) : s.lo;
        s.shown[k] = s.lo;
    }
    // About two seconds of growth at 100 ms a tick, whatever the range.
    s.step = std::max<int32_t>(1, static_cast<int32_t>((int64_t{s.hi} - s.lo) / 20));
    return s;
}

bool LevelStats::tmrA_Tick() {
    for (size_t k = 0; k < shown.size(); ++k) {
        const int64_t next = std::min<int64_t>(int64_t{shown[k]} + step, target[k]);
        shown[k] = static_cast<int32_t>(std::max<int64_t>(next, shown[k]));
    }
    return Growing();
}

double LevelStats::Fraction(int bar) const {
    if (bar < 0 || bar >= static_cast<int>(shown.size())) return 0;
    // One value everywhere: a bar that has any points is full.
    if (hi <= lo) return shown[static_cast<size_t>(bar)] != 0 ? 1 : 0;
    return static_cast<double>(int64_t{shown[static_cast<size_t>(bar)]} - lo) / static_cast<double>(int64_t{hi} - lo);
}

FullStatTable::FullStatTable(std::vector<StatRec> records, int marked)
    : records_(std::move(records)), marked_(marked) {
    Fill();
}

void FullStatTable::SetScroll(int value) {
    scroll_ = std::clamp(value, 0, ScrollMax());
    Fill();
}

std::array<std::string, kFullStatColumns> FullStatTable::RowTexts(const StatRec& r) {
    auto trimmed = [](const std::string& t) {
        const size_t end = t.find_last_not_of(' ');
        return end == std::string::npos ? std::string() : t.substr(0, end + 1);
    };
    std::array<std::string, kFullStatColumns> t = {
        std::to_string(r.Place),   std::to_string(r.Moves),  std::to_string(r.Bonus),  std::to_string(r.ZembBonus),
        std::to_string(r.Specials), std::to_string(r.Level), std::to_string(r.TimeBonus), std::to_string(r.Lines1),
        std::to_string(r.Lines2),  std::to_string(r.Lines3), std::to_string(r.Lines4), trimmed(r.Name),
        std::to_string(r.Figures), std::to_string(r.Zembs),  std::to_string(r.Score),  r.Date,
    };
    for (std::string& s : t)
        if (s == "0") s = "-";
    return t;
}

void FullStatTable::Fill() {
    for (int row = 0; row < kFullStatVisibleRows; ++row) {
        const int k = scroll_ + row;
        cells_[static_cast<size_t>(row)] =
            k < Count() ? RowTexts(records_[static_cast<size_t>(k)]) : std::array<std::string, kFullStatColumns>{};
    }
}

const std::string& FullStatTable::Cell(int row, int column) const {
    static const std::string kNone;
    if (row < 0 || row >= kFullStatVisibleRows || column < 0 || column >= kFullStatColumns) return kNone;
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

std::string FullStatTable::PlaceLabel(int row) const {
    const int k = scroll_ + row;
    return row >= 0 && row < kFullStatVisibleRows && k < Count() ? std::to_string(k + 1) : std::string();
}

int FullStatTable::MarkedRow() const {
    const int row = marked_ - 1 - scroll_;
    return marked_ > 0 && row >= 0 && row < kFullStatVisibleRows ? row : -1;
}

}  // namespace zembrol
