// Which folders the game uses: one application folder for a build tree or --root, the
// install prefix's shared data with a per-player folder for an installed game.
#include <gtest/gtest.h>

#include <set>

#include "app/app_paths.h"

using namespace zembrol;

TEST(AppFolders, BuildTreeRootOptionAndInstalledTree) {
    const std::set<std::string> folders = {"/home/a/zembrol/build/data", "/usr/local/share/zembrol/data", "/r/data"};
    auto facts = [&](std::string exe, std::string root, std::string xdg, std::string home) {
        return FolderFacts{std::move(exe), std::move(root), std::move(xdg), std::move(home),
                           [&](const std::string& f) { return folders.count(f) > 0; }};
    };
    struct Case { FolderFacts f; const char* root; const char* shared; bool installed; };
    const Case cases[] = {
        {facts("/home/a/zembrol/build", "", "/x", "/home/a"), "/home/a/zembrol/build", "/home/a/zembrol/build", false},
        {facts("/usr/local/bin", "/r/", "/x", "/home/a"), "/r", "/r", false},
        {facts("/usr/local/bin", "", "/home/a/.data", "/home/a"), "/home/a/.data/zembrol", "/usr/local/share/zembrol", true},
        {facts("/usr/local/bin", "", "", "/home/a"), "/home/a/.local/share/zembrol", "/usr/local/share/zembrol", true},
        // A relative XDG_DATA_HOME is not used.
        {facts("/usr/local/bin", "", "rel", "/home/a"), "/home/a/.local/share/zembrol", "/usr/local/share/zembrol", true},
        // Nothing found: the executable's folder, which then fails to start with its message.
        {facts("/opt/x", "", "", "/home/a"), "/opt/x", "/opt/x", false},
    };
    for (const Case& c : cases) {
        const AppPaths p = ResolveFolders(c.f);
        EXPECT_EQ(p.root, c.root) << c.f.exeFolder << " " << c.f.rootOption << " " << c.f.xdgDataHome;
        EXPECT_EQ(p.shared, c.shared) << c.f.exeFolder;
        EXPECT_EQ(p.installed, c.installed) << c.f.exeFolder;
    }
    const AppPaths installed = cases[2].f.exeFolder.empty() ? AppPaths{} : ResolveFolders(cases[2].f);
    EXPECT_EQ(installed.Data("set/cfg.ini"), "/home/a/.data/zembrol/data/set/cfg.ini");
    EXPECT_EQ(installed.Shipped("textures"), "/usr/local/share/zembrol/data/textures");
}
