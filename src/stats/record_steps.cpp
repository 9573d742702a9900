// RecordSteps: the end-of-game steps and the record events over the RecordBook.
#include "stats/record_steps.h"

#include <ctime>

#include "game/f_init.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "stats/game_record.h"
#include "stats/result_mail.h"

namespace zembrol {

namespace {

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &tm);
    return text;
}

}  // namespace

RecordBook& RecordSteps::Book() {
    if (!book_)
        book_ = std::make_unique<RecordBook>(
            host_.SetFolder(), [this](const std::string& m, bool ok) { host_.RecordsLog(m, ok); },
            [this](const std::string& f, const std::string& m) { host_.ReportError(m, f); },
            [this](const std::string& file, const std::string& why) {
                host_.NoticeUnreadable(host_.SetFolder() + "/" + file, why);
            });
    return *book_;
}

RecordKey RecordSteps::CurrentKey() const {
    const GameSettings& c = host_.RecordedSettings();
    return RecordKey{c.g_Speed, c.gt_CurGameType, c.g_Trial};
}

bool RecordSteps::SeriesOn() const { return g_SeriesOn(host_.RecordedGame(), host_.RecordedSettings()); }

std::string RecordSteps::StoredName() const {
    return platform::GetPrivateProfileString("MAIN", "name", "", host_.NameFile());
}

void RecordSteps::BeforePass() {
    const RecordKey key = CurrentKey();
    if (prefetched_ && key.speed == prefetchedKey_.speed && key.trial == prefetchedKey_.trial) return;
    Book().Prefetch(key);
    prefetchedKey_ = key;
    prefetched_ = true;
}

bool RecordSteps::OnGameEvent(const GameEvent& e) {
    switch (e.kind) {
        // The place labels' heights belong to the view's label sweeps; a new game
        // clears the texts they show.
        case EventKind::RecordPlaceLabelsReset:
            if (onPlaceLabelsReset) onPlaceLabelsReset();
            return true;
        case EventKind::RecordPlaceStringsClear: display_.Clear(); return true;
        case EventKind::RecordsNewGame: NewGame(); return true;
        case EventKind::LevelFinished: LevelFinished(e.value); return true;
        case EventKind::BookLevelStat: BookLevelStat(e.value, e.flag); return true;
        case EventKind::RecordDisplayUpdate: UpdatePlace(e.flag); return true;
        default: return false;
    }
}

void RecordSteps::NewGame() {
    RecordBook& b = Book();
    b.g_LoadRecords(CurrentKey());
    b.g_LoadLevelTable(CurrentKey(), 0, false);
    b.ResetLevelStat();
    // Both lists are filled anew; the first-place name is shown from the start.
    display_.TableListRefilled();
    display_.LevelListRefilled();
    UpdatePlace(true);
}

void RecordSteps::LevelFinished(int levelLeft) {
    Book().g_LoadLevelTable(CurrentKey(), levelLeft + 1, false);
    display_.LevelListRefilled();
    UpdatePlace(true);
}

void RecordSteps::BookLevelStat(int level, bool atGameOver) {
    Book().BookLevelStat(level, atGameOver, host_.RecordedGame().score.s_getval());
}

void RecordSteps::FollowSettings() {
    RecordBook& b = Book();
    const RecordKey key = CurrentKey();
    if (b.RecordsFile().empty() || b.RecordsFile() == RecordTableName(key)) return;
    // Speed, type or variant changed since the table was read (the settings window, F11,
    // a configuration button): the tables of the new settings take its place, so the
    // game's result is entered into, and saved to, the table it belongs to.
    b.g_LoadRecords(key);
    b.g_LoadLevelTable(key, host_.RecordedGame().g_Level, false);
    display_.TableListRefilled();
    display_.LevelListRefilled();
}

void RecordSteps::UpdatePlace(bool levelChanged) {
    FollowSettings();
    RecordBook& b = Book();
    const int32_t score = host_.RecordedGame().score.s_getval();
    b.UpdatePlace(score);
    const std::array<bool, 2> boxes = host_.ListBoxes();
    RecordDisplay::Tables t;
    t.recordScores = &b.g_RecordScores;
    t.records = &b.g_Records;
    t.levelTable = &b.g_LevelTable;
    t.bLstBox0 = boxes[0];
    t.bLstBox1 = boxes[1];
    display_.Update(score, levelChanged, t);
}

