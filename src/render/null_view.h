// The view of a headless run: nothing is drawn and no GL is opened. What the
// configuration asks of the view is taken; a texture chosen in the graphics window
// is still decoded, so a file that is no picture fails as it would in a window.
#pragma once

#include "render/render_log.h"
#include "render/view.h"

namespace zembrol::render {

class NullView : public View {
public:
    explicit NullView(RenderReports reports = {}) : reports_(std::move(reports)) {}

    bool InitGlobals(const Settings&) override { return true; }
    void GraphicsLoaded(const Settings&) override {}
    void m_ApplyAlpha(const Settings&) override {}
    void cs_SetWorldSpeed(int) override {}
    void ResetLabelSweeps(int) override {}
    bool ReloadSkinTexture(int index, const std::string& path) override;
    void ShowLights(int) override {}
    void SetModulate2x(bool) override {}
    void SetFigureMaterial(const Material&) override {}
    void FlyNumber(NumberFlight, int32_t, float, float, const GameState&, const Settings&) override {}
    void SetCamera(const glm::vec3&, const glm::vec3&, const glm::vec3&, float) override {}
    void SetLabelPlaces(int, int) override {}
    void m_DrawAll(const GameState&, const Settings&, int, int) override {}
    std::array<int, 2> LabelHeights() const override { return {}; }
    bool ReadView(platform::RgbaImage*) const override { return false; }
    void Finish() const override {}
    void MeasureFrames(bool) override {}
    const std::vector<double>& MeasuredFrames() const override { return none_; }
    int DrawCalls() const override { return 0; }

private:
    RenderReports reports_;
    std::vector<double> none_;
};

}  // namespace zembrol::render
