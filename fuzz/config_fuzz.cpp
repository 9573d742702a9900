// The configuration load: any settings file loads through the real configuration
// walk without a crash, and after one load and save the settings are settled: saving
// and loading again changes no value (a file may hold more than the settings keep,
// such as a sequence longer than its capacity, which the first save normalises).
#include <cstdint>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "app/log.h"
#include "app/setting_keys.h"
#include "fuzz_check.h"
#include "fuzz_folder.h"
#include "platform/message_box.h"

using namespace zembrol;

namespace {

class Texts final : public SettingVisitor {
public:
    std::vector<std::string> texts;
    void Key(const char*, const std::string& key, SettingRef ref) override { texts.push_back(key + "=" + SettingText(ref)); }
};

std::vector<std::string> LoadedSettings(const AppPaths& paths, bool saveAfter) {
    StartupLog log;
    Settings settings;
    Configuration config(paths, log, settings);
    config.ini_MainIni(1);
    if (saveAfter) config.ini_MainIni(0);
    Texts t;
    VisitSettingKeys(settings, t);
    return t.texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    const AppPaths paths = FuzzPaths();
    WriteFuzzFile(paths.Data("set/cfg.ini"), "[config]\nini_config=1\n");
    WriteFuzzFile(paths.Data("set/fuzz1.ini"), FuzzBytes(data, size));
    LoadedSettings(paths, true);
    const std::vector<std::string> settled = LoadedSettings(paths, true);
    const std::vector<std::string> again = LoadedSettings(paths, false);
    FUZZ_CHECK(settled.size() == again.size(), "the walk changed its length");
    for (size_t k = 0; k < settled.size(); ++k) FUZZ_CHECK(settled[k] == again[k], settled[k] + " came back as " + again[k]);
    return 0;
}
