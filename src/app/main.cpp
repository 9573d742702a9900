// Entry point of the game executable.
#include <cstdio>

#include "app/app.h"

int main(int argc, char** argv) {
    zembrol::CommandLine options;
    std::string error;
    if (!zembrol::ParseCommandLine(argc, argv, &options, &error)) {
        std::fprintf(stderr, "zembrol: %s\n%s", error.c_str(), zembrol::UsageText().c_str());
        return 2;
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
