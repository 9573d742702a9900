// The measuring runs beside the game: --screenshot draws frames and saves the 3D view
// as a picture, --bench-frames draws frames and prints their times. They drive the
// application's own frame, but are no part of a played run.
#pragma once

#include "app/command_line.h"

namespace zembrol {

class App;

bool IsFrameRun(const CommandLine& options);
// Runs the script (if any), draws the frames, writes or prints, and closes the window.
void RunFrames(App& app);

}  // namespace zembrol
