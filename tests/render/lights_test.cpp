// The moving lights: their colours at start and their walk.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "render/lights.h"

namespace zembrol::render {
namespace {

TEST(MakeLights, EachLightHasOneStrongChannelAndAmplitudesInRange) {
    Rng rng(7);
    const auto lights = MakeLights(rng);
    for (const LightRecord& l : lights) {
        const ColorValue& c = l.light.color;
        const int strong = (c.r == 0.88f) + (c.g == 0.88f) + (c.b == 0.88f);
        EXPECT_GE(strong, 1);
        EXPECT_EQ(c.a, 1.0f);
        EXPECT_EQ(l.light.range, 4.0f);
        EXPECT_GE(l.axis[0].amplitude, 1);
        EXPECT_LE(l.axis[0].amplitude, 5);
        EXPECT_GE(l.axis[1].amplitude, 1);
        EXPECT_LE(l.axis[1].amplitude, 5);
        EXPECT_GE(l.axis[2].amplitude, 2);
        EXPECT_LE(l.axis[2].amplitude, 4);
    }
}

TEST(LightWave, MovesInStepsBetweenTableCosinesWithoutJumps) {
    Rng rng(3);
    LightAxis a;
    a.angle = 90;
    a.previous = 89;
    a.direction = 1;
    // gr_LightsSpeed 5: three steps from cos 89 to cos 90, then a turn that holds the value.
    const float c89 = CosDeg(89), c90 = CosDeg(90);
    EXPECT_FLOAT_EQ(m_LightWave(a, 5, rng), c89 + (c90 - c89) / 3);
    EXPECT_FLOAT_EQ(m_LightWave(a, 5, rng), c89 + (c90 - c89) * 2 / 3);
    EXPECT_NEAR(m_LightWave(a, 5, rng), c90, 1e-6);
    EXPECT_FLOAT_EQ(m_LightWave(a, 5, rng), c90) << "the turn keeps the light where it is";
    EXPECT_EQ(a.counter, 0);
    EXPECT_EQ(a.angle, 91);
    float last = c90;
    for (int k = 0; k < 5000; ++k) {
        const float w = m_LightWave(a, 5, rng);
        ASSERT_LE(std::abs(w - last), 0.02f) << "step " << k;
        ASSERT_GE(a.angle, 0);
        ASSERT_LT(a.angle, 360);
        last = w;
    }
}

TEST(LightWave, FasterThanTheSettingsOfferStillMoves) {
    Rng rng(1);
    LightAxis a;
    a.angle = 10;
    a.previous = 10;
    a.direction = 1;
    // (6 - 7) * 3 steps would be negative: the walk takes one step per call instead.
    for (int k = 0; k < 10; ++k) EXPECT_TRUE(std::isfinite(m_LightWave(a, 7, rng)));
    EXPECT_GT(a.angle, 10);
}

TEST(MoveLights, FirstLightFollowsTheFigureAndCountIsBounded) {
    Rng rng(5);
    auto lights = MakeLights(rng);
    m_MoveLights(lights, 40, 5, true, 9, 3, rng);   // more than the 16 slots: bounded
    EXPECT_EQ(lights[0].light.position.x, 11);
    EXPECT_EQ(lights[0].light.position.y, 5);
    EXPECT_EQ(lights[0].light.position.z, 1);
    for (size_t i = 1; i < lights.size(); ++i) {
        const Vec3& p = lights[i].light.position;
        EXPECT_LE(std::abs(p.x - 11), lights[i].axis[0].amplitude + 8.0f + 1e-4f);
        EXPECT_LE(std::abs(p.y - 15), lights[i].axis[1].amplitude + 16.0f + 1e-4f);
        EXPECT_LE(std::abs(p.z), lights[i].axis[2].amplitude + 2.0f + 1e-4f);
    }
}

TEST(ChooseLights, KeepsTheStrongestOfTheLightsThatReachTheBody) {
    // Lights on the x axis from a body at the origin; range 4, the game's attenuation.
    struct Light {
        float x, brightness;
    };
    struct Case {
        const char* what;
        std::vector<Light> lights;
        float radius;
        std::array<int, kChosenLights> expected;
    };
    const std::vector<Case> cases = {
        {"no lights", {}, 0.5f, {-1, -1, -1, -1}},
        {"out of range on both sides of one in range", {{10, 1}, {-1, 1}, {-9, 1}}, 0.5f, {1, -1, -1, -1}},
        {"reach is range plus the body's radius", {{4.5f, 1}, {4.52f, 1}, {-4.4f, 1}}, 0.5f, {0, 2, -1, -1}},
        {"the nearest four of six, in index order", {{1, 1}, {2, 1}, {3, 1}, {0.5f, 1}, {3.5f, 1}, {-1.5f, 1}}, 0.5f,
         {0, 1, 3, 5}},
        {"a dim light loses to brighter ones as far", {{2, 1}, {2, 1}, {2, 0.1f}, {2, 1}, {2, 1}}, 0.5f, {0, 1, 3, 4}},
        {"a bright far light beats a dim near one", {{3, 3}, {1, 0.05f}, {1, 1}, {1, 1}, {1, 1}}, 0.5f, {0, 2, 3, 4}},
        {"of equals the lower indices stay", {{2, 1}, {-2, 1}, {2, 1}, {-2, 1}, {2, 1}, {-2, 1}}, 0.5f, {0, 1, 2, 3}},
        {"inside the body counts as at its surface", {{0, 1}, {0.2f, 1}, {0.4f, 1}, {0.1f, 1}, {3, 1}}, 0.5f,
         {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        std::vector<PointLight> lights;
        for (const Light& l : c.lights) {
            PointLight p;
            p.position = {l.x, 0, 0};
            p.color = {l.brightness, l.brightness, l.brightness, 1};
            lights.push_back(p);
        }
        EXPECT_EQ(ChooseLights(lights.data(), static_cast<int>(lights.size()), {0, 0, 0}, c.radius), c.expected)
            << c.what;
    }
}

TEST(ChooseLights, LooksOnlyAtTheLightsInUse) {
    // The slots past the count hold stale lights that must not be chosen.
    std::array<PointLight, kLightSlots> lights{};
    for (size_t i = 0; i < lights.size(); ++i) lights[i].position = {static_cast<float>(i) * 0.1f, 0, 0};
    const std::array<int, kChosenLights> none{-1, -1, -1, -1}, two{0, 1, -1, -1};
    EXPECT_EQ(ChooseLights(lights.data(), 0, {0, 0, 0}, 1), none);
    EXPECT_EQ(ChooseLights(lights.data(), 2, {0, 0, 0}, 1), two);
}

}  // namespace
}  // namespace zembrol::render
