// Which part of the controls' picture changed between two frames. The window is cut
// into square cells; each cell keeps one fingerprint of every triangle drawn over it,
// in drawing order. Cells whose fingerprints differ between two frames bound the part
// that must be drawn and shown again; the rest of the window is left as it was shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zembrol::platform {

// A box of window pixels, top-left origin.
struct PixelBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
    int Area() const { return Empty() ? 0 : width * height; }
    bool operator==(const PixelBox& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// A fingerprint of some bytes, continuing `seed`.
uint64_t Fingerprint(const void* data, size_t size, uint64_t seed);

class RegionPrints {
public:
    // Cells of 32 pixels: a changed label costs a few of them, and a frame of a
    // thousand triangles still takes microseconds to print.
    static constexpr int kCell = 32;

    // Starts a frame's prints for a window of this size (in pixels).
    void Reset(int width, int height);
    // One triangle whose pixels lie within [x0, x1) x [y0, y1), drawn after those added
    // before it; the box is widened by a pixel against rounding and kept to the window.
    void Add(float x0, float y0, float x1, float y1, uint64_t print);
    // The smallest cell-aligned box (kept to the window) holding every cell whose
    // prints differ from `shown`'s; the whole window when the two sizes differ, and
    // an empty box when nothing changed.
    PixelBox ChangedSince(const RegionPrints& shown) const;

private:
    int width_ = 0, height_ = 0, columns_ = 0, rows_ = 0;
    std::vector<uint64_t> prints_;
};

}  // namespace zembrol::platform
