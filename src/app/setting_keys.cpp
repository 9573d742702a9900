// The walk over the configuration keys.
#include "app/setting_keys.h"

#include <strings.h>

namespace zembrol {

void VisitSettingKeys(Settings& s, SettingVisitor& v) {
    const char* section = nullptr;
    bool inSection = false;
    for (const SettingRow& row : SettingRows()) {
        if (section != row.section) {
            section = row.section;
            inSection = v.Section(section);
        }
        if (!inSection) continue;
        if (row.step != SettingStep::None) v.Step(row.step, row.index);
        else if (row.HasKey()) v.Key(section, row.key, row.Ref(s));
    }
}

bool FindSetting(Settings& settings, const std::string& name, SettingRef* ref) {
    struct Finder : SettingVisitor {
        const std::string& name;
        SettingRef* ref;
        bool found = false;
        Finder(const std::string& n, SettingRef* r) : name(n), ref(r) {}
        void Key(const char*, const std::string& key, SettingRef r) override {
            if (!found && strcasecmp(key.c_str(), name.c_str()) == 0) {
                *ref = r;
                found = true;
            }
        }
    } finder(name, ref);
    VisitSettingKeys(settings, finder);
    return finder.found;
}

std::vector<std::pair<std::string, std::string>> SettingValues(Settings& settings) {
    struct Lister : SettingVisitor {
        std::vector<std::pair<std::string, std::string>> values;
        void Key(const char*, const std::string& key, SettingRef r) override { values.emplace_back(key, SettingText(r)); }
    } lister;
    VisitSettingKeys(settings, lister);
    return std::move(lister.values);
}

}  // namespace zembrol
