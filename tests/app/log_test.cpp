// The start-up log: file layout, record shapes per kind, the counter and the
// loading window's progress bar.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/log.h"
#include "hang_guard.h"
#include "log_fixture.h"
#include "platform/message_box.h"

using namespace zembrol;
using zembrol::testing::LogFixture;

TEST(StartupLog, FileLayoutAndRecordShapes) {
    LogFixture f;
    f.log.f_Log("g_Exit()", kLogEnter, true);
    f.log.f_Log("InitGlobals()", kLogEnter, true);
    f.log.f_Log("d_InitD3D()", kLogEnter, true);
    f.log.f_Log("Загрузка текстуры tex1.bmp", kLogPlain, false);
    f.log.f_Log("kind seven", 7, true);
    f.log.f_Log("d_InitD3D()", kLogLeave, true);
    f.log.f_Log("InitGlobals()", kLogLeave, true);
    f.log.f_Log("g_Exit()", kLogLeave, true);
    f.log.f_Log("unbalanced", kLogLeave, false);
    f.log.f_CloseLog();
    const std::vector<std::string> want = {
        "01.02.2026   12:00:00    Start",
        "*** *** *** *** *** *** *** *** ***",
        "1 12:00:00  f_OpenLog()",
        "2 12:00:00  ...>> g_Exit()",
        "3 12:00:00  ......>> InitGlobals()",
        "4 12:00:00  .........>> d_InitD3D()",
        "5 12:00:00  .........Загрузка текстуры tex1.bmp --- FAILED !!!",
        "6 12:00:00  kind seven",
        "7 12:00:00  ......<< d_InitD3D()",
        "8 12:00:00  ...<< InitGlobals()",
        "9 12:00:00  << g_Exit()",
        "10 12:00:00  << unbalanced --- FAILED !!!",  // a leave at no indentation keeps it empty
        "11 12:00:00  f_CloseLog()",
        "*** *** *** *** *** *** *** *** ***",
        "01.02.2026   12:00:00    End",
    };
    EXPECT_EQ(f.Lines(), want);
}

TEST(StartupLog, RecordsOutsideAnOpenFileFailButCount) {
    StartupLog log(zembrol::testing::FixedClock());
    EXPECT_FALSE(log.f_Log("early", kLogPlain, true));
    EXPECT_EQ(log.Counter(), 1);
    zembrol::testing::TempDir dir;
    ASSERT_TRUE(log.f_OpenLog(dir / "x.log"));
    EXPECT_NE(dir.Read("x.log").find("2 12:00:00  f_OpenLog()"), std::string::npos);
    log.f_CloseLog();
    EXPECT_FALSE(log.f_Log("late", kLogPlain, true));
}

TEST(StartupLog, ProgressBarFollowsTheCounterUpTo35DuringStartUp) {
    LogFixture f;
    std::vector<int> values;
    f.log.SetProgressSink([&](int value, int maximum) {
        EXPECT_EQ(maximum, 35);
        values.push_back(value);
    });
    for (int i = 0; i < 40; ++i) f.log.f_Log("step", kLogPlain, true);  // records 2..41
    ASSERT_EQ(values.size(), 34u);
    EXPECT_EQ(values.front(), 2);
    EXPECT_EQ(values.back(), 35);
    f.log.SetInitializationComplete(true);
    values.clear();
    zembrol::testing::TempDir dir;
    StartupLog fresh(zembrol::testing::FixedClock());
    fresh.SetProgressSink([&](int value, int) { values.push_back(value); });
    fresh.SetInitializationComplete(true);
    fresh.f_OpenLog(dir / "y.log");
    EXPECT_TRUE(values.empty());
}

TEST(StartupLog, OpenFailureShowsTheCriticalBox) {
    zembrol::platform::SetBoxPolicy(zembrol::platform::BoxPolicy::Scripted);
    StartupLog log(zembrol::testing::FixedClock());
    EXPECT_FALSE(log.f_OpenLog("/nonexistent-folder/Load_x.log"));
    ASSERT_FALSE(zembrol::platform::AskedBoxes().empty());
    EXPECT_EQ(zembrol::platform::AskedBoxes().back().text, "Не удалось открыть log-файл");
    EXPECT_EQ(zembrol::platform::AskedBoxes().back().icon, zembrol::platform::BoxIcon::Critical);
}

// The log is written where the game's data lies, so whatever stands at its path (a
// link planted to somewhere else, a FIFO) is replaced by a fresh log, never written
// through: the link's target keeps its content and a missing one is not made.
TEST(StartupLog, ALinkOrFifoAtTheLogsPlaceIsReplacedNotFollowed) {
    zembrol::testing::HangGuard guard;
    zembrol::testing::TempDir dir;
    dir.Write("home/.profile", "precious");
    ASSERT_EQ(symlink((dir / "home/.profile").c_str(), (dir / "Load_a.log").c_str()), 0);
    ASSERT_EQ(symlink((dir / "home/made").c_str(), (dir / "Load_b.log").c_str()), 0);
    ASSERT_EQ(mkfifo((dir / "Load_c.log").c_str(), 0600), 0);
    for (const char* name : {"Load_a.log", "Load_b.log", "Load_c.log"}) {
        SCOPED_TRACE(name);
        StartupLog log(zembrol::testing::FixedClock());
        ASSERT_TRUE(log.f_OpenLog(dir / name));
        log.f_CloseLog();
        struct stat st {};
        ASSERT_EQ(lstat((dir / name).c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_NE(dir.Read(name).find("f_CloseLog()"), std::string::npos);
    }
    EXPECT_EQ(dir.Read("home/.profile"), "precious");
    EXPECT_FALSE(std::filesystem::exists(dir / "home/made"));
}
