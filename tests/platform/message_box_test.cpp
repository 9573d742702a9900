// The scripted message-box policy: queued answers, defaults, never a real box.
#include <gtest/gtest.h>

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
