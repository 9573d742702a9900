// Crash-safe replacing and wildcard search.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"
#include "temp_dir.h"

using namespace zembrol::platform;
using zembrol::testing::TempDir;

TEST(Files, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
    TempDir dir;
    dir.Write("records.zmb", "old");
    ASSERT_TRUE(WriteFileAtomic(dir / "records.zmb", "new"));
    EXPECT_EQ(dir.Read("records.zmb"), "new");
    EXPECT_EQ(FindFiles(dir / "*").size(), 1u);
}

TEST(Files, FailedReplaceKeepsWhatWasThereAndCleansUp) {
    // The final rename cannot put a file over a folder: the write fails late,
    // after the data went to the temporary file.
    TempDir dir;
    dir.Write("set/cfg.ini/keep", "old");
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(dir / "set/cfg.ini", "new", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(dir.Read("set/cfg.ini/keep"), "old");
    EXPECT_EQ(FindFiles(dir / "set/*").size(), 0u);  // no temporary file left behind
}

TEST(Files, WriteIntoAMissingFolderFails) {
    TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(dir / "nope/x.ini", "x", &error));
    EXPECT_FALSE(error.empty());
}

TEST(Files, WildcardSearchIgnoresCaseAndFolders) {
    TempDir dir;
    dir.Write("lang/russian.ini", "");
    dir.Write("lang/English.INI", "");
    dir.Write("lang/my language.ini", "");
    dir.Write("lang/readme.txt", "");
    dir.Write("lang/sub.ini/x", "");  // a folder, not a language file
    auto found = FindFiles(dir / "lang/*.ini");
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"English.INI", "my language.ini", "russian.ini"}));
    EXPECT_EQ(FindFiles(dir / "lang/russian.ini"), std::vector<std::string>{"russian.ini"});
    EXPECT_TRUE(FindFiles(dir / "lang/RUSSIAN.ini").empty());  // exact names are exact
    EXPECT_TRUE(FindFiles(dir / "missing/*.ini").empty());
}
