// The rules' event path: every kind reaches an owner of the application that takes
// it, and an event its owner does not take is reported, never dropped in silence.
#include <gtest/gtest.h>

#include <set>

#include "app/app.h"
#include "platform/message_box.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::TempDir;

TEST(EventRouter, EveryKindIsTakenByItsOwnerInTheApplication) {
    TempDir dir;
    dir.Write("data/set/default.ini", "[MAIN]\ng_Speed=0\n");
    dir.Write("data/lang/russian.ini", "[fMain]\ncPause=Пауза\n");
    dir.Write("lang.txt", "russian.ini\n");
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    CommandLine options;
    options.root = dir.Path();
    options.headless = true;
    App app(options);
    ASSERT_EQ(app.Main(), 0);
    std::vector<std::string> unhandled;
    app.Router().unhandled = [&](const GameEvent& e) { unhandled.push_back(EventKindName(e.kind)); };
    std::set<EventOwner> owners;
    for (int k = 0; k < kEventKinds; ++k) {
        GameEvent e;
        e.kind = static_cast<EventKind>(k);
        e.text = "f_Init()";
        e.value = 1;
        EXPECT_NE(OwnerOf(e.kind), EventOwner::Count) << EventKindName(e.kind);
        EXPECT_TRUE(app.Router().Dispatch(e)) << EventKindName(e.kind) << " is not taken by "
                                               << EventOwnerName(OwnerOf(e.kind));
        owners.insert(OwnerOf(e.kind));
    }
    EXPECT_TRUE(unhandled.empty());
    EXPECT_EQ(owners.size(), static_cast<size_t>(EventOwner::Count)) << "an owner that owns nothing";
}

TEST(EventRouter, AnEventItsOwnerDoesNotTakeIsReported) {
    EventRouter router;
    std::vector<EventKind> reported;
    router.unhandled = [&](const GameEvent& e) { reported.push_back(e.kind); };
    router.SetOwner(EventOwner::Sound, [](const GameEvent& e) { return e.kind == EventKind::PlaySound; });
    EXPECT_TRUE(router.Dispatch({.kind = EventKind::PlaySound}));
    EXPECT_FALSE(router.Dispatch({.kind = EventKind::MusicStart}));     // the owner refuses it
    EXPECT_FALSE(router.Dispatch({.kind = EventKind::RowRemovalStart}));  // no owner set
    EXPECT_EQ(reported, (std::vector<EventKind>{EventKind::MusicStart, EventKind::RowRemovalStart}));
}
