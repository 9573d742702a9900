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

// One line of a list: the place right-aligned in two characters and a point, the
// name padded with spaces to 15 characters, the score - so in a monospaced face the
// scores form one column. Place 100 takes a third digit from the name's width.
// Widths count characters, not bytes: a Cyrillic name pads like a Latin one.
inline std::string ListLine(size_t index, const std::string& name, int32_t score) {
    const size_t place = index + 1;
    std::string line = place < 10 ? " " + std::to_string(place) : std::to_string(place);
    line += '.';
    line += name;
    size_t chars = 0;
    for (unsigned char c : name) chars += (c & 0xC0) != 0x80;
    const size_t width = place < 100 ? 15 : 14;
    if (chars < width) line.append(width - chars, ' ');
    return line + std::to_string(score);
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
