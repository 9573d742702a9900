// The walk over the configuration keys of the settings table (settings/setting_rows.h):
// sections, keys and variables in the exact order the configuration files are read
// and written, with the points where a loaded value is applied. Loading, saving and
// lookup by name all walk it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/setting_rows.h"
#include "settings/setting_value.h"
#include "settings/settings.h"

namespace zembrol {

class SettingVisitor {
public:
    virtual ~SettingVisitor() = default;
    // False skips the section's keys and steps.
    virtual bool Section(const char* /*section*/) { return true; }
    virtual void Key(const char* section, const std::string& key, SettingRef ref) = 0;
    virtual void Step(SettingStep /*step*/, int /*index*/) {}
};

void VisitSettingKeys(Settings& settings, SettingVisitor& visitor);

// The variable of a configuration key (any section), for scripts and tools.
bool FindSetting(Settings& settings, const std::string& key, SettingRef* ref);

// Every configuration key with its value as the files store it, in the list's order.
std::vector<std::pair<std::string, std::string>> SettingValues(Settings& settings);

}  // namespace zembrol
