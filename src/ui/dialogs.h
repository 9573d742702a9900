// The small modal windows of the main window: the configuration window (load or
// save one of six named configurations) and the language window. Thin views: the
// application gives them their texts and acts on the answer.
#pragma once

#include <string>
#include <vector>

namespace zembrol {

struct ConfigDialogTexts {
    std::string caption, load, save, cancel;  // "frmConCap n", "fload n", "fsave n", "fcаncеl"
    bool loadEnabled = false;                 // the chosen configuration's file exists
};

enum class ConfigChoice { None, Load, Save, Cancel };

// Keys of a modal window, taken from the game's own key events (a press and its
// release can arrive between two frames, too fast for the UI to see).
enum class DialogKey { None, Enter, Escape };

// One frame of frmConfig; None while it stays open. Escape cancels.
ConfigChoice DrawConfigDialog(const ConfigDialogTexts& texts, float scale, DialogKey key);

struct LanguageDialog {
    std::string title;                  // "fLang" "Title"
    std::vector<std::string> files;     // cmbLang, in the folder's order: what the choice stores
    std::vector<std::string> names;     // what the list shows for each file: its language's name
    int selected = 0;
};

// One frame of frmLang; true when it closes (OK, Enter or Escape).
bool DrawLanguageDialog(LanguageDialog& dialog, float scale, DialogKey key);

}  // namespace zembrol
