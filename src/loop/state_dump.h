// The state dump of a headless run: the whole game state as one JSON line, with
// the field as rows 0..30 of "0"/"1" over columns 4..18.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "loop/script_window.h"
#include "loop/session.h"

namespace zembrol {

// What a dump shows beyond the game: the open window (null when none) with its
// controls, and every configuration key's value.
struct DumpExtras {
    const ScriptWindow* window = nullptr;
    std::vector<std::pair<std::string, std::string>> settings;
    std::vector<ControlValue> mainWindow;   // the main window's own labels; none: not listed
};

// Without extras the dump holds the game alone.
std::string DumpState(const Session& s, const DumpExtras* extras = nullptr);

}  // namespace zembrol
