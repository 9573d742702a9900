// Process memory tuning for a program that draws frames without pause.
#pragma once

namespace zembrol::platform {

// Keeps memory that is freed and allocated again every frame (the GL driver's
// per-frame buffers) inside the process instead of returning it to the system
// and faulting it back in on the next frame.
void KeepFrameMemory();

}  // namespace zembrol::platform
