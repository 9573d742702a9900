// Entry point of the game executable.
#include <cstdio>

#include "app/app.h"
#include "app/setting_keys.h"

int main(int argc, char** argv) {
    zembrol::CommandLine options;
    std::string error;
    if (!zembrol::ParseCommandLine(argc, argv, &options, &error)) {
        std::fprintf(stderr, "zembrol: %s\n%s", error.c_str(), zembrol::UsageText().c_str());
        return 2;
    }
    // Every --set must name a setting and give it a value of its type.
    zembrol::Settings probe;
    for (const std::string& set : options.sets) {
        zembrol::SettingRef ref;
        const std::string name = set.substr(0, set.find('='));
        std::string problem;
        if (!zembrol::FindSetting(probe, name, &ref)) {
            std::fprintf(stderr, "zembrol: --set %s: no such setting\n", set.c_str());
            return 2;
        }
        if (!zembrol::AssignSetting(set.substr(set.find('=') + 1), ref, &problem)) {
            std::fprintf(stderr, "zembrol: --set %s: %s\n", set.c_str(), problem.c_str());
            return 2;
        }
    }
    if (options.help) {
        std::fputs(zembrol::UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Zembrol %s\n", ZEMBROL_VERSION);
        return 0;
    }
    zembrol::App app(std::move(options));
    return app.Main();
}
