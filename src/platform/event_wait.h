// Waiting for window input. SDL's own timed wait, while it sleeps, answers every
// event it queues with a wake-up message sent over a second X connection to its
// newest window. A window closed at once after such an event (a message box answered
// with Enter) can be gone before the X server reads that message: the server then
// reports BadWindow for a request the game never made. The game takes its events on
// one thread and needs no wake-ups, so it waits on the window's X connection itself.
#pragma once

struct SDL_Window;

namespace zembrol::platform {

// Pumps SDL's events and sleeps until one is queued or `ms` milliseconds have passed;
// true when an event is queued (it stays in the queue). `window` is any open window
// of the game: its display connection is the one waited on. Without a window this
// is a plain sleep.
bool WaitForWindowInput(SDL_Window* window, int ms);

}  // namespace zembrol::platform
