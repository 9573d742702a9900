// The end-of-game windows' models.
//
//   [Sections] frmEnterName - frmLevelStats - frmFullStat
#include "windows/end_of_game_windows.h"

#include <cstdlib>

#include "platform/text_encoding.h"

namespace zembrol {

namespace {
bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }
}  // namespace

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

}  // namespace zembrol
