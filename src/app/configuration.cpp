// Configuration files: the active number, the per-machine settings files and the
// walk that loads and applies, or saves, every key.
#include "app/configuration.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>


#include "app/log.h"
#include "app/setting_keys.h"
#include "game/number_text.h"
#include "loop/key_repeat.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace zembrol {

namespace {
const char* const kNoValue = "...";
}

bool a_FindFile(StartupLog& log, const std::string& path) {
    std::string error;
    if (!platform::FindFiles(path, &error).empty()) return true;
    if (!error.empty())
        log.f_Log("a_FindFile() error - " + error, kLogPlain, false);
    else
        log.f_Log("a_FindFile(): file " + path + " not found", kLogPlain, false);
    return false;
}

Configuration::Configuration(const AppPaths& paths, StartupLog& log, Settings& settings)
    : paths_(paths), log_(log), settings_(settings) {}

std::string Configuration::ini_ConfigPathFor(const std::string& number) const {
    return paths_.Data("set/" + paths_.machine + number + ".ini");
}

std::string Configuration::ini_LoadSaveCfg(const std::string& section, const std::string& key, bool load,
                                           const std::string& value) {
    const std::string path = paths_.Data("set/cfg.ini");
    if (load) return platform::GetPrivateProfileString(section, key, kNoValue, path);
    platform::ProfileFile file(path);
    file.Set(section, key, value);
    std::string error;
    if (!file.Save(&error))
        log_.f_Log("ini_LoadSaveCfg(), err.desc - " + error + " [" + section + "][" + key + "]", kLogPlain, false);
    return kNoValue;
}

bool Configuration::ini_LoadSaveParam(platform::ProfileFile& file, const std::string& section, const std::string& key,
                                      SettingRef ref, bool load) {
    if (!load) {
        file.Set(section, key, SettingText(ref));
        return true;
    }
    const std::string raw = file.Get(section, key, kNoValue);
    std::string problem;
    if (AssignSetting(raw, ref, &problem)) return true;
    // A missing key is the ordinary case of an older file; a value that is there but
    // cannot be read was damaged or edited by hand, and the log says which one.
    if (raw != kNoValue)
        log_.f_Log("ini_LoadSaveParam() - [" + section + "][" + key + "] " + problem + "; kept " + SettingText(ref),
                   kLogPlain, false);
    return false;
}

namespace {

// Loads or saves every key through the configuration's own procedures and applies
// loaded values at the walk's steps.
class MainIniWalk : public SettingVisitor {
public:
    MainIniWalk(Configuration& config, StartupLog& log, platform::ProfileFile& file, Settings& settings,
                ConfigTargets& targets, const AppPaths& paths, const std::vector<std::string>& runValues, bool load)
        : config_(config), log_(log), file_(file), s_(settings), t_(targets), paths_(paths), runValues_(runValues),
          load_(load) {}

    bool Section(const char* section) override {
        // The music keys belong to the sound slots: without them the section is skipped.
        return std::string(section) != "MUSIC" || t_.SoundSlotsExist();
    }

    void Key(const char* section, const std::string& key, SettingRef ref) override {
        if (!load_) {
            // A series is stored as type 4; the game of the series that is running
            // keeps its own type, under which its score is booked.
            const bool series = key == "gt_CurGameType" && s_.game.g_Trial;
            const Configuration::RunValueKept* kept = config_.KeptRunValue(key);
            if (kept && (series ? "4" : SettingText(ref)) == kept->runText) file_.Set(section, key, kept->fileText);
            else if (series) file_.Set(section, key, "4");
            else config_.ini_LoadSaveParam(file_, section, key, ref, false);
            return;
        }
        config_.ini_LoadSaveParam(file_, section, key, ref, true);
        for (const std::string& value : runValues_) {
            const size_t eq = value.find('=');
            if (strcasecmp(value.substr(0, eq).c_str(), key.c_str()) != 0) continue;
            std::string fileText = SettingText(ref);
            AssignSetting(value.substr(eq + 1), ref);
            config_.KeepRunValue(key, {std::move(fileText), SettingText(ref)});
        }
        if (key == "gt_CurGameType") KeepSeriesGameType();
    }

