// Files and links handed to the desktop: with no handler on the PATH the player is
// told in a box naming what could not be opened, for the help and for any link; the
// records page address comes from the configuration.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/app.h"
#include "app/messages.h"
#include "app/result_windows.h"
#include "platform/message_box.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::TempDir;

namespace {
// PATH is an empty folder for the life of the object: no desktop handler can be found.
class NoHandlerOnPath {
public:
    NoHandlerOnPath() : old_(std::getenv("PATH")) {
        std::filesystem::create_directories(dir_ / "bin");
        setenv("PATH", (dir_ / "bin").c_str(), 1);
    }
    ~NoHandlerOnPath() { setenv("PATH", old_.c_str(), 1); }

private:
    TempDir dir_;
    std::string old_;
};

size_t BoxesNaming(const std::string& what, size_t from) {
    size_t n = 0;
    const auto& asked = platform::AskedBoxes();
    for (size_t i = from; i < asked.size(); ++i)
        if (asked[i].text == kTextNoDesktopHandler + what) ++n;
    return n;
}
}  // namespace

TEST(DesktopOpen, WithoutAHandlerALinkSaysSoInABox) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    NoHandlerOnPath noHandler;
    const size_t before = platform::AskedBoxes().size();
    EXPECT_FALSE(OpenWithDesktopOrSay("https://zembrol.example.org/records"));
    ASSERT_EQ(BoxesNaming("https://zembrol.example.org/records", before), 1u);
    EXPECT_EQ(platform::AskedBoxes().back().icon, platform::BoxIcon::Exclamation);
}

TEST(DesktopOpen, HelpWithoutAHandlerSaysSoOnce) {
    TempDir dir;
    dir.Write("data/set/default.ini", "[MAIN]\ng_Speed=1\n");
    dir.Write("data/lang/russian.ini", "[fMain]\ncPause=Пауза\n");
    dir.Write("data/help/russian.txt", "help\n");
    dir.Write("data/help/russian.chm", "help\n");
    dir.Write("lang.txt", "russian.ini\n");
    CommandLine options;
    options.root = dir.Path();
    options.headless = true;
    App app(options);
    ASSERT_EQ(app.Main(), 0);
    NoHandlerOnPath noHandler;
    const size_t before = platform::AskedBoxes().size();
    EXPECT_TRUE(app.OnControl("chkHelp"));
    EXPECT_EQ(platform::AskedBoxes().size() - before, 1u) << "one box, not one per help file";
    EXPECT_EQ(BoxesNaming(dir / "data/help/russian.chm", before), 1u);
}

TEST(DesktopOpen, TheRecordsPageComesFromTheConfigurationThenTheDefaults) {
    TempDir dir;
    dir.Write("own.ini", "[MAIN]\nRecordsPage=https://own.example.org/top\n");
    dir.Write("bare.ini", "[MAIN]\nname=Ann\n");
    dir.Write("default.ini", "[MAIN]\nRecordsPage=https://default.example.org/\n");
    const struct {
        std::string current, defaults, want;
    } cases[] = {
        {dir / "own.ini", dir / "default.ini", "https://own.example.org/top"},
        {dir / "bare.ini", dir / "default.ini", "https://default.example.org/"},
        {"", dir / "default.ini", "https://default.example.org/"},  // before the first load
        {dir / "bare.ini", dir / "missing.ini", kDefaultRecordsPage},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordsPageAddress(c.current, c.defaults), c.want) << c.current << " / " << c.defaults;
}
