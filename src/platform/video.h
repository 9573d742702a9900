// The display connection: start and stop of SDL's video subsystem and the
// desktop's logical dots per inch.
#pragma once

#include <string>

namespace zembrol::platform {

// Connects to the display; false (with SDL's reason) when there is none.
bool VideoInit(std::string* error);
// Asks a software GL rasteriser to shade on the drawing thread, unless the player has
// chosen its thread count (LP_NUM_THREADS); true when this run's choice was made here.
// VideoInit calls it, before any GL window exists; drivers of a graphics card ignore it.
bool ShadeOnTheDrawingThread();
void VideoQuit();
bool VideoReady();
// The display layer's text for its last failure.
std::string VideoError();

// Horizontal dots per inch of the first display, rounded; false when unknown.
// A value set with OverrideDesktopDpi (tests, --dpi) is returned instead.
bool DesktopDpi(int* dpi);
void OverrideDesktopDpi(int dpi);

}  // namespace zembrol::platform
