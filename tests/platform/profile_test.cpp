// Private-profile files: lookups as the settings and language files expect them,
// and edits that keep everything else in the file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "platform/profile.h"
#include "temp_dir.h"

using namespace zembrol::platform;
using zembrol::testing::TempDir;

TEST(Profile, LookupRules) {
    const std::string text =
        "; a comment=not a key\r\n"
        "[Main]\r\n"
        "  bCW  =   True  \r\n"
        "quoted=\"  spaced  \"\r\n"
        "empty=\r\n"
        "fcаncеl=Отмена\r\n"
        "fcancel=latin\r\n"
        "[second]\n"
        "bCW=False\n"
        "[main]\n"
        "late=ignored, only the first section of a name is read\n";
    ProfileDocument doc(text);
    struct Case { const char* section; const char* key; const char* want; };
    const Case cases[] = {
        {"MAIN", "bcw", "True"},          // names compare without case, values lose blanks
        {" main ", "BCW", "True"},
        {"Main", "quoted", "  spaced  "}, // matching quotes are removed, what they hold is kept
        {"Main", "empty", ""},
        {"Main", "missing", "..."},       // the default
        {"nosuch", "bCW", "..."},
        {"second", "bCW", "False"},
        {"Main", "fcаncеl", "Отмена"},   // Cyrillic а and е found as written
        {"Main", "fcancel", "latin"},     // the Latin spelling is another key
        {"Main", "late", "..."},
        {"Main", "; a comment", "..."},
    };
    for (const Case& c : cases) EXPECT_EQ(doc.Get(c.section, c.key, "..."), c.want) << c.section << "/" << c.key;
}

TEST(Profile, ValuesAreCutTo254CharactersNeverInsideALetter) {
    std::string longRu;
    for (int i = 0; i < 300; ++i) longRu += "ж";  // two bytes each
    ProfileDocument doc("[s]\nk=" + longRu + "\n");
    std::string got = doc.Get("s", "k", "...");
    EXPECT_EQ(got.size(), 254u * 2);
    EXPECT_EQ(got, longRu.substr(0, 508));
}

TEST(Profile, SetKeepsTheRestOfTheFile) {
    ProfileDocument doc("; settings\n[A]\nx=1\n\n[B]\ny=2\n");
    doc.Set("a", "X", "10");        // replaced in place, whatever the case of the names
    doc.Set("A", "z", "3");         // appended to its section, before the blank separator
    doc.Set("C", "w", "4");         // a new section at the end
    EXPECT_EQ(doc.Text(), "; settings\n[A]\nX=10\nz=3\n\n[B]\ny=2\n\n[C]\nw=4\n");
}

TEST(Profile, FilesInWindows1251AreRead) {
    TempDir dir;
    dir.Write("ru.ini", "[fMain]\ncPause=\xcf\xe0\xf3\xe7\xe0\n");  // "Пауза" in Windows-1251
    EXPECT_EQ(GetPrivateProfileString("fMain", "cPause", "...", dir / "ru.ini"), "Пауза");
    EXPECT_EQ(GetPrivateProfileString("fMain", "cPause", "...", dir / "missing.ini"), "...");
}

TEST(Profile, LookupsSeeEveryEditOfTheFile) {
    // Lookups keep the parsed file; whatever happens to the file is seen at the next one.
    TempDir dir;
    const std::string path = dir / "lang.ini";
    auto value = [&] { return GetPrivateProfileString("fMain", "cPause", "...", path); };
    auto settle = [&] {  // the file's time ten seconds back, as for a file nobody touches
        timespec times[2];
        clock_gettime(CLOCK_REALTIME, &times[0]);
        times[0].tv_sec -= 10;
        times[1] = times[0];
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    };
    dir.Write("lang.ini", "[fMain]\ncPause=Pause\n");
    EXPECT_EQ(value(), "Pause");
    dir.Write("lang.ini", "[fMain]\ncPause=Pawse\n");   // same size, at once
    EXPECT_EQ(value(), "Pawse");
    settle();
    EXPECT_EQ(value(), "Pawse");
    EXPECT_EQ(value(), "Pawse");
    dir.Write("lang.ini", "[fMain]\ncPause=Paws!\n");   // same size, a while later
    EXPECT_EQ(value(), "Paws!");
    settle();
    EXPECT_EQ(value(), "Paws!");
    ASSERT_EQ(std::remove(path.c_str()), 0);
    EXPECT_EQ(value(), "...");
}

