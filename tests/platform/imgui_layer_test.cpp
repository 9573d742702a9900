// The controls' layer under a real GL context: a frame that draws only the part of
// the controls that changed leaves the window as a whole redraw of that frame would.
#include "platform/imgui_layer.h"

#include <SDL.h>
#include <epoxy/gl.h>
#include <gtest/gtest.h>
#include <imgui.h>

#include <string>
#include <vector>

#include "platform/gl_window.h"

namespace zembrol::platform {
namespace {

constexpr int kWidth = 320, kHeight = 200;

class ImGuiLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << "no display: " << SDL_GetError();
        std::string error;
        if (!window_.Create("layer test", kWidth, kHeight, &error)) GTEST_SKIP() << "no GL window: " << error;
        ASSERT_TRUE(layer_.Init(window_, "", "", 13, &error)) << error;
    }
    void TearDown() override {
        layer_.Shutdown();
        window_.Destroy();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    // One frame of controls: a shaded backdrop (kept as a picture after the first
    // frame), a still caption and a label that changes. True when the backdrop was kept.
    bool Build(const char* label) {
        const bool kept = layer_.BackdropCurrent("skin", kWidth, kHeight);
        layer_.NewFrame();
        // As the main window does: the backdrop is drawn only while it is not kept.
        if (layer_.BackdropWanted())
            ImGui::GetBackgroundDrawList()->AddRectFilledMultiColor({0, 0}, {kWidth, kHeight}, 0xFF402010u,
                                                                    0xFF104020u, 0xFF201040u, 0xFF404040u);
        ImGui::SetNextWindowPos({0, 0});
        ImGui::SetNextWindowSize({kWidth, kHeight});
        ImGui::Begin("panel", nullptr, ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoBackground);
        // A translucent plate under the caption: drawn twice, it would show darker.
        ImGui::GetWindowDrawList()->AddRectFilled({5, 5}, {170, 30}, 0x80FFFFFFu);
        ImGui::SetCursorPos({10, 10});
        ImGui::TextUnformatted("A caption that stays");
        ImGui::SetCursorPos({200, 150});
        ImGui::TextUnformatted(label);
        ImGui::End();
        layer_.EndFrame();
        return kept;
    }
    void DrawWhole(bool kept) {
        if (kept) layer_.CopyBackdrop();
        else window_.Clear(0, 0, 0);
        layer_.Draw();
        layer_.MarkShown();
    }
    static std::vector<unsigned char> BackBuffer() {
        std::vector<unsigned char> pixels(static_cast<size_t>(kWidth * kHeight * 4));
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    GlWindow window_;
    ImGuiLayer layer_;
};

TEST_F(ImGuiLayerTest, DrawingTheChangedPartEqualsDrawingTheWholeFrame) {
    DrawWhole(Build("12345"));   // the first frame keeps the backdrop picture,
    ASSERT_TRUE(Build("12345"));  // the next lays it: its backdrop is no longer drawn
    EXPECT_FALSE(layer_.ChangedBox().Empty());
    DrawWhole(true);
    ASSERT_TRUE(Build("12345"));
    EXPECT_TRUE(layer_.ChangedBox().Empty()) << "the same controls again";

    ASSERT_TRUE(Build("67890"));
    const PixelBox box = layer_.ChangedBox();
    ASSERT_FALSE(box.Empty());
    // Only the label's cells: the caption at the top and most of the window are left.
    EXPECT_GE(box.y, 128);
    EXPECT_GE(box.x, 160);
    EXPECT_LT(box.Area() * 8, kWidth * kHeight);
    layer_.CopyBackdrop(box);
    layer_.Draw(box);
    const std::vector<unsigned char> part = BackBuffer();

    ASSERT_TRUE(Build("67890"));
    EXPECT_EQ(layer_.ChangedBox(), box) << "nothing is shown until MarkShown";
    DrawWhole(true);
    EXPECT_TRUE(part == BackBuffer()) << "the part drawn alone leaves what a whole frame draws";
    ASSERT_TRUE(Build("67890"));
    EXPECT_TRUE(layer_.ChangedBox().Empty());
}

}  // namespace
}  // namespace zembrol::platform
