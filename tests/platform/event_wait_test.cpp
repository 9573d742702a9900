// The wait for window input wakes for input without sending the window a wake-up
// message: a message on its way to a window closed at once is a BadWindow error.
#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/event_wait.h"
#include "platform/video.h"
#include "platform/x_test_display.h"

#include <SDL_syswm.h>

namespace {

// Client messages sent through libX11 in this process, by target window: the
// display layer's requests pass through here on their way to the library.
std::mutex g_sentLock;
std::map<Window, int> g_sent;

int SentTo(Window w) {
    std::lock_guard<std::mutex> hold(g_sentLock);
    return g_sent[w];
}

}  // namespace

extern "C" Status XSendEvent(Display* display, Window w, Bool propagate, long mask, XEvent* event) {
    using Real = Status (*)(Display*, Window, Bool, long, XEvent*);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XSendEvent"));
    if (event && event->type == ClientMessage) {
        std::lock_guard<std::mutex> hold(g_sentLock);
        ++g_sent[w];
    }
    return real(display, w, propagate, mask, event);
}

namespace zembrol::platform {
namespace {

Window X11Window(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return info.info.x11.window;
}

TEST(WaitForWindowInput, WokenByInputItSendsTheWindowNoWakeUpMessage) {
    if (!std::getenv("DISPLAY") || !testing::StartVideoOnX()) GTEST_SKIP() << "needs an X display";
    Display* other = testing::OpenTestDisplay();
    ASSERT_NE(other, nullptr);
    const KeyCode enter = XKeysymToKeycode(other, XStringToKeysym("Return"));
    for (int cycle = 0; cycle < 20; ++cycle) {
        // A message box's life: shown, raised, answered with a key, closed.
        SDL_Window* box = SDL_CreateWindow("box", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 120, 80,
                                           SDL_WINDOW_SHOWN);
        ASSERT_NE(box, nullptr) << SDL_GetError();
        const Window xbox = X11Window(box);
        ASSERT_NE(xbox, 0u);
        const int raisesBefore = SentTo(DefaultRootWindow(other));
        SDL_RaiseWindow(box);  // asks the window manager through a client message to the root
        if (SentTo(DefaultRootWindow(other)) == raisesBefore)
            GTEST_SKIP() << "the display layer's X requests cannot be watched here";
        SDL_Event ev;
        while (SDL_PollEvent(&ev)) {
        }
        const int sentBefore = SentTo(xbox);  // a closed connection's window may have had this id
        // The key comes from another client while the wait sleeps.
        std::thread player([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            XEvent key{};
            key.xkey.type = KeyPress;
            key.xkey.window = xbox;
            key.xkey.root = DefaultRootWindow(other);
            key.xkey.keycode = enter;
            key.xkey.same_screen = True;
            XSendEvent(other, xbox, True, KeyPressMask, &key);
            XSync(other, False);
        });
        const bool woken = WaitForWindowInput(box, 60000);
        player.join();
        EXPECT_TRUE(woken) << "cycle " << cycle;
        EXPECT_EQ(SentTo(xbox), sentBefore) << "cycle " << cycle << ": a wake-up message was sent to the window";
        SDL_DestroyWindow(box);
    }
    XCloseDisplay(other);
    VideoQuit();
}

}  // namespace
}  // namespace zembrol::platform
