// The material window (frmPaint): the figures' material (m_Mat) edited while the game
// goes on. Four components, each four bars 0..255 (alpha, red, green, blue, in the
// order colours are made) kept per component, and the power. Changes reach the
// figures on the next frame and are never stored. Scripts drive and dump it
// (ScriptWindow); a window run draws it beside the game (ui/graph_views).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "loop/script_window.h"
#include "render/render_types.h"

namespace zembrol {

inline constexpr int kMaterialParts = 4;
// cmbType's items: the material's components.
inline constexpr std::array<const char*, kMaterialParts> kMaterialPartNames = {"diffuse", "Ambient", "specular",
                                                                               "emissive"};

class PaintWindow final : public ScriptWindow {
public:
    // The bars start from `material`; `apply` gets the material after every change.
    PaintWindow(const render::Material& material, std::function<void(const render::Material&)> apply);

    // Opening (again): the window shows the material as it is now.
    void Load() { closed_ = false; }
    int Part() const { return part_; }
    const std::array<int, 4>& Bars(int part) const { return bars_[static_cast<size_t>(part)]; }
    const render::Material& Material() const { return material_; }
    const std::string& Power() const { return power_; }   // txtPower

    const char* Name() const override { return "frmPaint"; }
    bool Closed() const override { return closed_; }
    bool Click(const std::string& control) override;   // "close" (its close box)
    bool Key(const std::string& key) override;         // "Esc" closes
    // txtPower: the text typed; a number becomes the power.
    bool Type(const std::string& text) override;
    // VScroll1(0..3) of the chosen component.
    bool Scroll(const std::string& control, int value) override;
    bool Choose(const std::string& control, const std::string& item) override;   // cmbType
    void CloseByDefault() override { Close(); }
    // Called when the window closes, however it is closed.
    std::function<void()> onClosed;
    std::vector<ControlValue> Controls() const override;

private:
    render::ColorValue& Component(int part);
    void Close();

    render::Material material_;
    std::function<void(const render::Material&)> apply_;
    std::array<std::array<int, 4>, kMaterialParts> bars_{};
    int part_ = 0;
    std::string power_;
    bool closed_ = true;
};

}  // namespace zembrol
