// X errors are written down and the process goes on: a request on a window that is
// gone, made on purpose, under Xlib's default handler would end this test program.
#include <cstdio>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/video.h"
#include "platform/x_errors.h"
#include "platform/x_test_display.h"

namespace zembrol::platform {
namespace {

using ::testing::HasSubstr;

class XErrors : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = testing::OpenTestDisplay();
        if (!display_) GTEST_SKIP() << "needs a display";
        SetXErrorLog([this](const std::string& line) { logged_.push_back(line); });
    }
    void TearDown() override {
        SetXErrorLog(nullptr);
        if (display_) XCloseDisplay(display_);
    }

    // A window that existed and is gone: the id the closed message box leaves behind.
    Window GoneWindow() {
        const Window w = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 10, 10, 0, 0, 0);
        XDestroyWindow(display_, w);
        return w;
    }
    // What the display layer's wake-up does: a client message sent to a window.
    void SendTo(Window w) {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = w;
        ev.xclient.format = 8;
        XSendEvent(display_, w, False, NoEventMask, &ev);
        XSync(display_, False);  // the error comes back here
    }
    static std::string Hex(Window w) {
        char text[24];
        std::snprintf(text, sizeof text, "0x%lx", w);
        return text;
    }

    Display* display_ = nullptr;
    std::vector<std::string> logged_;
};

TEST_F(XErrors, AFailedRequestIsLoggedWithItsRequestErrorAndResourceAndTheProgramGoesOn) {
    CatchXErrors();
    const size_t before = XErrorsCaught();
    const Window gone = GoneWindow();
    SendTo(gone);
    EXPECT_EQ(XErrorsCaught(), before + 1);
    // The handler never calls the log itself: the lines wait for the next report.
    EXPECT_TRUE(logged_.empty());
    ReportXErrors();
    ASSERT_EQ(logged_.size(), 1u);
    EXPECT_THAT(logged_[0], HasSubstr("BadWindow"));
    EXPECT_THAT(logged_[0], HasSubstr("request 25 X_SendEvent"));
    EXPECT_THAT(logged_[0], HasSubstr("resource " + Hex(gone)));
    // The connection still serves requests.
    XWindowAttributes root;
    EXPECT_NE(XGetWindowAttributes(display_, DefaultRootWindow(display_), &root), 0);
    ReportXErrors();
    EXPECT_EQ(logged_.size(), 1u) << "a line is reported once";
}

TEST_F(XErrors, TheHandlerHoldsWhileTheDisplayLayerRunsAndAfterItStops) {
    // The display layer puts a handler of its own over ours while it runs and puts
    // back the one it found when it stops.
    if (!testing::StartVideoOnX()) GTEST_SKIP() << "the display layer does not start on X";
    const size_t before = XErrorsCaught();
    SendTo(GoneWindow());
    EXPECT_EQ(XErrorsCaught(), before + 1);
    VideoQuit();
    SendTo(GoneWindow());
    EXPECT_EQ(XErrorsCaught(), before + 2);
    ReportXErrors();
    EXPECT_EQ(logged_.size(), 2u);
}

TEST_F(XErrors, AnErrorOnEveryPassDoesNotFillTheLog) {
    CatchXErrors();
    const size_t before = XErrorsCaught();
    ASSERT_LT(before, kXErrorsWritten);
    ReportXErrors();
    logged_.clear();
    while (XErrorsCaught() < kXErrorsWritten + 20) SendTo(GoneWindow());
    ReportXErrors();
    // The first ones of the run, then one line that says the rest are left out.
    ASSERT_EQ(logged_.size(), kXErrorsWritten - before + 1);
    EXPECT_THAT(logged_.front(), HasSubstr("BadWindow"));
    EXPECT_EQ(logged_.back(), "further X errors are not written down");
}

}  // namespace
}  // namespace zembrol::platform
