// clsRemoveFig (m_RemoveFig): a taken-back figure tumbles and rises out of the top of
// the field, faster at slower game speeds' longer passes. Each pass steps it once; the
// frame draws it at the step's angle and height.
#pragma once

#include <array>
#include <cstdint>

namespace zembrol {

class clsRemoveFig {
public:
    // Copies the mask, stores the box position, angle 0, active.
    void rf_Init(const std::array<std::array<bool, 4>, 4>& cells, int16_t column, int16_t row);
    // One frame: angle += 0.07, the height follows; above row -5 the effect ends.
    // True when the figure shows this frame.
    bool rf_Step(int16_t gameSpeed);
    void rf_Stop() { active_ = false; }

    bool Active() const { return active_; }
    const std::array<std::array<bool, 4>, 4>& Cells() const { return cells_; }
    int16_t Column() const { return column_; }
    float Angle() const { return angle_; }
    float Y() const { return y_; }   // the box's row this frame

private:
    std::array<std::array<bool, 4>, 4> cells_{};
    int16_t column_ = 0, row_ = 0;
    float angle_ = 0, y_ = 0;
    bool active_ = false;
};

}  // namespace zembrol
