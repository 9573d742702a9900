// The Keys tab of the settings window drawn with ImGui: the actions with their keys
// in two columns, the own key repeat and the colour aids. A thin view like the other
// tabs: it reads the window's controls and reports what the player clicked or slid.
#pragma once

#include <functional>
#include <string>

#include "ui/settings_views.h"

namespace zembrol {

// One frame of the tab inside the settings window; `text` gives the "fSettings" texts.
void DrawKeysTab(const ControlMap& values, const std::function<std::string(const std::string&)>& text,
                 WindowInput& in, float scale);

}  // namespace zembrol