void RecordSteps::CloseOtherWindows() {
    lastInsertPlace_ = -1;
    if (onGameOver) onGameOver(host_.RecordedGame());
}

void RecordSteps::ShowLevelStats() {
    if (windows_) windows_->ShowLevelStats(Book().g_LevelStat, host_.RecordedGame().g_Level);
}

int RecordSteps::g_GetRecordPlace(bool query) {
    if (!nameRead_) {
        g_PlayerName = StoredName();
        nameRead_ = true;
    }
    FollowSettings();
    const int place =
        Book().g_GetRecordPlace(host_.RecordedGame().score.s_getval(), g_PlayerName, query, host_.LoopRunning());
    if (!query) lastInsertPlace_ = place;
    return place;
}

void RecordSteps::ShowRecordEntry() {
    const bool demo = host_.RecordedGame().demoUsed;
    g_PlayerName = StoredName();
    nameRead_ = true;
    // Without windows the entry is confirmed with the name offered.
    const RecordEntry e = windows_ ? windows_->ShowRecordEntry(g_PlayerName, demo)
                                   : RecordEntry{false, demo ? kComputerName : g_PlayerName, false};
    cancelled_ = e.cancelled;
    send_ = e.send && !demo;
    if (cancelled_) return;
    // The name is kept for the next entry; the settings file is rewritten only when
    // it changed (values are stored trimmed), and a failed write only loses that.
    const std::string stored = g_PlayerName;
    g_PlayerName = e.name;
    const size_t first = g_PlayerName.find_first_not_of(" \t"), last = g_PlayerName.find_last_not_of(" \t");
    const std::string trimmed = first == std::string::npos ? "" : g_PlayerName.substr(first, last - first + 1);
    if (trimmed != stored &&
        !platform::WritePrivateProfileString("MAIN", "name", g_PlayerName, host_.NameFile()))
    {
        host_.RecordsLog("frmEnterName - the name could not be kept in " + host_.NameFile(), false);
        host_.NoteRunProblem("the player's name could not be kept in " + host_.NameFile());
    }
}

bool RecordSteps::g_MakeGameRecord() {
    if (SeriesOn()) return false;
    g_GameRec = zembrol::g_MakeGameRecord(host_.RecordedGame(), g_PlayerName, Book().Place(), Today());
    g_ResultText = zembrol::g_ResultText(g_GameRec, host_.RecordedSettings());
    return true;
}

void RecordSteps::SendResult() {
    const std::string addrFile = host_.SharedFolder() + "/addr.txt";
    const std::optional<std::string> addr = platform::ReadFile(addrFile);
    std::string address = addr ? addr->substr(0, addr->find_first_of("\r\n")) : "";
    const size_t first = address.find_first_not_of(" \t"), last = address.find_last_not_of(" \t");
    address = first == std::string::npos ? std::string() : address.substr(first, last - first + 1);
    if (address.empty() || !host_.OpenLink(ResultMailLink(address, g_ResultText)))
        host_.ReportError("Не удалось прочитать файл, содержащий адрес отправки результата - " + addrFile, "End Of Game");
}

void RecordSteps::g_AddRecordToFullStat() {
    if (SeriesOn()) return;
    Book().g_AddRecordToFullStat(CurrentKey(), g_GameRec);
}

void RecordSteps::ShowFullStat() {
    if (windows_) windows_->ShowFullStat(Book().g_FullStat, Book().fullStatAdded);
}

void RecordSteps::g_LoadRecords() { Book().g_LoadRecords(CurrentKey()); }

void RecordSteps::g_SaveRecords() { Book().g_SaveRecords(CurrentKey()); }

void RecordSteps::g_UpdateLevelRecords() {
    if (SeriesOn()) return;
    const GameState& s = host_.RecordedGame();
    LevelResults r;
    r.key = CurrentKey();
    r.levelScores = s.g_LevelScores;
    r.level = s.g_Level;
    Book().g_UpdateLevelRecords(r, g_PlayerName, host_.LoopRunning());
}

}  // namespace zembrol
