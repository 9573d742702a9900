// The lines of the main window's record lists ("place. name  score"). The window is
// drawn every frame but a table changes only when a record is entered or another
// table is loaded: the lines are made again only when their table differs from the
// one they were made from.
#pragma once

#include <string>
#include <vector>

#include "stats/record_book.h"
#include "stats/record_table.h"

namespace zembrol {

// One line of a list: place (from 1), name, score.
inline std::string ListLine(size_t index, const std::string& name, int32_t score) {
    return std::to_string(index + 1) + ". " + name + "  " + std::to_string(score);
}

inline std::vector<std::string> ListLinesOf(const RecordTable& t) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < t.scores.size(); ++i) lines.push_back(ListLine(i, t.names[i], t.scores[i]));
    return lines;
}

inline std::vector<std::string> ListLinesOf(const std::vector<LevelRow>& table) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < table.size(); ++i) lines.push_back(ListLine(i, table[i].name, table[i].score));
    return lines;
}

template <class Table>
class ListLines {
public:
    const std::vector<std::string>& Of(const Table& table) {
        if (!made_ || !(table == source_)) {
            source_ = table;
            lines_ = ListLinesOf(table);
            made_ = true;
        }
        return lines_;
    }

private:
    Table source_;
    std::vector<std::string> lines_;
    bool made_ = false;
};

}  // namespace zembrol
