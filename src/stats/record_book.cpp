// RecordBook: reading, inserting and replacing the record files.
#include "stats/record_book.h"

#include <ctime>

#include "game/saturate.h"
#include "platform/files.h"

namespace zembrol {

namespace {
int32_t ClampGain(int32_t now, int32_t before) { return ClampToInt32(int64_t{now} - before); }
}  // namespace

RecordBook::RecordBook(std::string setFolder, LogFn log, ErrorFn error, UnreadableFn unreadable)
    : folder_(std::move(setFolder)), log_(std::move(log)), error_(std::move(error)), onUnreadable_(std::move(unreadable)) {
    g_RecordScores.fill(kNoRecordScore);
}

RecordTable RecordBook::ReadTable(const std::string& fileName) {
    const platform::FileStamp stamp = platform::StampOf(PathOf(fileName));
    if (const auto known = tables_.find(fileName); known != tables_.end() && known->second.stamp == stamp)
        return known->second.table;
    const platform::FileRead read = platform::ReadFileChecked(PathOf(fileName));
    if (read.status == platform::ReadStatus::Unreadable) NoteUnreadable(fileName, read.error);
    RecordTable table;
    if (read.Ok()) {
        std::string damage;
        table = ParseRecordTable(read.bytes, &damage);
        NoteDamage(fileName, damage);
    }
    tables_[fileName] = KnownTable{table, stamp};
    return table;
}

void RecordBook::Prefetch(const RecordKey& key) {
    RecordKey k = key;
    for (k.type = 1; k.type <= kGameTypes; ++k.type) {
        ReadTable(RecordTableName(k));
        for (int level = 0; level <= kMaxLevel; ++level) ReadTable(LevelTableName(k, level));
    }
}

bool RecordBook::WriteTable(const std::string& fileName, const RecordTable& table, const char* procedure) {
    const std::string content = FormatRecordTable(table);
    if (!WriteFile(fileName, content, procedure)) return false;
    tables_[fileName] = KnownTable{ParseRecordTable(content), platform::StampOf(PathOf(fileName))};
    return true;
}

bool RecordBook::NoteUnreadable(const std::string& fileName, const std::string& why, bool announce) {
    if (!unreadable_.emplace(fileName, why).second) return false;
    if (log_)
        log_("RecordBook - " + fileName + " exists but cannot be read (" + why +
                 "); it is left as it is and nothing is saved over it during this run",
             false);
    if (announce && onUnreadable_) onUnreadable_(fileName, why);
    return true;
}

void RecordBook::NoteDamage(const std::string& fileName, const std::string& damage) {
    if (damage.empty()) {
        damaged_.erase(fileName);
        return;
    }
    if (damaged_.count(fileName) == 0 && log_)
        log_("RecordBook - " + fileName + " could not be read in full: " + damage, false);
    damaged_[fileName] = damage;
}

bool RecordBook::KeepDamagedCopy(const std::string& fileName, const char* procedure) {
    if (damaged_.count(fileName) == 0) return true;
    const std::string path = PathOf(fileName);
    if (!platform::FileExists(path)) {
        damaged_.erase(fileName);
        return true;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string copy = path + ".bad-" + stamp;
    for (int n = 2; platform::FileExists(copy); ++n) copy = path + ".bad-" + stamp + "-" + std::to_string(n);
    std::string error;
    if (!platform::CopyFileAtomic(path, copy, &error)) {
        lastWriteError_ = "cannot keep a copy of the damaged " + fileName + ": " + error;
        if (log_) log_(std::string(procedure) + " - " + lastWriteError_ + "; the file is left as it was", false);
        return false;
    }
    if (log_)
        log_(std::string(procedure) + " - " + fileName + " could not be read in full (" + damaged_[fileName] +
                 "); the old file is kept as " + copy.substr(copy.find_last_of('/') + 1),
             false);
    damaged_.erase(fileName);
    return true;
}

bool RecordBook::WriteFile(const std::string& fileName, const std::string& content, const char* procedure) {
    std::string error;
    if (const auto it = unreadable_.find(fileName); it != unreadable_.end()) {
        ++failedWrites_;
        lastWriteError_ = fileName + ": exists but cannot be read (" + it->second + "), so it is not replaced";
        if (log_) log_(std::string(procedure) + " - " + lastWriteError_, false);
        return false;
    }
    if (!KeepDamagedCopy(fileName, procedure)) {
        ++failedWrites_;
        return false;
    }
    if (platform::WriteFileAtomic(PathOf(fileName), content, &error)) return true;
    ++failedWrites_;
    lastWriteError_ = fileName + ": " + error;
    if (log_) log_(std::string(procedure) + " - " + fileName + ": " + error, false);
    return false;
}

void RecordBook::g_LoadRecords(const RecordKey& key) {
    recordsFile_ = RecordTableName(key);
    g_Records = ReadTable(recordsFile_);
    g_RecordScores = RecordScores(g_Records);
}

bool RecordBook::g_SaveRecords(const RecordKey& key) {
    const std::string fileName = RecordTableName(key);
    if (fileName != recordsFile_) {
        // Another table's entries written here would wipe this table's records.
        ++failedWrites_;
        lastWriteError_ = fileName + ": the table in memory was read from " +
                          (recordsFile_.empty() ? std::string("no file") : recordsFile_) + ", so it is not written there";
        if (log_) log_("g_SaveRecords() - " + lastWriteError_, false);
        return false;
    }
    return WriteTable(fileName, g_Records, "g_SaveRecords()");
}

int RecordBook::g_GetRecordPlace(int32_t score, const std::string& name, bool query, bool loopRunning) {
    if (!loopRunning) return -1;
    return InsertPlace(g_Records, score, name, query);
}

int RecordBook::UpdatePlace(int32_t score) {
    place_ = LivePlace(g_RecordScores, score);
    return place_;
}

void RecordBook::g_LoadLevelTable(const RecordKey& key, int level, bool intoLists) {
    const std::string fileName = LevelTableName(key, level);
    RecordTable t = ReadTable(fileName);
    if (intoLists) {
        recordsFile_ = fileName;
        g_Records = std::move(t);
        return;
    }
    g_LevelTable.clear();
    for (int k = 0; k < t.Count(); ++k) g_LevelTable.push_back(LevelRow{FixedName(t.names[k]), t.scores[k]});
}

bool RecordBook::g_AddRecordToFullStat(const RecordKey& key, const StatRec& rec) {
    const std::string name = FullStatName(key);
    const std::string path = PathOf(name);
    // Nothing of an earlier game's table may show when this one cannot be read.
    g_FullStat.clear();
    fullStatAdded = 0;
    const platform::FileRead read = platform::ReadFileChecked(path);
    if (read.status == platform::ReadStatus::Unreadable) {
        // The full statistics have their own report; it stands for the notice.
        const bool first = NoteUnreadable(name, read.error, false);
        ++failedWrites_;
        lastWriteError_ = name + ": exists but cannot be read (" + read.error + ")";
        if (first && error_) error_("g_AddRecordToFullStat()", "Не удалось прочитать файл с полной статистикой");
        return false;
    }
    const std::optional<std::string> bytes = read.Ok() ? std::optional<std::string>(read.bytes) : std::nullopt;
    // A partial record at the end is not read; the file keeps a copy before it is replaced.
    NoteDamage(name, bytes && bytes->size() % kStatRecBytes != 0
                         ? "a partial record of " + std::to_string(bytes->size() % kStatRecBytes) + " bytes at the end"
                         : std::string());
    g_FullStat = ParseFullStat(bytes ? *bytes : std::string());
    if (g_FullStat.empty()) g_FullStat.push_back(DefaultStatRec());
    fullStatAdded = InsertIntoFullStat(g_FullStat, rec);
    return WriteFile(name, FormatFullStat(g_FullStat), "g_SaveFileWFS()");
}

void RecordBook::g_UpdateLevelRecords(const LevelResults& r, const std::string& name, bool loopRunning) {
    auto enter = [&](const RecordKey& key, int level, int32_t score) {
        g_LoadLevelTable(key, level, true);
        if (g_GetRecordPlace(score, name, false, loopRunning) != -1)
            WriteTable(recordsFile_, g_Records, "g_UpdateLevelRecords()");
    };
    if (!r.key.trial) {
        if (r.key.type < 1 || r.key.type > kGameTypes) return;
        for (int level = 0; level <= r.level && level <= kMaxLevel; ++level) {
            const int32_t score = r.levelScores[r.key.type - 1][level];
            if (score != kLevelScoreUnset) enter(r.key, level, score);
        }
        return;
    }
    for (int type = 1; type <= kGameTypes; ++type) {
        RecordKey key = r.key;
        key.type = type;
        for (int level = 0; level <= kMaxLevel; ++level) {
            const int32_t score = r.levelScores[type - 1][level];
            if (score == kLevelScoreUnset) break;
            enter(key, level, score);
        }
    }
}

void RecordBook::ResetLevelStat() {
    g_LevelStat.fill(0);
    lastLevelScore_ = 0;
    lastLevelBest_ = 0;
}

void RecordBook::BookLevelStat(int level, bool atGameOver, int32_t score) {
    if (level < 0 || level > kMaxLevel) return;
    g_LevelStat[static_cast<size_t>(kMaxLevel + 1 + level)] = ClampGain(score, lastLevelScore_);
    if (atGameOver) return;
    const int32_t best = g_LevelTable.empty() ? 0 : g_LevelTable.front().score;
    g_LevelStat[static_cast<size_t>(level)] = ClampGain(best, lastLevelBest_);
    lastLevelScore_ = score;
    lastLevelBest_ = best;
}

}  // namespace zembrol
