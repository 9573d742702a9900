// The sequence editor (frmSeq): the player's figure list of the "Sequence" type, up
// to ten figure numbers, played in order or at random. The window edits the one
// clsSeq of the application in place; a window run draws it with ImGui (ui/seq_view).
#pragma once

#include <string>
#include <vector>

#include "game/game_settings.h"
#include "loop/script_window.h"

namespace zembrol {

inline constexpr int kSeqFigures = 7;   // cmdBase(0..6): the figure numbers

class SeqWindow final : public ScriptWindow {
public:
    explicit SeqWindow(GameSettings& settings) : g_(settings) {}

    // Opening: chkRandom from bRandomSeq, the sequence buttons, the box's state.
    void Load();
    // Set by every edit of the sequence: the settings window reads it when it closes.
    bool SequenceChanged() const { return changed_; }
    bool RandomEnabled() const { return g_.UserSeq.GetCount() >= 2; }
    const clsSeq& Sequence() const { return g_.UserSeq; }
    bool Random() const { return g_.bRandomSeq; }

    const char* Name() const override { return "frmSeq"; }
    bool Closed() const override { return closed_; }
    // cmdBase(n) appends figure n, cmdDest(i) removes the item shown there,
    // chkRandom, cmdOk1 (and the close box "close").
    bool Click(const std::string& control) override;
    bool Key(const std::string& key) override;   // "Esc" closes
    void CloseByDefault() override { closed_ = true; }
    std::vector<ControlValue> Controls() const override;

private:
    // Fewer than two items cannot be played at random: the box is cleared and disabled.
    void CheckCount();

    GameSettings& g_;
    bool changed_ = false;
    bool closed_ = false;
};

}  // namespace zembrol
