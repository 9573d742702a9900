// Picking: the pixel at the centre of the view sees the look-at point; at the home
// view a pixel over a drawn column picks that column.
#include <gtest/gtest.h>

#include <cmath>

#include "render/picking.h"

using namespace zembrol::render;

TEST(Picking, TheViewCentreSeesTheLookAtPointAndColumnsGrowToTheRight) {
    const glm::vec3 eye(11.05f, 14.5f, 127.0f), at(11.05f, 14.5f, 0.0f), up(0, -1, 0);
    const float fov = 3.14159f / 11.0f;
    glm::vec2 p;
    ASSERT_TRUE(FieldPointUnderPointer(eye, at, up, fov, 343, 500, 171.5f, 250, &p));
    EXPECT_NEAR(p.x, 11.05f, 0.01f);
    EXPECT_NEAR(p.y, 14.5f, 0.01f);
    glm::vec2 left, right, top;
    ASSERT_TRUE(FieldPointUnderPointer(eye, at, up, fov, 343, 500, 20, 250, &left));
    ASSERT_TRUE(FieldPointUnderPointer(eye, at, up, fov, 343, 500, 320, 250, &right));
    ASSERT_TRUE(FieldPointUnderPointer(eye, at, up, fov, 343, 500, 171.5f, 10, &top));
    EXPECT_LT(left.x, p.x);
    EXPECT_GT(right.x, p.x);
    EXPECT_LT(top.y, p.y);  // row 0 is at the top of the picture
}

TEST(Picking, ARayAlongTheFieldMissesIt) {
    glm::vec2 p;
    EXPECT_FALSE(FieldPointUnderPointer({0, 0, 0}, {10, 0, 0}, {0, 0, 1}, 0.5f, 100, 100, 50, 50, &p));
}
