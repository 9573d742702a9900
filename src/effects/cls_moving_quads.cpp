// The level banner's move.
#include "effects/cls_moving_quads.h"

namespace zembrol {

void clsMovingQuads::mq_Init(float y, bool walkText) {
    y_ = y;
    done_ = !walkText;
}

void clsMovingQuads::mq_ReInit() {
    x1_ = -10;
    x2_ = 35;
    hold_ = 0;
    phase_ = false;
    done_ = false;
}

bool clsMovingQuads::mq_Step() {
    if (done_) return false;
    if (!phase_) {
        if (x1_ < 8) x1_ += 0.1f;
        if (x2_ > 13) x2_ -= 0.1f;
        else ++hold_;
        if (hold_ > 150) phase_ = true;
    } else {
        if (x1_ < 40) x1_ += 0.1f;
        if (x2_ > -10) x2_ -= 0.1f;
        else done_ = true;
    }
    return !done_;
}

}  // namespace zembrol
