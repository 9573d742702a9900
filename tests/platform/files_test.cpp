// Crash-safe replacing and wildcard search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(Files, StaleTemporaryFilesOfCutSavesAreRemovedAndNothingElse) {
    TempDir dir;
    for (const char* name : {"vm1.ini.tmp-a1B2c3", "DF_slow_zemb.txt.tmp-XXXXXX", "keep.tmp-abc", "keep.tmp-abcdefg",
                             "notes.txt", "DF_slow_zemb.txt", ".tmp-abcdef", "x.tmp-ab.def"})
        dir.Write(name, "x");
    std::filesystem::create_directories(dir / "folder.tmp-abcdef");
    std::vector<std::string> removed = RemoveStaleTempFiles(dir.Path());
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed, (std::vector<std::string>{"DF_slow_zemb.txt.tmp-XXXXXX", "vm1.ini.tmp-a1B2c3"}));
    std::vector<std::string> left = FindFiles(dir / "*");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"DF_slow_zemb.txt", "keep.tmp-abc", "keep.tmp-abcdefg", "notes.txt",
                                               "x.tmp-ab.def"}));
    EXPECT_TRUE(RemoveStaleTempFiles(dir / "missing").empty());
}

TEST(Files, RelativePathsBecomeAbsolute) {
    const std::string cwd = std::filesystem::current_path().string();
    struct Case { std::string in, out; };
    for (const Case& c : {Case{"/abs/x/", "/abs/x"}, Case{"/a/./b/../c", "/a/c"}, Case{"rel", cwd + "/rel"},
                          Case{"./rel/../other/", cwd + "/other"}, Case{"/", "/"}})
        EXPECT_EQ(AbsolutePath(c.in), c.out) << c.in;
}

TEST(Files, AFolderIsNoFileToRead) {
    TempDir dir;
    EXPECT_FALSE(ReadFile(dir.Path()).has_value());
    EXPECT_EQ(errno, EISDIR);
    dir.Write("f", "");
    EXPECT_EQ(ReadFile(dir / "f"), std::string());
}

// Only a file that is not there reads as missing: whatever exists but cannot be read
// must never be taken for an empty table and saved over.
TEST(Files, ReadTellsMissingFromUnreadable) {
    TempDir dir;
    dir.Write("table.txt", "Anna\r\n100\r\n");
    dir.Write("big.txt", std::string(100, 'x'));
    dir.Write("folder/x", "");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);   // opened without waiting for a writer
    struct Case {
        std::string path;
        size_t limit;
        ReadStatus status;
    } cases[] = {
        {dir / "table.txt", kTextFileLimit, ReadStatus::Ok},
        {dir / "none.txt", kTextFileLimit, ReadStatus::Missing},
        {dir / "no-folder/none.txt", kTextFileLimit, ReadStatus::Missing},
        {dir / "folder", kTextFileLimit, ReadStatus::Unreadable},
        {dir / "fifo", kTextFileLimit, ReadStatus::Unreadable},
        {"/dev/zero", kTextFileLimit, ReadStatus::Unreadable},
        {dir / "big.txt", 99, ReadStatus::Unreadable},
        {dir / "big.txt", 100, ReadStatus::Ok},
    };
    for (const Case& c : cases) {
        const FileRead r = ReadFileChecked(c.path, c.limit);
        EXPECT_EQ(r.status, c.status) << c.path;
        EXPECT_EQ(r.error.empty(), c.status == ReadStatus::Ok) << c.path;
        EXPECT_EQ(ReadFile(c.path, c.limit).has_value(), c.status == ReadStatus::Ok) << c.path;
    }
    EXPECT_EQ(ReadFileChecked(dir / "table.txt").bytes, "Anna\r\n100\r\n");
}

TEST(Files, AFileOfAnotherUserIsUnreadableNotMissing) {
    TempDir dir;
    dir.Write("DF_slow_zemb.txt", "Anna\r\n100\r\n");
    ASSERT_EQ(chmod((dir / "DF_slow_zemb.txt").c_str(), 0600), 0);
    chmod(dir.Path().c_str(), 0755);
    // Root reads every file: the check runs in a child that gives up root first.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        const FileRead r = ReadFileChecked(dir / "DF_slow_zemb.txt");
        _exit(r.status == ReadStatus::Unreadable ? 0 : r.status == ReadStatus::Ok ? 1 : 2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: read anyway, 2: taken for missing, 3: could not drop root";
}
