// RecordBook: the record files of one application folder and the tables in memory —
// the record table of the current settings (g_Records, g_RecordScores), the level
// table shown beside it (g_LevelTable), the per-level statistics (g_LevelStat), the
// live place, and the full statistics while a game is added to them.
//
// Every file is replaced through a temporary file and a rename: a failed write leaves
// the old file as it was and is logged. A missing table reads as empty. A file that
// could not be read in full (damaged, or edited by hand) is logged when read and, before
// it is first replaced, kept beside itself as "<name>.bad-<date>-<time>": what the
// reader could not make sense of is never lost without a trace. A file that exists but
// cannot be read at all (another user's, an I/O error, not a regular file) plays as an
// empty table and is never saved over during the run: it is logged and the player told
// once. The record table in memory is written only to the file it was read from.
//
// A table file is read once and then answered from memory, kept as the book writes it,
// for as long as the file's stamp (size, time, inode) says nobody else replaced it; an
// edit made by hand while the game runs is read again. Prefetch reads the tables a game
// can ask for between the loop's passes, so the rules' events do not wait on the disk.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "platform/files.h"
#include "stats/record_files.h"
#include "stats/record_table.h"
#include "stats/stat_rec.h"

namespace zembrol {

struct LevelRow {
    std::string name;   // 11 characters
    int32_t score = 0;
    bool operator==(const LevelRow&) const = default;
};

// What g_UpdateLevelRecords needs of the finished game.
struct LevelResults {
    RecordKey key;
    std::array<std::array<int32_t, kMaxLevel + 1>, kGameTypes> levelScores{};
    int16_t level = 0;   // g_Level reached
};

class RecordBook {
public:
    // A start-up log record: message and success.
    using LogFn = std::function<void(const std::string& message, bool ok)>;
    // The error report box: function and message.
    using ErrorFn = std::function<void(const std::string& function, const std::string& message)>;
    // A file found unreadable, once per file: its name and why.
    using UnreadableFn = std::function<void(const std::string& fileName, const std::string& why)>;

    // setFolder: the application folder's data/set, without a trailing '/'.
    RecordBook(std::string setFolder, LogFn log = {}, ErrorFn error = {}, UnreadableFn unreadable = {});

    std::string PathOf(const std::string& fileName) const { return folder_ + "/" + fileName; }

    // Reads (once) every record and level table of key's speed and variant, of every
    // game type: the tables a game and the series after it can load.
    void Prefetch(const RecordKey& key);

    // The record table of key into g_Records and g_RecordScores.
    void g_LoadRecords(const RecordKey& key);
    // g_Records back to key's record table file; false when it could not be written,
    // or when g_Records was not read from that file (it is never written over another
    // table's file).
    bool g_SaveRecords(const RecordKey& key);
    // The file g_Records was last read from ("" before the first read).
    const std::string& RecordsFile() const { return recordsFile_; }
    // Place of score in g_Records (a step of the end of a game): -1 when the loop is not
    // running or the score would not enter; unless query, inserted under name.
    int g_GetRecordPlace(int32_t score, const std::string& name, bool query, bool loopRunning);
    // The live place of score against g_RecordScores; remembered for the game's record.
    int UpdatePlace(int32_t score);
    int Place() const { return place_; }
    // Level table of level into g_Records (intoLists) or into g_LevelTable.
    void g_LoadLevelTable(const RecordKey& key, int level, bool intoLists);
    // Adds rec to key's full statistics file; a file that exists but cannot be read
    // stops it with the error report. False when nothing was written.
    bool g_AddRecordToFullStat(const RecordKey& key, const StatRec& rec);
    // Enters every finished level's score into its level table.
    void g_UpdateLevelRecords(const LevelResults& results, const std::string& name, bool loopRunning);

    // A game starts: clear g_LevelStat and what it remembers of the previous level.
    void ResetLevelStat();
    // Books the level just left (or, at game over, the level reached) with the score now.
    void BookLevelStat(int level, bool atGameOver, int32_t score);

    RecordTable g_Records;
    std::array<int32_t, kRecordRows> g_RecordScores{};
    std::vector<LevelRow> g_LevelTable;
    std::array<int32_t, 2 * (kMaxLevel + 1)> g_LevelStat{};   // [L] record holder's gain, [11 + L] the player's
    std::vector<StatRec> g_FullStat;                          // as the last addition left it
    int fullStatAdded = 0;   // the place the last addition took in g_FullStat (1-based), 0: none

    // Writes that failed or were refused since the book was made, and the reason of the last one.
    int FailedWrites() const { return failedWrites_; }
    // Files found to exist but not to be readable, by name: never written this run.
    const std::map<std::string, std::string>& UnreadableFiles() const { return unreadable_; }
    const std::string& LastWriteError() const { return lastWriteError_; }

private:
    RecordTable ReadTable(const std::string& fileName);
    // Writes a record or level table and keeps what was written as the file's table.
    bool WriteTable(const std::string& fileName, const RecordTable& table, const char* procedure);
    // A file that exists but could not be read: logged and (announce) told once, kept
    // from writes. False when it was known already.
    bool NoteUnreadable(const std::string& fileName, const std::string& why, bool announce = true);
    // Remembers a file read only in part (logged once) until it is replaced.
    void NoteDamage(const std::string& fileName, const std::string& damage);
    // Copies a damaged file aside before WriteFile replaces it; false when no copy could be made.
    bool KeepDamagedCopy(const std::string& fileName, const char* procedure);
    bool WriteFile(const std::string& fileName, const std::string& content, const char* procedure);

    std::string folder_;
    LogFn log_;
    ErrorFn error_;
    UnreadableFn onUnreadable_;
    std::string recordsFile_;
    struct KnownTable {
        RecordTable table;          // as read or last written
        platform::FileStamp stamp;  // the file's stamp then
    };
    std::map<std::string, KnownTable> tables_;   // by file name
    std::map<std::string, std::string> unreadable_;   // file name → why it could not be read
    int place_ = 1;
    std::map<std::string, std::string> damaged_;   // file name → what could not be read
    int failedWrites_ = 0;
    std::string lastWriteError_;
    int32_t lastLevelScore_ = 0;   // the player's score at the previous level change
    int32_t lastLevelBest_ = 0;    // the level table's best score then
};

}  // namespace zembrol
