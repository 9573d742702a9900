// The Keys tab of the settings window drawn with ImGui: the actions with their keys
// in two columns, the own key repeat and the colour aids. A thin view like the other
// tabs: it reads the settings through their rows and the key table, and reports what
// the player clicked or slid.
#pragma once

#include <functional>
#include <string>

#include "ui/settings_views.h"
#include "ui/window_form.h"

namespace zembrol {

// One frame of the tab inside the settings window's form.
void DrawKeysTab(Form& f, const SettingsShown& shown);

}  // namespace zembrol
