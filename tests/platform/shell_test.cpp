// Opening a file with the desktop's handler hands the name over whole, never
// through a shell.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/shell.h"
#include "temp_dir.h"

using zembrol::testing::TempDir;

TEST(Shell, TheNameReachesTheHandlerAsOneArgument) {
    TempDir dir;
    // A stand-in handler that records its arguments, found first on the PATH.
    dir.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"" + (dir / "args") + "\"\n");
    chmod((dir / "bin/xdg-open").c_str(), 0755);
    const std::string oldPath = getenv("PATH");
    setenv("PATH", (dir / "bin").c_str(), 1);
    const std::string name = dir / "help/my file; rm -rf $HOME `x`.txt";
    bool started = zembrol::platform::OpenWithDesktop(name);
    setenv("PATH", oldPath.c_str(), 1);
    ASSERT_TRUE(started);
    for (int i = 0; i < 200 && dir.Read("args").empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(dir.Read("args"), "1|" + name + "|");
}

TEST(Shell, NoHandlerToStartIsReported) {
    TempDir dir;
    std::filesystem::create_directories(dir / "empty");
    // A handler file that cannot be run.
    dir.Write("noexec/xdg-open", "#!/bin/sh\nexit 0\n");
    chmod((dir / "noexec/xdg-open").c_str(), 0644);
    const std::string paths[] = {dir / "empty", dir / "noexec", "/nonexistent"};
    const std::string oldPath = getenv("PATH");
    for (const std::string& path : paths) {
        setenv("PATH", path.c_str(), 1);
        const bool started = zembrol::platform::OpenWithDesktop(dir / "help.txt");
        setenv("PATH", oldPath.c_str(), 1);
        EXPECT_FALSE(started) << "PATH=" << path;
    }
}
