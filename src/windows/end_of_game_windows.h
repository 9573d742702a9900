// The end-of-game windows: the record entry (frmEnterName), the level statistics
// (frmLevelStats) and the full statistics (frmFullStat). Each window is a plain model
// that scripts drive and dump by control name (ScriptWindow); a window run draws it
// with ImGui over the still-drawn game and turns the player's clicks and keys into
// the same commands (App::RunWindow, app/result_windows.h).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "loop/script_window.h"
#include "stats/record_table.h"
#include "stats/result_windows.h"
#include "stats/stat_windows.h"
#include "ui/record_entry.h"

namespace zembrol {

// frmEnterName. OK (or Enter) confirms a name; a blank name only when the player
// answers the empty-name question with Yes, else the window stays open. Cancel (or
// Esc) cancels the entry.
class RecordEntryWindow final : public ScriptWindow {
public:
    // The statistics record holds a name of kRecordNameChars letters: the field takes
    // no more, typed or scripted.
    RecordEntryWindow() { dialog.maxLetters = kRecordNameChars; }

    RecordEntryDialog dialog;                 // texts, txtName, chkSend
    std::string caption;                      // the application title
    std::function<bool()> acceptEmptyName;    // the empty-name question: true keeps the empty name
    std::function<void()> openRecordsPage;    // lblGotoRecords

    const char* Name() const override { return "frmEnterName"; }
    bool Closed() const override { return closed_; }
    bool Click(const std::string& control) override;
    bool Type(const std::string& text) override;
    bool Key(const std::string& key) override;
    void CloseByDefault() override;
    void Dismiss() override { closed_ = true; }   // the entry stays cancelled
    std::vector<ControlValue> Controls() const override;
    // The window's answer once it has closed.
    RecordEntry Result() const;
    // The text cut to the letters the field takes (dialog.maxLetters).
    std::string LimitedName(const std::string& text) const;

private:
    void Confirm();
    bool closed_ = false;
    bool cancelled_ = true;
};

// frmLevelStats: the level table of texts and bars; tmrA grows the bars every 100 ms.
class LevelStatsWindow final : public ScriptWindow {
public:
    LevelStatsWindow(LevelStats stats, std::string caption) : stats_(std::move(stats)), caption_(std::move(caption)) {}
    // Sound: the window's music (file name under data/music, faded in) when it
    // opens, and the row-removal sound (mDel1) at each growth step.
    std::function<void(const std::string& musicFile)> startMusic;
    std::function<void()> barStepSound;

    // Loading: starts the music.
    void Load();
    const LevelStats& Stats() const { return stats_; }
    const std::string& Caption() const { return caption_; }

    const char* Name() const override { return "frmLevelStats"; }
    bool Closed() const override { return closed_; }
    bool Click(const std::string& control) override;   // "cmdOK", "close" (the close box)
    bool Key(const std::string& key) override;         // "Space" on the OK button
    void Frame() override;
    void CloseByDefault() override { closed_ = true; }
    std::vector<ControlValue> Controls() const override;

private:
    LevelStats stats_;
    std::string caption_;
    int msToTick_ = 100;   // until tmrA's next tick
    bool closed_ = false;
};

// frmFullStat: ten rows of the full statistics, a scroll bar for more, the column
// explanations in lblToolTip.
class FullStatWindow final : public ScriptWindow {
public:
    FullStatWindow(FullStatTable table, std::array<std::string, kFullStatColumns> tags, std::string placeTip)
        : table_(std::move(table)), tags_(std::move(tags)), placeTip_(std::move(placeTip)), lblToolTip_(placeTip_) {}
    std::string lblCaption;   // title " : " MCap
    std::string gameLine;     // the table's game type and speed

    const FullStatTable& Table() const { return table_; }
    const std::string& ToolTip() const { return lblToolTip_; }
    // The pointer over lblStatVal(i) or lblPlace(r): the explanation in lblToolTip.
    bool PointAt(const std::string& control);

    const char* Name() const override { return "frmFullStat"; }
    bool Closed() const override { return closed_; }
    // "cmdOK" closes; a label (the pointer passes over it) shows its explanation.
    bool Click(const std::string& control) override;
    bool Key(const std::string& key) override;   // "Esc"
    bool Scroll(const std::string& control, int value) override;   // "vscrlUpDown"
    void CloseByDefault() override { closed_ = true; }
    std::vector<ControlValue> Controls() const override;

private:
    FullStatTable table_;
    std::array<std::string, kFullStatColumns> tags_;   // each column's explanation
    std::string placeTip_;
    std::string lblToolTip_;
    bool closed_ = false;
};

}  // namespace zembrol
