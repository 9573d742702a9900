// Where the 3D view sits in the main window and how big it is. The main window's
// base layout is 800 x 600 pixels; the view is the rectangle (24, 50) - (367, 550):
// 343 pixels wide (the width the centred texts use) and 500 tall, enough for the
// home camera to show the field and the next panels of every skin with square cells.
// Window and view scale together with the drawable size (window size and DPI).
#pragma once

namespace zembrol::render {

inline constexpr int kBaseWindowWidth = 800, kBaseWindowHeight = 600;
inline constexpr int kBaseViewX = 24, kBaseViewY = 50;
inline constexpr int kBaseViewWidth = 343, kBaseViewHeight = 500;

struct ViewRect {
    int x = 0, y = 0;            // top-left, drawable pixels from the window's top-left
    int width = 0, height = 0;
    float scale = 1;             // drawable pixels per base pixel
    int originX = 0, originY = 0;   // the base layout's top-left in the drawable
};

// The view in a drawable of w x h pixels: the base layout scaled by the smaller
// of the two ratios and centred, so it keeps its shape in any window (a wider or
// taller window shows bands beside or above it, never a stretched picture).
ViewRect LayoutView(int drawableWidth, int drawableHeight);

// Width / height of the view, the projection's aspect.
inline float Aspect(const ViewRect& v) {
    return v.height > 0 ? static_cast<float>(v.width) / static_cast<float>(v.height) : 1.0f;
}

}  // namespace zembrol::render
