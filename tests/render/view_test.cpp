// The view behind its interface without a GL context: the rules' view events reach
// whichever view is attached, the null view of a headless run checks chosen textures
// as a window would, and texture failures reach the caller's reports, never a box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/null_view.h"
#include "render/textures.h"
#include "render/view_events.h"
#include "temp_dir.h"

namespace zembrol::render {
namespace {

// A view that keeps the flights it is asked for and ignores the rest.
class FlightsView final : public NullView {
public:
    struct Flight {
        NumberFlight kind;
        int32_t amount;
        float x, y;
    };
    void FlyNumber(NumberFlight flight, int32_t amount, float x, float y, const GameState&, const Settings&) override {
        flights.push_back({flight, amount, x, y});
    }
    std::vector<Flight> flights;
};

TEST(ViewEvents, EachNumberEventFliesItsKindAndOtherEventsAreNotTheViews) {
    Settings settings;
    GameState state;
    ViewEvents events(settings);
    FlightsView view;
    events.Attach(view, state);
    const struct {
        EventKind kind;
        bool taken;
        bool flies;
        NumberFlight flight;
    } cases[] = {
        {EventKind::FlyingDigits, true, true, NumberFlight::Amount},
        {EventKind::TimeBonusDigits, true, true, NumberFlight::TimeBonus},
        {EventKind::MiracleDigits, true, true, NumberFlight::Miracle},
        {EventKind::BlockMeshesRefresh, true, false, {}},
        {EventKind::CountLinesBlink, false, false, {}},
    };
    for (const auto& c : cases) {
        view.flights.clear();
        GameEvent e;
        e.kind = c.kind;
        e.column = 7;
        e.row = 12;
        e.value = 250;
        EXPECT_EQ(events.OnGameEvent(e), c.taken) << EventKindName(c.kind);
        ASSERT_EQ(view.flights.size(), c.flies ? 1u : 0u) << EventKindName(c.kind);
        if (!c.flies) continue;
        EXPECT_EQ(view.flights[0].kind, c.flight) << EventKindName(c.kind);
        EXPECT_EQ(view.flights[0].amount, 250);
        EXPECT_EQ(view.flights[0].x, 7.0f);
        EXPECT_EQ(view.flights[0].y, 12.0f);
    }
}

TEST(ViewEvents, NumberEventsBeforeAViewIsAttachedAreTakenAndShowNothing) {
    Settings settings;
    ViewEvents events(settings);
    GameEvent e;
    e.kind = EventKind::MiracleDigits;
    EXPECT_TRUE(events.OnGameEvent(e));
}

struct Reports {
    std::vector<std::string> lines, alerts;
    RenderReports Sink() {
        return {[this](const std::string& m, int, bool ok) { lines.push_back((ok ? "+ " : "- ") + m); },
                [this](const std::string& caption, const std::string& text) { alerts.push_back(caption + ": " + text); }};
    }
};

TEST(NullView, AChosenTextureIsTakenWhenItDecodesAndLoggedWhenItDoesNot) {
    testing::TempDir dir;
    platform::RgbaImage picture;
    picture.width = picture.height = 2;
    picture.pixels.assign(16, 200);
    std::string error;
    ASSERT_TRUE(platform::SaveImageRgba(dir / "good.png", picture, &error)) << error;
    dir.Write("broken.bmp", "not a picture");

    Reports r;
    NullView view(r.Sink());
    EXPECT_TRUE(view.ReloadSkinTexture(3, dir / "good.png"));
    EXPECT_TRUE(r.lines.empty());
    EXPECT_FALSE(view.ReloadSkinTexture(3, dir / "broken.bmp"));
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0].rfind("- CreateTextureFromFile(" + dir / "broken.bmp" + ") - ", 0), 0u) << r.lines[0];
    EXPECT_TRUE(r.alerts.empty());
}

TEST(TextureReports, AnEmptyPathAlertsThePlayerAndAMissingFileIsOnlyLogged) {
    testing::TempDir dir;
    Reports r;
    platform::RgbaImage image;
    EXPECT_FALSE(LoadTextureImage("", &image, r.Sink()));
    ASSERT_EQ(r.alerts.size(), 1u);
    EXPECT_EQ(r.alerts[0].rfind("d_LoadTex32x32: ", 0), 0u) << r.alerts[0];
    EXPECT_TRUE(r.lines.empty());

    EXPECT_FALSE(LoadTextureImage(dir / "missing.bmp", &image, r.Sink()));
    EXPECT_EQ(r.alerts.size(), 1u);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0].rfind("- CreateTextureFromFile(" + dir / "missing.bmp" + ")", 0), 0u) << r.lines[0];
}

}  // namespace
}  // namespace zembrol::render
