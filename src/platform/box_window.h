// A message box drawn by the game itself, for desktops where the system's box
// cannot be shown (no dialog helper, no core X fonts): a small window with the
// text and the buttons, answered with the mouse, Enter (the default) or Esc.
#pragma once

#include <string>
#include <vector>

namespace zembrol::platform {

struct BoxWindowButton {
    std::string caption;
    int answer = 0;
};

// Shows the box until a button is chosen. False when no window can be made.
bool ShowBoxWindow(const std::string& title, const std::string& text, const std::vector<BoxWindowButton>& buttons,
                   int defaultAnswer, int escapeAnswer, int* answer);

}  // namespace zembrol::platform
