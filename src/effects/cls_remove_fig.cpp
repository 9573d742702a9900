// Taken-back figure effect: its tumble and rise.
#include "effects/cls_remove_fig.h"

namespace zembrol {

void clsRemoveFig::rf_Init(const std::array<std::array<bool, 4>, 4>& cells, int16_t column, int16_t row) {
    cells_ = cells;
    column_ = column;
    row_ = row;
    angle_ = 0;
    y_ = row;
    active_ = true;
}

bool clsRemoveFig::rf_Step(int16_t gameSpeed) {
    if (!active_) return false;
    angle_ += 0.07f;
    y_ = static_cast<float>(row_) - angle_ * 6.0f / static_cast<float>(gameSpeed + 2);
    if (y_ < -5.0f) active_ = false;
    return active_;
}

}  // namespace zembrol
