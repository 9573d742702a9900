// The scripted message-box policy: queued answers, defaults, never a real box.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/message_box.h"

using namespace zembrol::platform;

TEST(MessageBox, ScriptedRunsAnswerFromTheQueueThenTheDefault) {
    SetBoxPolicy(BoxPolicy::Scripted);
    BoxRequest question{"Zembrol", "Продолжить загрузку ?", BoxIcon::Question, BoxButtons::OkCancel, BoxAnswer::Cancel};
    QueueBoxAnswer(BoxAnswer::Ok);
    QueueBoxAnswer(BoxAnswer::Yes);      // not a button of this box: the default is taken
    QueueBoxAnswer(std::nullopt);        // "default"
    EXPECT_EQ(ShowMessageBox(question), BoxAnswer::Ok);
    EXPECT_EQ(ShowMessageBox(question), BoxAnswer::Cancel);
    EXPECT_EQ(ShowMessageBox(question), BoxAnswer::Cancel);
    EXPECT_EQ(ShowMessageBox(question), BoxAnswer::Cancel);  // queue empty
    EXPECT_EQ(AskedBoxes().back().text, "Продолжить загрузку ?");
}

TEST(MessageBox, AnswerWords) {
    BoxAnswer a;
    ASSERT_TRUE(ParseBoxAnswer("CANCEL", &a));
    EXPECT_EQ(a, BoxAnswer::Cancel);
    EXPECT_FALSE(ParseBoxAnswer("maybe", &a));
}

TEST(MessageBox, EachButtonSetTakesItsOwnAnswersAndEscapeMeansTheCautiousOne) {
    SetBoxPolicy(BoxPolicy::Scripted);
    const struct {
        BoxButtons buttons;
        std::vector<BoxAnswer> onScreen;
        BoxAnswer escape;
    } cases[] = {
        {BoxButtons::Ok, {BoxAnswer::Ok}, BoxAnswer::Ok},
        {BoxButtons::OkCancel, {BoxAnswer::Ok, BoxAnswer::Cancel}, BoxAnswer::Cancel},
        {BoxButtons::YesNo, {BoxAnswer::Yes, BoxAnswer::No}, BoxAnswer::No},
        {BoxButtons::YesNoCancel, {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Cancel}, BoxAnswer::Cancel},
    };
    for (const auto& c : cases) {
        std::vector<BoxAnswer> shown;
        for (const BoxButton& b : ButtonsOf(c.buttons)) shown.push_back(b.answer);
        EXPECT_EQ(shown, c.onScreen);
        EXPECT_EQ(EscapeAnswer(c.buttons), c.escape);
        // Every answer of the set is taken from the script; others fall back to the default.
        const BoxRequest box{"Zembrol", "?", BoxIcon::Question, c.buttons, c.onScreen.back()};
        for (BoxAnswer a : {BoxAnswer::Ok, BoxAnswer::Cancel, BoxAnswer::Yes, BoxAnswer::No}) {
            QueueBoxAnswer(a);
            const bool onSet = std::find(c.onScreen.begin(), c.onScreen.end(), a) != c.onScreen.end();
            EXPECT_EQ(ShowMessageBox(box), onSet ? a : c.onScreen.back());
        }
    }
}
