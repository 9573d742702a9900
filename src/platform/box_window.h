// The game's own message box: a small window with an icon, the text and the
// buttons, drawn with our font so that Russian text reads on every desktop and
// the box looks the same everywhere. Answered with the mouse, Enter (the default
// button) or Esc; sized for the desktop's dots per inch.
#pragma once

#include <string>
#include <vector>

namespace zembrol::platform {

struct BoxWindowButton {
    std::string caption;
    int answer = 0;
};

enum class BoxWindowIcon { Information, Question, Exclamation, Critical };

// Shows the box until a button is chosen. False when no window can be made.
bool ShowBoxWindow(const std::string& title, const std::string& text, BoxWindowIcon icon,
                   const std::vector<BoxWindowButton>& buttons, int defaultAnswer, int escapeAnswer, int* answer);

}  // namespace zembrol::platform
