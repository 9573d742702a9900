// clsDel (g_Del): the removed rows of one landing shrink to nothing while they move
// toward the viewer over 50 frames. The rules register the rows; each pass steps the
// effect once, and the frame draws the rows of that step.
#pragma once

#include <array>
#include <cstdint>

namespace zembrol {

class clsDel {
public:
    static constexpr int16_t kFrames = 50;

    // Clears the row list: count 0, frame 0.
    void del_fInit();
    // Appends a row while fewer than 4 are registered; further rows are ignored.
    void del_fAdd(int16_t row);
    // One frame of the effect: true when it shows this frame (frame < 50), then frame += 1.
    bool del_Step();

    // What the frame draws after a step that showed: the rows (0 = empty slot), the
    // frame number that was drawn (its scale is (50 - frame) / 50, its depth frame / 2).
    const std::array<int16_t, 4>& Rows() const { return rows_; }
    int16_t DrawnFrame() const { return drawn_; }
    bool Showing() const { return showing_; }
    int16_t Frame() const { return frame_; }
    int16_t Count() const { return count_; }

private:
    std::array<int16_t, 4> rows_{};
    int16_t count_ = 0;
    int16_t frame_ = kFrames;   // nothing to show before the first removal
    int16_t drawn_ = 0;
    bool showing_ = false;
};

}  // namespace zembrol
