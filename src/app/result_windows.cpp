// The end-of-game windows' models and their showing in window and scripted runs.
//
//   [Sections] control names - frmEnterName - frmLevelStats - frmFullStat - showing them
#include "app/result_windows.h"

#include <cstdlib>

#include "app/app.h"
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


// ---- frmEnterName ----

void RecordEntryWindow::Confirm() {
    // A blank name is kept only when the player says so; otherwise the window stays
    // open with the focus in the name field.
    if (Blank(dialog.name) && !(acceptEmptyName && acceptEmptyName())) return;
    cancelled_ = false;
    closed_ = true;
}

bool RecordEntryWindow::Click(const std::string& control) {
    if (control == "cmdOK") {
        Confirm();
    } else if (control == "cmdCancel") {
        closed_ = true;
    } else if (control == "chkSend") {
        if (!dialog.demoPlayed) dialog.send = !dialog.send;
    } else if (control == "lblGotoRecords") {
        if (openRecordsPage) openRecordsPage();
    } else if (control != "txtName") {
        return false;
    }
    return true;
}

bool RecordEntryWindow::Type(const std::string& text) {
    // After a demo game the field is disabled: it keeps "Computer". A longer name is
    // cut as the field cuts what a player types.
    if (!dialog.demoPlayed) dialog.name = LimitedName(text);
    return true;
}

std::string RecordEntryWindow::LimitedName(const std::string& text) const {
    return dialog.maxLetters > 0 ? platform::Utf8Prefix(text, dialog.maxLetters) : text;
}

bool RecordEntryWindow::Key(const std::string& key) {
    if (key == "Enter") Confirm();
    else if (key == "Esc") closed_ = true;
    else return false;
    return true;
}

void RecordEntryWindow::CloseByDefault() {
    Confirm();
    closed_ = true;
}

std::vector<ControlValue> RecordEntryWindow::Controls() const {
    return {
        {"Caption", caption},
        {"lblEnterName(0)", dialog.cap1},
        {"lblEnterName(1)", dialog.cap2},
        {"lblNameLimit", dialog.lblNameLimit},
        {"txtName", dialog.name},
        {"txtName.Enabled", dialog.demoPlayed ? "False" : "True"},
        {"chkSend", dialog.send ? "1" : "0"},
        {"chkSend.Caption", dialog.chkSend},
        {"chkSend.Enabled", dialog.demoPlayed ? "False" : "True"},
        {"lblGotoRecords", dialog.lblGotoRecords},
        {"cmdOK", "OK"},
        {"cmdCancel", "Cancel"},
    };
}

RecordEntry RecordEntryWindow::Result() const {
    RecordEntry e;
    e.cancelled = cancelled_;
    e.name = dialog.name;
    e.send = dialog.send && !dialog.demoPlayed;
    return e;
}

// ---- frmLevelStats ----

void LevelStatsWindow::Load() {
    if (startMusic) startMusic("dstat.wav");
}

bool LevelStatsWindow::Click(const std::string& control) {
    if (control != "cmdOK" && control != "close") return false;
    closed_ = true;
    return true;
}

bool LevelStatsWindow::Key(const std::string& key) {
    // The OK button is the window's only control and has the focus.
    if (key != "Space") return false;
    closed_ = true;
    return true;
}

void LevelStatsWindow::Frame() {
    msToTick_ -= kWindowFrameMs;
    if (msToTick_ > 0) return;
    msToTick_ += 100;
    if (!stats_.Growing()) return;
    stats_.tmrA_Tick();
    if (barStepSound) barStepSound();
}

std::vector<ControlValue> LevelStatsWindow::Controls() const {
    std::vector<ControlValue> c{{"Caption", caption_}};
    for (size_t L = 0; L < stats_.rows.size(); ++L) {
        c.push_back({Indexed("lblVS", static_cast<int>(L)), stats_.rows[L].lblVS});
        c.push_back({Indexed("lblDiff", static_cast<int>(L)), stats_.rows[L].lblDiff, stats_.rows[L].diffColor});
    }
    for (size_t k = 0; k < stats_.shown.size(); ++k)
        c.push_back({Indexed("prbStat", static_cast<int>(k)), std::to_string(stats_.shown[k])});
    c.push_back({"prbStat.Min", std::to_string(stats_.lo)});
    c.push_back({"prbStat.Max", std::to_string(stats_.hi)});
    c.push_back({"tmrA", stats_.Growing() ? "True" : "False"});
    c.push_back({"cmdOK", "OK"});
    return c;
}

// ---- frmFullStat ----

bool FullStatWindow::PointAt(const std::string& control) {
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index) || index < 0) return false;
    if (name == "lblStatVal" && index < kFullStatVisibleRows * kFullStatColumns) {
        lblToolTip_ = tags_[static_cast<size_t>(index % kFullStatColumns)];
        return true;
    }
    if (name == "lblPlace" && index < kFullStatVisibleRows) {
        lblToolTip_ = placeTip_;
        return true;
    }
    return false;
}

bool FullStatWindow::Click(const std::string& control) {
    if (control == "cmdOK") {
        closed_ = true;
        return true;
    }
    return PointAt(control);
}

bool FullStatWindow::Key(const std::string& key) {
    if (key != "Esc") return false;
    closed_ = true;
    return true;
}

bool FullStatWindow::Scroll(const std::string& control, int value) {
    if (control != "vscrlUpDown" || !table_.Scrolls()) return false;
    table_.SetScroll(value);
    return true;
}

std::vector<ControlValue> FullStatWindow::Controls() const {
    std::vector<ControlValue> c{{"lblCaption", lblCaption}, {"lblGame", gameLine}};
    for (int row = 0; row < kFullStatVisibleRows; ++row) {
        c.push_back({Indexed("lblPlace", row), table_.PlaceLabel(row)});
        for (int col = 0; col < kFullStatColumns; ++col)
            c.push_back({Indexed("lblStatVal", row * kFullStatColumns + col), table_.Cell(row, col)});
    }
    c.push_back({"markedRow", std::to_string(table_.MarkedRow())});
    if (table_.Scrolls()) {
        c.push_back({"vscrlUpDown", std::to_string(table_.Scroll())});
        c.push_back({"vscrlUpDown.Max", std::to_string(table_.ScrollMax())});
    }
    c.push_back({"lblToolTip", lblToolTip_});
    c.push_back({"cmdOK", "OK"});
    return c;
}

// ---- showing them ----

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
        OpenWithDesktopOrSay(RecordsPageAddress(app_.Config().currentPath, app_.Paths().Shipped("set/default.ini")));
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
    Game& g = app_.GameSession().game;
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
