// frmSeq: appending and removing figures, and the random-order box.
#include "windows/seq_window.h"


namespace zembrol {

void SeqWindow::Load() {
    closed_ = false;
    changed_ = false;
    CheckCount();
}

void SeqWindow::CheckCount() {
    if (g_.UserSeq.GetCount() < 2) g_.bRandomSeq = false;
}

bool SeqWindow::Click(const std::string& control) {
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index)) return false;
    if (name == "cmdBase" && index >= 0 && index < kSeqFigures) {
        g_.UserSeq.PutItem(static_cast<uint8_t>(index));   // a full list ignores it
        changed_ = true;
    } else if (name == "cmdDest" && index >= 0 && index < clsSeq::kCapacity) {
        // Hidden buttons (beyond the list) cannot be clicked.
        if (index >= g_.UserSeq.GetCount()) return true;
        g_.UserSeq.KillItem(static_cast<uint8_t>(index + 1));
        changed_ = true;
    } else if (name == "chkRandom" && index < 0) {
        if (RandomEnabled()) g_.bRandomSeq = !g_.bRandomSeq;
        return true;
    } else if ((name == "cmdOk1" || name == "close") && index < 0) {
        closed_ = true;
        return true;
    } else {
        return false;
    }
    CheckCount();
    return true;
}

bool SeqWindow::Key(const std::string& key) {
    if (key != "Esc") return false;
    closed_ = true;
    return true;
}

std::vector<ControlValue> SeqWindow::Controls() const {
    std::vector<ControlValue> c;
    const uint8_t count = g_.UserSeq.GetCount();
    for (int k = 0; k < clsSeq::kCapacity; ++k) {
        // A button shows its item's figure number; an empty text is a hidden button.
        const std::string shown = k < count ? std::to_string(g_.UserSeq.GetValueItem(static_cast<uint8_t>(k + 1))) : "";
        c.push_back({"cmdDest(" + std::to_string(k) + ")", shown});
    }
    c.push_back({"chkRandom", g_.bRandomSeq ? "1" : "0"});
    c.push_back({"chkRandom.Enabled", RandomEnabled() ? "True" : "False"});
    c.push_back({"cmdOk1", "OK"});
    return c;
}

}  // namespace zembrol
