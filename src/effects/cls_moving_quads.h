// clsMovingQuads (g_MovingQuads): the level banner. A "Level" plate slides in from
// the left and the level's number from the right, both hold for 151 frames under the
// field, then leave the other way. A game start and every level advance restart it.
#pragma once

#include <cstdint>

namespace zembrol {

class clsMovingQuads {
public:
    // Below the field; with the banner switched off (bWalkText) it stays idle.
    void mq_Init(float y, bool walkText);
    // x1 = -10, x2 = 35, hold 0, moving in.
    void mq_ReInit();
    // One frame of the move; true when the plates show this frame.
    bool mq_Step();

    float X1() const { return x1_; }   // the word plate
    float X2() const { return x2_; }   // the number plate
    float Y() const { return y_; }
    int16_t Hold() const { return hold_; }
    bool MovingOut() const { return phase_; }
    bool Done() const { return done_; }

private:
    float x1_ = -10, x2_ = 35, y_ = 30.5f;
    int16_t hold_ = 0;
    bool phase_ = false;
    bool done_ = true;
};

}  // namespace zembrol
