// The configuration files: cfg.ini with the active configuration number, one
// settings file per machine and number, and the shipped default.ini copied on
// first use. ini_MainIni loads and applies, or saves, the whole settings set.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/app_paths.h"
#include "app/config_targets.h"
#include "settings/setting_value.h"
#include "settings/settings.h"
#include "platform/profile.h"
#include "windows/short_text.h"

namespace zembrol {

class StartupLog;

class Configuration {
public:
    Configuration(const AppPaths& paths, StartupLog& log, Settings& settings);

    void SetTargets(ConfigTargets* targets) { targets_ = targets ? targets : &noTargets_; }
    // Values given for this run ("NAME=VALUE", names as the key list spells them in
    // any case): every load takes them in place of the file's, before the steps that
    // apply the loaded values act, so whatever a key drives sees the given value.
    // A save writes the player's own value for such a key, unless the setting was
    // changed during the run: a value for one run never replaces the player's.
    void SetRunValues(std::vector<std::string> values) { runValues_ = std::move(values); }
    struct RunValueKept {
        std::string fileText;  // the value as the file had it
        std::string runText;   // the value given for the run, as a save would write it
    };
    void KeepRunValue(const std::string& key, RunValueKept kept);
    const RunValueKept* KeptRunValue(const std::string& key) const;

    // cfg.ini: load returns the value (default "..."), save writes it and returns "...".
    std::string ini_LoadSaveCfg(const std::string& section, const std::string& key, bool load,
                                const std::string& value = {});
    // One key of a settings file: load converts into the variable (unchanged and
    // false when it does not convert), save writes the variable's text.
    bool ini_LoadSaveParam(platform::ProfileFile& file, const std::string& section, const std::string& key,
                           SettingRef ref, bool load);
    // eLoad = 1 loads and applies everything, 0 saves it. False when a save could not be written.
    bool ini_MainIni(int eLoad);

    // The settings file of the active number, or of `number`.
    std::string ini_ConfigPath() const { return ini_ConfigPathFor(ini_config); }
    std::string ini_ConfigPathFor(const std::string& number) const;

    // A settings file that exists but cannot be read: its path and why. It is left as it
    // is (the built-in values play) and never saved over during the run.
    std::function<void(const std::string& path, const std::string& why)> onUnreadable;

    std::string ini_config = "1";  // active configuration number, "1".."6"
    std::string currentPath;       // settings file in use; empty before the first load

private:
    const AppPaths& paths_;
    StartupLog& log_;
    Settings& settings_;
    ConfigTargets noTargets_;
    ConfigTargets* targets_ = &noTargets_;
    std::vector<std::string> runValues_;
    std::map<std::string, RunValueKept> runKept_;  // by key in lower case
};

// True when the path names an existing file (wildcards allowed); otherwise logs
// "a_FindFile(): file <path> not found" as failed.
bool a_FindFile(StartupLog& log, const std::string& path);

}  // namespace zembrol