    void Step(SettingStep step, int index) override {
        using St = SettingStep;
        switch (step) {
            case St::None: break;
            case St::WindowEdgesBefore:
                if (!load_) t_.GetWindowEdges(&s_.left, &s_.top);
                break;
            case St::WindowEdgesAfter:
                if (load_) {
                    // An edge above or left of the screen is raised to 0.
                    if (s_.left < 0) s_.left = 0;
                    if (s_.top < 0) s_.top = 0;
                    t_.SetWindowEdges(s_.left, s_.top);
                }
                break;
            case St::GameTypeBefore:
                typeBefore_ = s_.game.gt_CurGameType;
                if (load_ && s_.game.g_Trial) s_.game.gt_CurGameType = 4;
                break;
            case St::WorldSpeedAfter:
                if (load_) t_.WorldSpeedChanged();
                break;
            case St::SeqCountBefore:
                if (!load_) s_.mSeq_Count = s_.game.UserSeq.GetCount();
                break;
            case St::SpeedAfter: s_.game.g_TickMs = TickMsForSpeed(s_.game.g_Speed, s_.game.g_TickMs); break;
            case St::UserSequence: UserSequence(); break;
            case St::MusicPathAfter:
                if (load_) DefaultPath(&s_.PathToBkgMusic, "music/BkgMusic.wav");
                break;
            case St::EnableLoopAfter:
                if (load_) t_.MusicLoaded();
                if (!s_.EnableLoop) t_.StopMusic();
                break;
            case St::MusicVolumeBefore:
                if (!load_ && !t_.MusicVolume(&s_.DirectSound_Vol)) s_.DirectSound_Vol = 0;
                break;
            case St::MusicVolumeAfter:
                if (load_) t_.MusicVolumeLoaded();
                break;
            case St::FreqAfter:
                if (load_) t_.MusicFreqLoaded();
                break;
            case St::SlotBefore:
                if (!load_) t_.SlotSaving(index);
                break;
            case St::SlotPathAfter:
                if (load_)
                    DefaultPath(&s_.slots[static_cast<size_t>(index)].Path,
                                std::string("music/") + kSlotDefaultNames[static_cast<size_t>(index)] + ".wav");
                break;
            case St::SlotAfter:
                if (load_) t_.SlotLoaded(index);
                break;
            case St::SkinAfter:
                if (load_) t_.SkinLoaded();
                break;
            case St::ControlsColorAfter:
                if (load_) t_.ControlsColorLoaded();
                break;
            case St::MoveBkgAfter:
                if (load_) t_.DeformTypeLoaded();
                break;
            case St::TextureAfter:
                if (load_) {
                    DefaultPath(&s_.gr_arTex[static_cast<size_t>(index)], "textures/" + DefaultTextureName(index));
                    t_.TexturePathLoaded(index);
                }
                break;
            case St::ValueDelayAfter:
                if (load_) t_.DeformSpeedLoaded();
                break;
            case St::GraphAfter:
                if (load_) t_.GraphicsLoaded();
                break;
            case St::DesktopBefore:
                if (!load_) t_.GetWindowMode(&s_.bFullScreen, &s_.iWindowWidth, &s_.iWindowHeight);
                break;
            case St::DesktopAfter:
                if (load_) t_.WindowModeLoaded();
                break;
            case St::KeysAfter:
                if (load_) CheckKeys();
                break;
        }
    }

private:
    // A hand-edited key table that leaves an action without a usable key of its own
    // would make that action unreachable: the whole original table comes back. A
    // repeat out of the Keys tab's range takes its default.
    void CheckKeys() {
        GameSettings& g = s_.game;
        std::string why;
        if (!UsableTable(g.keys, &why)) {
            log_.f_Log("ini_MainIni() - [KEYS] " + why + "; the original keys are used", kLogPlain, false);
            g.keys.RestoreDefaults();
        }
        const GameSettings defaults;
        if (g.iRepeatDelay < 0 || g.iRepeatDelay > kRepeatDelayMax) {
            log_.f_Log("ini_MainIni() - [KEYS] iRepeatDelay " + std::to_string(g.iRepeatDelay) + " is out of range; using " +
                           std::to_string(defaults.iRepeatDelay), kLogPlain, false);
            g.iRepeatDelay = defaults.iRepeatDelay;
        }
        if (g.iRepeatRate < 0 || g.iRepeatRate > kRepeatRateMax) {
            log_.f_Log("ini_MainIni() - [KEYS] iRepeatRate " + std::to_string(g.iRepeatRate) + " is out of range; using " +
                           std::to_string(defaults.iRepeatRate), kLogPlain, false);
            g.iRepeatRate = defaults.iRepeatRate;
        }
    }

    // A path value shorter than 3 characters names the shipped default file.
    void DefaultPath(std::string* value, const std::string& dataRelative) {
        if (platform::Utf8Length(*value) < 3) *value = paths_.Shipped(dataRelative);
    }

    void UserSequence() {
        clsSeq& seq = s_.game.UserSeq;
        if (load_) {
            // The stored sequence replaces the one in memory (loading twice must not
            // append it twice).
            seq.seq_Clear();
        }
        if (load_) s_.mSeq_Count = static_cast<uint8_t>(StoredItemCount());
        uint8_t item = 0;
        for (int i = 1; i <= s_.mSeq_Count; ++i) {
            if (load_) {
                // A missing item repeats the previous one (0 for the first).
                config_.ini_LoadSaveParam(file_, "MAIN", "u" + std::to_string(i), &item, true);
                seq.PutItem(item);
            } else {
                item = seq.GetValueItem(static_cast<uint8_t>(i));
                config_.ini_LoadSaveParam(file_, "MAIN", "u" + std::to_string(i), &item, false);
            }
        }
    }

