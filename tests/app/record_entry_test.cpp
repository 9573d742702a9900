// The record entry of a scripted run: the entry question, then for an empty name the
// Yes / No / Cancel question whose default is Cancel. Only Yes keeps an empty name;
// No and Cancel would send the player back to the field, and a script cannot type.
#include <gtest/gtest.h>

#include "app/app_results.h"
#include "platform/message_box.h"

using namespace zembrol;
using platform::BoxAnswer;

namespace {
struct EntryCase {
    const char* name;
    std::vector<std::optional<BoxAnswer>> answers;  // entry question, then the empty-name question
    bool cancelled;
    bool askedEmpty;
};
}  // namespace

TEST(ScriptedRecordEntry, OnlyYesKeepsAnEmptyName) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    const EntryCase cases[] = {
        {"   ", {BoxAnswer::Ok, BoxAnswer::Yes}, false, true},
        {"   ", {BoxAnswer::Ok, BoxAnswer::No}, true, true},
        {"   ", {BoxAnswer::Ok, BoxAnswer::Cancel}, true, true},
        {"", {BoxAnswer::Ok, std::nullopt}, true, true},  // the default button is Cancel
        {" Ann ", {BoxAnswer::Ok}, false, false},
        {"Ann", {BoxAnswer::Cancel}, true, false},
    };
    for (const EntryCase& c : cases) {
        for (const auto& a : c.answers) platform::QueueBoxAnswer(a);
        const size_t before = platform::AskedBoxes().size();
        ScriptedResultWindows windows;
        const RecordEntry e = windows.ShowRecordEntry(c.name, false);
        SCOPED_TRACE(std::string("name \"") + c.name + "\"");
        EXPECT_EQ(e.cancelled, c.cancelled);
        if (!e.cancelled) {
            EXPECT_EQ(e.name, c.name) << "the name is kept as typed";
        }
        ASSERT_EQ(platform::AskedBoxes().size() - before, c.askedEmpty ? 2u : 1u);
        if (c.askedEmpty) {
            const platform::BoxRequest& q = platform::AskedBoxes().back();
            EXPECT_EQ(q.buttons, platform::BoxButtons::YesNoCancel);
            EXPECT_EQ(q.defaultAnswer, BoxAnswer::Cancel);
            EXPECT_EQ(q.icon, platform::BoxIcon::Question);
        }
    }
}
