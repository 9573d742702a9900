// The end-of-game windows shown in window and scripted runs.
#include "app/result_windows.h"

#include <cstdlib>

#include "app/language.h"
#include "app/messages.h"
#include "game/game_types.h"
#include "platform/profile.h"
#include "platform/text_encoding.h"
#include "ui/stat_windows.h"

namespace zembrol {

bool AcceptEmptyName(const std::string& question) {
    return ShowBox(question, platform::BoxIcon::Question, platform::BoxButtons::YesNoCancel,
                   platform::BoxAnswer::Cancel) == platform::BoxAnswer::Yes;
}

namespace {
bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }
}  // namespace

std::string RecordsPageAddress(const std::string& currentConfig, const std::string& defaultConfig) {
    for (const std::string& file : {currentConfig, defaultConfig}) {
        if (file.empty()) continue;
        const std::string address = platform::GetPrivateProfileString("MAIN", kRecordsPageKey, "", file);
        if (!Blank(address)) return address;
    }
    return kDefaultRecordsPage;
}


void AppResultWindows::ShowLevelStats(const std::array<int32_t, 2 * (kMaxLevel + 1)>& stat, int levelReached) {
    Language& lang = app_.Lang();
    LevelStatsWindow w(MakeLevelStats(stat, levelReached),
                       std::string(kAppTitle) + " : " + lang.ini_GetParam("fLev", "Cap"));
    w.startMusic = startMusic;
    w.barStepSound = barStepSound;
    w.Load();
    LevelStatsView view;
    view.caption = w.Caption();
    view.levelCap = lang.ini_GetParam("fLev", "lblLevel");
    view.vsCap = lang.ini_GetParam("fLev", "lblVS");
    view.diffCap = lang.ini_GetParam("fLev", "lblDiff");
    view.okCap = "OK";
    app_.RunWindow(w, [&] {
        view.stats = &w.Stats();
        return DrawLevelStats(view, app_.UiScale());
    });
}

RecordEntry AppResultWindows::ShowRecordEntry(const std::string& offered, bool demoPlayed) {
    Language& lang = app_.Lang();
    RecordEntryWindow w;
    w.caption = kAppTitle;
    w.dialog.cap1 = lang.ini_GetParam("fEName", "Cap1");
    w.dialog.cap2 = lang.ini_GetParam("fEName", "Cap2");
    w.dialog.chkSend = lang.ini_GetParam("fEName", "chkSend");
    w.dialog.lblGotoRecords = lang.ini_GetParam("fEName", "lblGotoRecords");
    // A language file of an older version lacks the text: the English one stands in.
    w.dialog.lblNameLimit =
        lang.TextOr("fEName", "lblNameLimit", "(up to " + std::to_string(kRecordNameChars) + " letters)");
    // A name never stored reads as "...": the field starts empty instead.
    w.dialog.name = w.LimitedName(offered == "..." ? std::string() : offered);
    w.dialog.demoPlayed = demoPlayed;
    if (demoPlayed) w.dialog.name = kComputerName;
    w.acceptEmptyName = [&] { return AcceptEmptyName(lang.ini_GetParam("fEName", "Empt")); };
    w.openRecordsPage = [this] {
        OpenWithDesktopOrSay(app_.RecordsPage());
    };
    app_.RunWindow(w, [&] {
        switch (DrawRecordEntry(w.dialog, w.caption, app_.UiScale(), DialogKey::None)) {
            case RecordEntryChoice::Ok: return std::vector<std::string>{"cmdOK"};
            case RecordEntryChoice::Cancel: return std::vector<std::string>{"cmdCancel"};
            case RecordEntryChoice::GotoRecords: return std::vector<std::string>{"lblGotoRecords"};
            case RecordEntryChoice::None: break;
        }
        return std::vector<std::string>{};
    });
    return w.Result();
}

void AppResultWindows::ShowFullStat(const std::vector<StatRec>& rows, int marked) {
    Language& lang = app_.Lang();
    std::array<std::string, kFullStatColumns> tags;
    for (int k = 0; k < kFullStatColumns; ++k)
        tags[static_cast<size_t>(k)] = lang.ini_GetParam("fFullStat", "lblStatVal" + std::to_string(k));
    FullStatWindow w(FullStatTable(rows, marked), tags, lang.ini_GetParam("fFullStat", "lblToolTip"));
    w.lblCaption = std::string(kAppTitle) + " : " + lang.ini_GetParam("fFullStat", "MCap");
    Game& g = app_.ResultsGame();
    w.gameLine = lang.ini_GetParam("fSettings", "ct_fraType") + ": " + gg_GetCaptionForGame(g, 1) + " (" +
                 gg_GetCaptionForGame(g, 3) + ")    " + lang.ini_GetParam("fSettings", "ct_fraSpeed") + ": " +
                 gg_GetCaptionForGame(g, 2);
    FullStatView view;
    view.caption = w.lblCaption;
    view.gameLine = w.gameLine;
    view.okCap = "OK";
    view.rowFont = app_.UiListFont();
    app_.RunWindow(w, [&] {
        view.table = &w.Table();
        view.lblToolTip = w.ToolTip();
        FullStatInput in = DrawFullStat(view, app_.UiScale());
        if (!in.hovered.empty()) w.PointAt(in.hovered);
        if (in.scrollTo >= 0) w.Scroll("vscrlUpDown", in.scrollTo);
        return in.clicked;
    });
}

}  // namespace zembrol