    // A series game running (the variant set, a type 1..3 in memory) keeps its type when
    // the file says "a series" (4): its score is booked under that type at its end.
    void KeepSeriesGameType() {
        GameSettings& g = s_.game;
        if (g.g_Trial && g.gt_CurGameType == 4 && typeBefore_ >= 1 && typeBefore_ <= 3) g.gt_CurGameType = typeBefore_;
    }

    // How many items to read: mSeq_Count when it is a count the list can hold; otherwise
    // the items that are stored (u1, u2, ... in a row), so a damaged count loses none.
    int StoredItemCount() {
        const std::string raw = file_.Get("MAIN", "mSeq_Count", kNoValue);
        if (const NumberRead<int> n = ParseNumberIn(raw, 0, int{clsSeq::kCapacity})) return n.value;
        int present = 0;
        while (present < clsSeq::kCapacity &&
               file_.Get("MAIN", "u" + std::to_string(present + 1), kNoValue) != kNoValue)
            ++present;
        // No count and no items: an older file; the count in memory stands.
        if (raw == kNoValue && present == 0) return std::min<int>(s_.mSeq_Count, clsSeq::kCapacity);
        log_.f_Log("ini_MainIni() - [MAIN][mSeq_Count] \"" + raw + "\" is not a count 0.." +
                       std::to_string(clsSeq::kCapacity) + "; the " + std::to_string(present) + " stored items are kept",
                   kLogPlain, false);
        return present;
    }

    Configuration& config_;
    StartupLog& log_;
    platform::ProfileFile& file_;
    Settings& s_;
    ConfigTargets& t_;
    const AppPaths& paths_;
    const std::vector<std::string>& runValues_;
    bool load_;
    int32_t typeBefore_ = 0;   // gt_CurGameType before the walk reached it
};

}  // namespace

namespace {
std::string LowerKey(std::string key) {
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}
}  // namespace

void Configuration::KeepRunValue(const std::string& key, RunValueKept kept) { runKept_[LowerKey(key)] = std::move(kept); }

const Configuration::RunValueKept* Configuration::KeptRunValue(const std::string& key) const {
    if (runKept_.empty()) return nullptr;
    const auto it = runKept_.find(LowerKey(key));
    return it == runKept_.end() ? nullptr : &it->second;
}

bool Configuration::ini_MainIni(int eLoad) {
    const bool load = eLoad == 1;
    if (currentPath.size() < 3 && load) {
        // First load of the run: the active number from cfg.ini, the machine's file
        // made from the shipped defaults when it does not exist yet.
        std::string number = ini_LoadSaveCfg("config", "ini_config", true);
        const NumberRead<int> k = ParseNumberIn(number, 1, 6);
        ini_config = k ? std::to_string(k.value) : "1";
        if (!k && number != kNoValue)
            log_.f_Log("ini_MainIni() - [config][ini_config] \"" + number + "\" is not a configuration 1..6; using 1",
                       kLogPlain, false);
        currentPath = ini_ConfigPath();
        // Only a file that is not there is made from the defaults: one that is there but
        // is no regular file or cannot be read is the player's, and stays as it is.
        std::error_code ec;
        const bool there = std::filesystem::status(currentPath, ec).type() != std::filesystem::file_type::not_found &&
                           ec.value() != ENOENT;
        if (!there && !a_FindFile(log_, currentPath)) {
            std::string error;
            if (platform::CopyFileAtomic(paths_.Shipped("set/default.ini"), currentPath, &error))
                log_.f_Log("copy default ini-file", kLogPlain, true);
            else
                log_.f_Log("copy default ini-file - " + error, kLogPlain, false);
        }
    } else {
        currentPath = ini_ConfigPath();
    }
    if (!load) ini_LoadSaveCfg("config", "ini_config", false, ini_config);
    targets_->ResetLabelSweeps();

    platform::ProfileFile file(currentPath);
    if (file.Unreadable()) {
        // Loading it as empty would put the built-in values over the player's keys,
        // colours and paths at the next save: the file is left alone instead.
        log_.f_Log("ini_MainIni() - " + currentPath + " exists but cannot be read (" + file.ReadError() +
                       (load ? "); the built-in settings are used" : "); it is not saved over"),
                   kLogPlain, false);
        if (onUnreadable) onUnreadable(currentPath, file.ReadError());
        if (!load) return false;
    }
    MainIniWalk walk(*this, log_, file, settings_, *targets_, paths_, runValues_, load);
    VisitSettingKeys(settings_, walk);
    if (load) return true;
    std::string error;
    if (!file.Save(&error)) {
        log_.f_Log("ini_MainIni(), err.desc - " + error + " [" + currentPath + "]", kLogPlain, false);
        return false;
    }
    return true;
}

}  // namespace zembrol