TEST(Profile, EveryKindOfLineEndReads) {
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        const std::string e = eol;
        ProfileDocument doc("[MAIN]" + e + "left=15" + e + "[GRAPH]" + e + "gr_arTex0=/x/bkg.bmp" + e);
        EXPECT_EQ(doc.Get("MAIN", "left", "..."), "15") << "line end " << int(eol[0]) << int(eol[1]);
        EXPECT_EQ(doc.Get("GRAPH", "gr_arTex0", "..."), "/x/bkg.bmp");
    }
    EXPECT_EQ(ProfileDocument("\xEF\xBB\xBF[A]\nk=v\n").Get("A", "k", "..."), "v") << "a byte-order mark";
    // Two marks (found by the fuzz target): the section is found at once, so a value
    // set in it is not written into a second section of the same name.
    ProfileDocument twice("\xEF\xBB\xBF\xEF\xBB\xBF[MAIN]\nk=v\n");
    twice.Set("MAIN", "name", "Ann");
    EXPECT_EQ(twice.Text(), "[MAIN]\nk=v\nname=Ann\n");
}

// A settings file with one line that is not UTF-8 keeps every other text through a
// load and a save: the paths with Cyrillic folders stay as they were.
TEST(Profile, AStrayByteGarblesNoOtherLineOnSave) {
    TempDir dir;
    dir.Write("vm1.ini", "[MAIN]\nname=Иван\nbad=\xff\xfe\n[GRAPH]\ngr_arTex0=/home/Пётр/фон.bmp\n");
    ProfileFile file(dir / "vm1.ini");
    file.Set("MAIN", "left", "30");
    ASSERT_TRUE(file.Save());
    ProfileFile again(dir / "vm1.ini");
    EXPECT_EQ(again.Get("MAIN", "name", "..."), "Иван");
    EXPECT_EQ(again.Get("GRAPH", "gr_arTex0", "..."), "/home/Пётр/фон.bmp");
    EXPECT_EQ(again.Get("MAIN", "bad", "..."), "яю");
    EXPECT_EQ(again.Get("MAIN", "left", "..."), "30");
}

// What is set is what a later read gives back, whatever the text holds.
TEST(Profile, SetValuesReadBackAsTheyWere) {
    struct Case { std::string value, read; };
    for (const Case& c : {Case{"plain", "plain"},
                          Case{"\"quoted\"", "\"quoted\""},
                          Case{"'single'", "'single'"},
                          Case{"  spaced ", "  spaced "},
                          Case{"\"", "\""},
                          Case{"a\nb\r[X]\nk=v", "a b [X] k=v"},
                          Case{"", ""}}) {
        ProfileDocument doc("[A]\nk=old\n[B]\nk=b\n");
        doc.Set("A", "k", c.value);
        const ProfileDocument again(doc.Text());
        EXPECT_EQ(again.Get("A", "k", "..."), c.read) << c.value;
        EXPECT_EQ(again.Get("B", "k", "..."), "b") << c.value;
        EXPECT_EQ(again.Get("X", "k", "..."), "...") << "a line end in a value made a section";
    }
}

TEST(Profile, BinaryJunkNeverBreaksALookup) {
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
    TempDir dir;
    dir.Write("junk.ini", junk + std::string("\n[ok]\nk=v\0tail\n", 15) + std::string(100000, 'x'));
    EXPECT_EQ(GetPrivateProfileString("ok", "k", "...", dir / "junk.ini"), "v");
    EXPECT_EQ(GetPrivateProfileString("ok", "none", "...", dir / "junk.ini"), "...");
}

TEST(Profile, WriteCreatesAndUpdatesTheFile) {
    TempDir dir;
    ASSERT_TRUE(WritePrivateProfileString("config", "ini_config", "2", dir / "cfg.ini"));
    ASSERT_TRUE(WritePrivateProfileString("config", "ini_config", "3", dir / "cfg.ini"));
    EXPECT_EQ(dir.Read("cfg.ini"), "[config]\nini_config=3\n");
    EXPECT_FALSE(WritePrivateProfileString("config", "k", "v", dir / "no/such/folder/cfg.ini"));
}
