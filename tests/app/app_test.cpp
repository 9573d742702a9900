// A whole headless run of the application object: shutdown runs once, the timer
// period is given back, an unusable settings folder is survived and logged.
#include <gtest/gtest.h>

#include "app/app.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::TempDir;

namespace {
int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

struct HeadlessRun {
    TempDir dir;
    std::unique_ptr<App> app;
    HeadlessRun() {
        dir.Write("data/set/default.ini", "[MAIN]\ng_Speed=1\n");
        dir.Write("data/lang/russian.ini", "[fMain]\ncPause=Пауза\n");
        dir.Write("lang.txt", "russian.ini\n");
        CommandLine options;
        options.root = dir.Path() + "/";  // a trailing separator is dropped
        options.headless = true;
        app = std::make_unique<App>(options);
    }
    std::string Log() { return dir.Read("data/Load_" + app->Paths().machine + ".log"); }
};
}  // namespace

TEST(App, ShutdownRunsOnceAndTheTimerPeriodIsGivenBack) {
    HeadlessRun run;
    EXPECT_EQ(run.app->Main(), 0);
    EXPECT_EQ(run.app->Paths().root, run.dir.Path());
    EXPECT_EQ(platform::OpenTimerPeriods(), 0);
    run.app->g_Exit();  // a second call does nothing
    EXPECT_EQ(Count(run.Log(), "g_Exit()"), 2);
    EXPECT_EQ(run.app->GetSettings().game.g_TickMs, 15);
}

TEST(App, UnusableSettingsFolderRunsOnBuiltInValuesAndSaysSo) {
    HeadlessRun run;
    // The settings folder is a file: nothing can be copied or read there.
    std::filesystem::remove_all(run.dir / "data/set");
    run.dir.Write("data/set", "not a folder");
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    EXPECT_EQ(run.app->Main(), 0) << "built-in values serve when no settings file can be made";
    std::string log = run.Log();
    EXPECT_NE(log.find("copy default ini-file - "), std::string::npos);
    EXPECT_NE(log.find("ini_MainIni(), err.desc - "), std::string::npos);  // the save on close
    EXPECT_NE(log.find("    End"), std::string::npos);
}
