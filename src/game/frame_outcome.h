// FrameOutcome: what the host's frame of a pass (camera, effects) reports to the game.
// The rules set the flags they wait on; the loop applies these reports between passes,
// so no handler writes the game's state while a rules call runs.
#pragma once

namespace zembrol {

struct FrameOutcome {
    bool flightOver = false;   // the level flight has flown: the game's wait (cl_Busy) ends
};

}  // namespace zembrol
