// The world spheres: their turn, their drawing, and their kept picture.
#include "render/world_spheres.h"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtx/euler_angles.hpp>

#include "render/meshes.h"

namespace zembrol::render {

bool WorldSpheres::UploadShape() {
    // The shape of 12 slices and 12 stacks that draws the world (the second shape
    // the old program made drew nothing).
    return shape_.Upload(ShapeSphere(12, 12), GL_TRIANGLES);
}

void WorldSpheres::SetSpeed(int worldSpeed) {
    factor_ = static_cast<float>(std::pow(2.0, worldSpeed) / 10.0);
    for (auto& rates : rates_)
        for (float& r : rates) r = static_cast<float>((kit_.rng.Rnd() - 0.5) * 5e-05) * factor_;
}

void WorldSpheres::Advance(const Settings& settings) {
    if (settings.m_WorldSpeed == 0) return;
    for (size_t s = 0; s < 2; ++s)
        for (size_t a = 0; a < 3; ++a) {
            if (kit_.rng.Rnd() > 0.99) rates_[s][a] = static_cast<float>(kit_.rng.Rnd() * 5e-05 - 2.5e-05) * factor_;
            angles_[s][a] += rates_[s][a];
        }
}

void WorldSpheres::DrawSpheres() {
    // The cells' material under the lights; none of the lights reaches this far.
    Device& device = kit_.device;
    device.SetMaterial(MatDefault());
    device.SetLighting(true);
    device.SetTexture(&kit_.skinTex[14]);
    device.SetModulate2x(false);
    device.SetAlphaBlend(true);
    device.SetBlendFactors(kBlendOne, kBlendOne);
    device.SetAmbient(FromArgb(0xFFBBBBBBu));
    const float scales[2] = {350, 300};
    for (size_t s = 0; s < 2; ++s) {
        // The first sphere lies behind everything drawn so far, so wherever it passes
        // the depth test it adds to the cleared black: writing it unblended gives the
        // same picture without reading the target back.
        device.SetAlphaBlend(s == 1);
        const auto& a = angles_[s];
        const glm::mat4 world = glm::translate(glm::mat4(1.0f), glm::vec3(11, 15, 0)) *
                                glm::scale(glm::mat4(1.0f), glm::vec3(scales[s])) * glm::yawPitchRoll(a[0], a[1], a[2]);
        device.SetWorld(world);
        device.Draw(shape_);
    }
    device.SetWorld(glm::mat4(1.0f));
}

void WorldSpheres::DrawIntoFrame(const Settings& settings) {
    // Translucent cells were blended against the black behind them before the world
    // came: there the world is drawn into the frame at its place, as it always was.
    Advance(settings);
    layer_.Invalidate();   // it turns on meanwhile
    DrawSpheres();
}

bool WorldSpheres::Lay(const Settings& settings, int viewGlY) {
    const ViewRect& view = kit_.view;
    if (kit_.blendOn || !layer_.Resize(view.width, view.height)) return false;
    Advance(settings);
    // The world turns by well under a pixel in a few frames: its picture is drawn
    // again every fourth frame, and at once when the camera moved or the picture
    // was made anew.
    constexpr int kWorldRefreshFrames = 4;
    const bool cameraMoved = kit_.eye != eye_ || kit_.lookAt != lookAt_ || kit_.up != up_ || kit_.fov != fov_;
    if (!layer_.Current() || cameraMoved || ++age_ >= kWorldRefreshFrames) {
        layer_.Begin();
        DrawSpheres();
        layer_.End();
        age_ = 0;
        eye_ = kit_.eye;
        lookAt_ = kit_.lookAt;
        up_ = kit_.up;
        fov_ = kit_.fov;
    }
    layer_.Lay(view.x, viewGlY);
    return true;
}

}  // namespace zembrol::render
