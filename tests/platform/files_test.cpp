// Crash-safe replacing and wildcard search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "hang_guard.h"
#include "platform/files.h"
#include "platform/single_instance.h"
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

namespace {
mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}
}  // namespace

// A save keeps who may read the file: a private configuration stays private.
TEST(Files, SavesKeepTheFilesPermissions) {
    TempDir dir;
    for (mode_t mode : {0600, 0640, 0644, 0660}) {
        SCOPED_TRACE(mode);
        dir.Write("cfg.ini", "old");
        ASSERT_EQ(chmod((dir / "cfg.ini").c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomic(dir / "cfg.ini", "new"));
        EXPECT_EQ(ModeOf(dir / "cfg.ini") & 07777, mode);
        dir.Write("from.ini", "copied");
        ASSERT_TRUE(CopyFileAtomic(dir / "from.ini", dir / "cfg.ini"));
        EXPECT_EQ(ModeOf(dir / "cfg.ini") & 07777, mode);
        EXPECT_EQ(dir.Read("cfg.ini"), "copied");
    }
    ASSERT_TRUE(WriteFileAtomic(dir / "new.ini", "x"));
    EXPECT_EQ(ModeOf(dir / "new.ini") & 07777, NewFileMode());
}

// A file made anew takes the place of whatever was at its path: a link's target is
// neither truncated nor made, a FIFO does not hold the caller, a folder stays.
TEST(Files, CreatingReplacesLinksAndSpecialFilesWithoutWritingThrough) {
    zembrol::testing::HangGuard guard;
    TempDir dir;
    dir.Write("elsewhere/precious.txt", "precious");
    dir.Write("data/old.log", "last run");
    ASSERT_EQ(chmod((dir / "data/old.log").c_str(), 0640), 0);
    ASSERT_EQ(symlink((dir / "elsewhere/precious.txt").c_str(), (dir / "data/link.log").c_str()), 0);
    ASSERT_EQ(symlink((dir / "elsewhere/made.txt").c_str(), (dir / "data/dangling.log").c_str()), 0);
    ASSERT_EQ(mkfifo((dir / "data/fifo.log").c_str(), 0600), 0);
    std::filesystem::create_directories(dir / "data/folder.log");
    struct Case { const char* name; bool made; mode_t mode; };
    for (const Case& c : {Case{"old.log", true, 0640}, Case{"link.log", true, NewFileMode()},
                          Case{"dangling.log", true, NewFileMode()}, Case{"fifo.log", true, NewFileMode()},
                          Case{"new.log", true, NewFileMode()}, Case{"folder.log", false, 0}}) {
        SCOPED_TRACE(c.name);
        std::string error;
        const int fd = CreateFileReplacing(dir / (std::string("data/") + c.name), &error);
        EXPECT_EQ(fd >= 0, c.made) << error;
        if (fd < 0) continue;
        ASSERT_EQ(write(fd, "log", 3), 3);
        close(fd);
        EXPECT_TRUE(S_ISREG(ModeOf(dir / (std::string("data/") + c.name))));
        EXPECT_EQ(ModeOf(dir / (std::string("data/") + c.name)) & 07777, c.mode);
        EXPECT_EQ(dir.Read(std::string("data/") + c.name), "log");
    }
    EXPECT_EQ(dir.Read("elsewhere/precious.txt"), "precious");
    EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere/made.txt"));
    EXPECT_TRUE(IsDirectory(dir / "data/folder.log"));
    EXPECT_EQ(FindFiles(dir / "data/*.tmp-*").size(), 0u);
}

// The machine name goes into the log's and the configurations' file names.
TEST(Files, MachineNamesAreSafeInFileNames) {
    struct Case { std::string name, safe; };
    const Case cases[] = {
        // Plain host names keep their names, so their files are found as before.
        {"player-pc", "player-pc"}, {"Box_2.local", "Box_2.local"}, {"a.b-c_d", "a.b-c_d"},
        // Nothing leads out of the data folder.
        {"../../etc/x", "______etc_x"}, {"a/b", "a_b"}, {"..", "__"}, {".", "_"}, {"...", "___"},
        {"a..b", "a__b"}, {"host.", "host."}, {".hidden", "_hidden"},
        // Other characters: one '_' each, a UTF-8 letter counted once.
        {"my pc", "my_pc"}, {"Мой-ПК", "___-__"}, {"tab\there", "tab_here"}, {std::string("x\xff\xfey"), "x__y"},
        {std::string("a\0b", 3), "a_b"}, {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(SafeFileNamePart(c.name), c.safe) << c.name;
    const std::string machine = MachineName();
    EXPECT_FALSE(machine.empty());
    EXPECT_EQ(SafeFileNamePart(machine), machine);
}

TEST(Files, OnlyTheOldestOfTheMatchingFilesAreRemoved) {
    TempDir dir;
    const std::vector<std::string> games = {"game-3.zrp", "game-1.zrp", "game-4.zrp", "game-2.zrp"};
    for (size_t k = 0; k < games.size(); ++k) {
        dir.Write(games[k], "x");
        // Modification times in the order of the numbers, not of the names' creation.
        const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(1000000 + (games[k][5] - '0')), 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, (dir / games[k]).c_str(), times, 0), 0);
    }
    for (const char* other : {"last.zrp", "record-1.zrp", "mine.zrp", "game-notes.txt"}) dir.Write(other, "x");
    EXPECT_TRUE(RemoveOldestFiles(dir.Path(), "game-*.zrp", 4).empty());
    EXPECT_EQ(RemoveOldestFiles(dir.Path(), "game-*.zrp", 2), (std::vector<std::string>{"game-1.zrp", "game-2.zrp"}));
    auto left = FindFiles(dir / "*");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"game-3.zrp", "game-4.zrp", "game-notes.txt", "last.zrp", "mine.zrp",
                                               "record-1.zrp"}));
    EXPECT_EQ(RemoveOldestFiles(dir.Path(), "game-*.zrp", 0), (std::vector<std::string>{"game-3.zrp", "game-4.zrp"}));
}

// The single-instance lock is a regular file of the data folder: a link or a FIFO at
// its place is not followed or waited on.
TEST(InstanceLock, OnlyARegularFileIsTheLock) {
    zembrol::testing::HangGuard guard;
    TempDir dir;
    dir.Write("data/x", "");
    ASSERT_EQ(symlink((dir / "elsewhere.lock").c_str(), (dir / "data/link.lock").c_str()), 0);
    ASSERT_EQ(mkfifo((dir / "data/fifo.lock").c_str(), 0600), 0);
    struct Case { const char* name; InstanceLock::Result result; };
    for (const Case& c : {Case{"link.lock", InstanceLock::Result::Unavailable},
                          Case{"fifo.lock", InstanceLock::Result::Unavailable},
                          Case{"zembrol.lock", InstanceLock::Result::Acquired}}) {
        InstanceLock lock;
        EXPECT_EQ(lock.Acquire(dir / (std::string("data/") + c.name)), c.result) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere.lock"));
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
