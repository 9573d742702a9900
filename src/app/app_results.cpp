// AppResults: the end-of-game steps and the record events over the RecordBook.
#include "app/app_results.h"

#include <ctime>

#include "app/app.h"
#include "app/messages.h"
#include "game/f_init.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/shell.h"
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

bool AcceptEmptyName(const std::string& question) {
    return ShowBox(question, platform::BoxIcon::Question, platform::BoxButtons::YesNoCancel,
                   platform::BoxAnswer::Cancel) == platform::BoxAnswer::Yes;
}

RecordBook& AppResults::Book() {
    if (!book_)
        book_ = std::make_unique<RecordBook>(
            app_.Paths().Data("set"),
            [this](const std::string& m, bool ok) { app_.Log().f_Log(m, kLogPlain, ok); },
            [](const std::string& f, const std::string& m) { g_ErrorReport(m, f, ErrorInfo{}); },
            [this](const std::string& file, const std::string& why) {
                app_.NoticeUnreadable(app_.Paths().Data("set/" + file), why);
            });
    return *book_;
}

RecordKey AppResults::CurrentKey() const {
    const GameSettings& c = app_.GameSession().settings;
    return RecordKey{c.g_Speed, c.gt_CurGameType, c.g_Trial};
}

bool AppResults::SeriesOn() const { return g_SeriesOn(app_.GameSession().game); }

std::string AppResults::StoredName() const {
    return platform::GetPrivateProfileString("MAIN", "name", "", app_.Config().currentPath);
}

void AppResults::BeforePass() {
    const RecordKey key = CurrentKey();
    if (prefetched_ && key.speed == prefetchedKey_.speed && key.trial == prefetchedKey_.trial) return;
    Book().Prefetch(key);
    prefetchedKey_ = key;
    prefetched_ = true;
}

bool AppResults::OnGameEvent(const GameEvent& e) {
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

void AppResults::NewGame() {
    RecordBook& b = Book();
    b.g_LoadRecords(CurrentKey());
    b.g_LoadLevelTable(CurrentKey(), 0, false);
    b.ResetLevelStat();
    // Both lists are filled anew; the first-place name is shown from the start.
    display_.TableListRefilled();
    display_.LevelListRefilled();
    UpdatePlace(true);
}

void AppResults::LevelFinished(int levelLeft) {
    Book().g_LoadLevelTable(CurrentKey(), levelLeft + 1, false);
    display_.LevelListRefilled();
    UpdatePlace(true);
}

void AppResults::BookLevelStat(int level, bool atGameOver) {
    Book().BookLevelStat(level, atGameOver, app_.GameSession().state.score.s_getval());
}

void AppResults::FollowSettings() {
    RecordBook& b = Book();
    const RecordKey key = CurrentKey();
    if (b.RecordsFile().empty() || b.RecordsFile() == RecordTableName(key)) return;
    // Speed, type or variant changed since the table was read (the settings window, F11,
    // a configuration button): the tables of the new settings take its place, so the
    // game's result is entered into, and saved to, the table it belongs to.
    b.g_LoadRecords(key);
    b.g_LoadLevelTable(key, app_.GameSession().state.g_Level, false);
    display_.TableListRefilled();
    display_.LevelListRefilled();
}

void AppResults::UpdatePlace(bool levelChanged) {
    FollowSettings();
    RecordBook& b = Book();
    const int32_t score = app_.GameSession().state.score.s_getval();
    b.UpdatePlace(score);
    const Settings& settings = app_.GetSettings();
    RecordDisplay::Tables t;
    t.recordScores = &b.g_RecordScores;
    t.records = &b.g_Records;
    t.levelTable = &b.g_LevelTable;
    t.bLstBox0 = settings.bLstBox[0];
    t.bLstBox1 = settings.bLstBox[1];
    display_.Update(score, levelChanged, t);
}

void AppResults::CloseOtherWindows() {
    lastInsertPlace_ = -1;
    if (onGameOver) onGameOver(app_.GameSession().state);
}

void AppResults::ShowLevelStats() {
    if (windows_) windows_->ShowLevelStats(Book().g_LevelStat, app_.GameSession().state.g_Level);
}

int AppResults::g_GetRecordPlace(bool query) {
    if (!nameRead_) {
        g_PlayerName = StoredName();
        nameRead_ = true;
    }
    FollowSettings();
    Session& s = app_.GameSession();
    const int place = Book().g_GetRecordPlace(s.state.score.s_getval(), g_PlayerName, query, s.loop.running);
    if (!query) lastInsertPlace_ = place;
    return place;
}

void AppResults::ShowRecordEntry() {
    const bool demo = app_.GameSession().state.demoUsed;
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
        !platform::WritePrivateProfileString("MAIN", "name", g_PlayerName, app_.Config().currentPath))
    {
        app_.Log().f_Log("frmEnterName - the name could not be kept in " + app_.Config().currentPath, kLogPlain, false);
        app_.NoteRunProblem("the player's name could not be kept in " + app_.Config().currentPath);
    }
}

bool AppResults::g_MakeGameRecord() {
    if (SeriesOn()) return false;
    Session& s = app_.GameSession();
    g_GameRec = zembrol::g_MakeGameRecord(s.state, g_PlayerName, Book().Place(), Today());
    g_ResultText = zembrol::g_ResultText(g_GameRec, s.settings);
    return true;
}

void AppResults::SendResult() {
    const std::string addrFile = app_.Paths().SharedFolder() + "/addr.txt";
    const std::optional<std::string> addr = platform::ReadFile(addrFile);
    std::string address = addr ? addr->substr(0, addr->find_first_of("\r\n")) : "";
    const size_t first = address.find_first_not_of(" \t"), last = address.find_last_not_of(" \t");
    address = first == std::string::npos ? std::string() : address.substr(first, last - first + 1);
    if (address.empty() || !platform::OpenWithDesktop(ResultMailLink(address, g_ResultText)))
        g_ErrorReport("Не удалось прочитать файл, содержащий адрес отправки результата - " + app_.Paths().SharedFolder() + "/addr.txt",
                      "End Of Game", ErrorInfo{});
}

void AppResults::g_AddRecordToFullStat() {
    if (SeriesOn()) return;
    Book().g_AddRecordToFullStat(CurrentKey(), g_GameRec);
}

void AppResults::ShowFullStat() {
    if (windows_) windows_->ShowFullStat(Book().g_FullStat, Book().fullStatAdded);
}

void AppResults::g_LoadRecords() { Book().g_LoadRecords(CurrentKey()); }

void AppResults::g_SaveRecords() { Book().g_SaveRecords(CurrentKey()); }

void AppResults::g_UpdateLevelRecords() {
    if (SeriesOn()) return;
    Session& s = app_.GameSession();
    LevelResults r;
    r.key = CurrentKey();
    r.levelScores = s.state.g_LevelScores;
    r.level = s.state.g_Level;
    Book().g_UpdateLevelRecords(r, g_PlayerName, s.loop.running);
}

}  // namespace zembrol
