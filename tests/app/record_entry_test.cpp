// The record entry window (frmEnterName) as a player and a script drive it: OK with a
// blank name asks the Yes / No / Cancel question whose default is Cancel, and only
// Yes keeps the empty name; No and Cancel leave the window open for the name. Esc
// cancels; a run with nobody to answer confirms the offered name or gives up.
#include <gtest/gtest.h>

#include "app/result_windows.h"
#include "platform/message_box.h"

using namespace zembrol;
using platform::BoxAnswer;

namespace {

RecordEntryWindow Window(const std::string& name, bool demo = false) {
    RecordEntryWindow w;
    w.dialog.name = demo ? kComputerName : name;
    w.dialog.demoPlayed = demo;
    w.acceptEmptyName = [] { return AcceptEmptyName("Empt"); };
    return w;
}

struct EntryCase {
    const char* typed;
    std::vector<std::optional<BoxAnswer>> answers;   // to the empty-name question
    bool closed;
    bool askedEmpty;
};

}  // namespace

TEST(RecordEntryWindow, OnlyYesKeepsAnEmptyName) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    const EntryCase cases[] = {
        {"   ", {BoxAnswer::Yes}, true, true},
        {"   ", {BoxAnswer::No}, false, true},
        {"   ", {BoxAnswer::Cancel}, false, true},
        {"", {std::nullopt}, false, true},   // the default button is Cancel
        {" Ann ", {}, true, false},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        for (const auto& a : c.answers) platform::QueueBoxAnswer(a);
        const size_t before = platform::AskedBoxes().size();
        RecordEntryWindow w = Window("Offered");
        ASSERT_TRUE(w.Type(c.typed));
        ASSERT_TRUE(w.Click("cmdOK"));
        EXPECT_EQ(w.Closed(), c.closed);
        ASSERT_EQ(platform::AskedBoxes().size() - before, c.askedEmpty ? 1u : 0u);
        if (c.askedEmpty) {
            const platform::BoxRequest& q = platform::AskedBoxes().back();
            EXPECT_EQ(q.buttons, platform::BoxButtons::YesNoCancel);
            EXPECT_EQ(q.defaultAnswer, BoxAnswer::Cancel);
            EXPECT_EQ(q.icon, platform::BoxIcon::Question);
        }
        if (c.closed) {
            EXPECT_FALSE(w.Result().cancelled);
            EXPECT_EQ(w.Result().name, c.typed) << "the name is kept as typed, spaces and all";
        }
    }
}

TEST(RecordEntryWindow, AWindowLeftOpenTakesANameThenEnter) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    platform::QueueBoxAnswer(BoxAnswer::No);
    RecordEntryWindow w = Window("");
    w.Click("cmdOK");
    ASSERT_FALSE(w.Closed());
    w.Type("Bea");
    ASSERT_TRUE(w.Key("Enter"));
    ASSERT_TRUE(w.Closed());
    EXPECT_EQ(w.Result().name, "Bea");
    EXPECT_FALSE(w.Result().cancelled);
}

TEST(RecordEntryWindow, CancelEscAndClosingTheGameCancel) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    for (const char* how : {"cmdCancel", "Esc", "dismiss"}) {
        SCOPED_TRACE(how);
        RecordEntryWindow w = Window("Ann");
        w.Click("chkSend");
        if (std::string(how) == "cmdCancel") w.Click(how);
        else if (std::string(how) == "Esc") w.Key(how);
        else w.Dismiss();
        EXPECT_TRUE(w.Closed());
        EXPECT_TRUE(w.Result().cancelled);
    }
}

TEST(RecordEntryWindow, NobodyToAnswerConfirmsTheOfferedNameOrGivesUp) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    RecordEntryWindow named = Window("Ann");
    named.CloseByDefault();
    EXPECT_TRUE(named.Closed());
    EXPECT_FALSE(named.Result().cancelled);
    EXPECT_EQ(named.Result().name, "Ann");
    // A blank name meets the question's default (Cancel): the entry is cancelled.
    RecordEntryWindow blank = Window("");
    blank.CloseByDefault();
    EXPECT_TRUE(blank.Closed());
    EXPECT_TRUE(blank.Result().cancelled);
}

TEST(RecordEntryWindow, AfterADemoGameTheNameIsComputerAndNothingIsSent) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    RecordEntryWindow w = Window("Ann", true);
    w.Type("Cheater");
    w.Click("chkSend");
    w.Click("cmdOK");
    ASSERT_TRUE(w.Closed());
    EXPECT_EQ(w.Result().name, "Computer");
    EXPECT_FALSE(w.Result().send);
    const std::vector<ControlValue> c = w.Controls();
    auto value = [&](const std::string& name) {
        for (const ControlValue& v : c)
            if (v.name == name) return v.text;
        return std::string("<missing>");
    };
    EXPECT_EQ(value("txtName"), "Computer");
    EXPECT_EQ(value("txtName.Enabled"), "False");
    EXPECT_EQ(value("chkSend"), "0");
}

// The statistics record keeps 11 letters of a name (Cyrillic or Latin alike): the field
// takes no more, so the name in every file is the name the player saw.
TEST(RecordEntryWindow, ANameIsCutToTheLettersTheRecordHolds) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    struct Case { const char* typed; const char* kept; };
    const Case cases[] = {
        {"Ann", "Ann"},
        {"Maximilianus", "Maximilianu"},
        {"Анастасия Петровна", "Анастасия П"},
        {"Élodie-Françoise", "Élodie-Fran"},
        {"12345678901", "12345678901"},
    };
    for (const Case& c : cases) {
        RecordEntryWindow w = Window("");
        w.Type(c.typed);
        w.Click("cmdOK");
        ASSERT_TRUE(w.Closed()) << c.typed;
        EXPECT_EQ(w.Result().name, c.kept);
    }
}

TEST(RecordEntryWindow, UnknownControlsAndKeysAreRefused) {
    RecordEntryWindow w = Window("Ann");
    EXPECT_FALSE(w.Click("cmdNope"));
    EXPECT_FALSE(w.Key("Space"));
    EXPECT_FALSE(w.Scroll("vscrlUpDown", 3));
    EXPECT_FALSE(w.Closed());
}

TEST(ControlNames, NameAndIndex) {
    struct Case { const char* text; bool ok; const char* name; int index; };
    const Case cases[] = {
        {"cmdOK", true, "cmdOK", -1}, {"lblStatVal(17)", true, "lblStatVal", 17}, {"lblDiff(0)", true, "lblDiff", 0},
        {"lblDiff()", false, "", 0},  {"lblDiff(x)", false, "", 0},            {"(3)", false, "", 0},
        {"lblDiff(3", false, "", 0},  {"", false, "", 0},
    };
    for (const Case& c : cases) {
        std::string name;
        int index = 0;
        EXPECT_EQ(SplitControl(c.text, &name, &index), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(name, c.name);
            EXPECT_EQ(index, c.index);
        }
    }
}
