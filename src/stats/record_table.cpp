// Record tables in text and in memory. A damaged or hand-edited file loads what it
// holds that makes sense and never more than 100 entries.
#include "stats/record_table.h"

#include <cmath>

#include "game/saturate.h"
#include "platform/text_encoding.h"

namespace zembrol {

int32_t NumberValue(std::string_view t) {
    size_t k = 0;
    while (k < t.size() && (t[k] == ' ' || t[k] == '\t')) ++k;
    bool negative = false;
    if (k < t.size() && (t[k] == '-' || t[k] == '+')) negative = t[k++] == '-';
    double v = 0;
    bool digits = false;
    for (; k < t.size() && t[k] >= '0' && t[k] <= '9'; ++k) {
        digits = true;
        if (v < 1e12) v = v * 10 + (t[k] - '0');
    }
    if (!digits) return 0;
    if (k < t.size() && t[k] == '.') {
        double scale = 0.1;
        for (++k; k < t.size() && t[k] >= '0' && t[k] <= '9'; ++k, scale /= 10) v += (t[k] - '0') * scale;
    }
    return ClampToInt32(static_cast<int64_t>(std::nearbyint(negative ? -v : v)));
}

namespace {

// A score line as NumberValue reads it: blanks, an optional sign, then a digit.
bool StartsWithNumber(std::string_view t) {
    size_t k = t.find_first_not_of(" \t");
    if (k == std::string_view::npos) return false;
    if (t[k] == '-' || t[k] == '+') ++k;
    return k < t.size() && t[k] >= '0' && t[k] <= '9';
}

std::string CleanName(std::string_view line) {
    std::string name;
    for (char c : line)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) name += c;
    return name;
}

}  // namespace

RecordTable ParseRecordTable(std::string_view bytes, std::string* damage) {
    // Line ends are the same bytes in every encoding: the lines are split first and each
    // is decoded on its own.
    const std::vector<std::string_view> lines = platform::SplitLines(bytes);
    RecordTable table;
    std::string problem;
    auto decode = [&](size_t k) {
        bool damaged = false;
        std::string text = platform::DecodeLine(lines[k], &damaged);
        if (damaged && problem.empty())
            problem = "line " + std::to_string(k + 1) + " is UTF-8 with stray bytes (shown as '?')";
        return text;
    };
    size_t k = 0;
    for (; k + 1 < lines.size() && table.Count() < kRecordRows; k += 2) {
        table.names.push_back(CleanName(decode(k)));
        const std::string score = decode(k + 1);
        table.scores.push_back(NumberValue(score));
        if (problem.empty() && !StartsWithNumber(score))
            problem = "line " + std::to_string(k + 2) + " holds no score";
    }
    if (problem.empty() && table.Count() < kRecordRows && k < lines.size() &&
        lines[k].find_first_not_of(" \t") != std::string_view::npos)
        problem = "line " + std::to_string(k + 1) + " is a name without a score";
    if (damage) *damage = problem;
    return table;
}

std::string FormatRecordTable(const RecordTable& table) {
    std::string out;
    for (int k = 0; k < table.Count(); ++k) out += table.names[k] + "\r\n" + std::to_string(table.scores[k]) + "\r\n";
    return out;
}

std::array<int32_t, kRecordRows> RecordScores(const RecordTable& table) {
    std::array<int32_t, kRecordRows> scores;
    scores.fill(kNoRecordScore);
    for (int k = 0; k < table.Count() && k < kRecordRows; ++k) scores[k] = table.scores[k];
    return scores;
}

int InsertPlace(RecordTable& table, int32_t s, const std::string& name, bool query) {
    for (int i = 0; i < table.Count(); ++i) {
        if (table.scores[i] >= s) continue;
        if (!query) {
            table.names.insert(table.names.begin() + i, name);
            table.scores.insert(table.scores.begin() + i, s);
            if (table.Count() > kRecordRows) {
                table.names.resize(kRecordRows);
                table.scores.resize(kRecordRows);
            }
        }
        return i + 1;
    }
    if (table.Count() >= kRecordRows) return -1;
    const int place = table.Count() + 1;
    if (!query) {
        table.names.push_back(name);
        table.scores.push_back(s);
    }
    return place;
}

int LivePlace(const std::array<int32_t, kRecordRows>& scores, int32_t s) {
    int p = kRecordRows;
    while (p >= 1 && s > scores[p - 1]) --p;
    return p + 1;
}

std::string FixedName(std::string_view name) { return platform::Utf8FixedWidth(name, kRecordNameChars); }

}  // namespace zembrol
