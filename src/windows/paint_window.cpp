// frmPaint: the bars of each component, and the material they make.
#include "windows/paint_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/number_text.h"

namespace zembrol {

namespace {

int Bar(float part) { return std::clamp(static_cast<int>(std::lround(part * 255.0f)), 0, 255); }

std::string PowerText(float power) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(power));
    return buf;
}

}  // namespace

PaintWindow::PaintWindow(const render::Material& material, std::function<void(const render::Material&)> apply)
    : material_(material), apply_(std::move(apply)), power_(PowerText(material.power)) {
    for (int p = 0; p < kMaterialParts; ++p) {
        const render::ColorValue& c = Component(p);
        bars_[static_cast<size_t>(p)] = {Bar(c.a), Bar(c.r), Bar(c.g), Bar(c.b)};
    }
}

render::ColorValue& PaintWindow::Component(int part) {
    switch (part) {
        case 0: return material_.diffuse;
        case 1: return material_.ambient;
        case 2: return material_.specular;
        default: return material_.emissive;
    }
}

bool PaintWindow::Click(const std::string& control) {
    if (control != "close") return false;
    Close();
    return true;
}

bool PaintWindow::Key(const std::string& key) {
    if (key != "Esc") return false;
    Close();
    return true;
}

void PaintWindow::Close() {
    if (closed_) return;
    closed_ = true;
    if (onClosed) onClosed();
}

bool PaintWindow::Choose(const std::string& control, const std::string& item) {
    if (control != "cmbType") return false;
    const int k = ItemIndex(kMaterialPartNames, item);
    if (k < 0) return false;
    part_ = k;   // the bars show the component's own four values
    return true;
}

bool PaintWindow::Scroll(const std::string& control, int value) {
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index) || name != "VScroll1" || index < 0 || index >= 4) return false;
    std::array<int, 4>& bars = bars_[static_cast<size_t>(part_)];
    bars[static_cast<size_t>(index)] = std::clamp(value, 0, 255);
    render::MakeColorValue(&Component(part_), bars[0] / 255.0f, bars[1] / 255.0f, bars[2] / 255.0f, bars[3] / 255.0f);
    if (apply_) apply_(material_);
    return true;
}

bool PaintWindow::Type(const std::string& text) {
    power_ = text;
    // What is not a number yet (an empty box, a lone minus) leaves the power as it was.
    const NumberRead<float> n = ParseNumberIn(text, 0.0f, 1000.0f);
    if (n) {
        material_.power = n.value;
        if (apply_) apply_(material_);
    }
    return true;
}

std::vector<ControlValue> PaintWindow::Controls() const {
    std::vector<ControlValue> c{{"cmbType", kMaterialPartNames[static_cast<size_t>(part_)]}};
    const std::array<int, 4>& bars = bars_[static_cast<size_t>(part_)];
    for (int k = 0; k < 4; ++k) c.push_back({"VScroll1(" + std::to_string(k) + ")", std::to_string(bars[static_cast<size_t>(k)])});
    c.push_back({"txtPower", power_});
    // The picture box: the chosen component's colour.
    c.push_back({"picColor", std::to_string(bars[1]) + " " + std::to_string(bars[2]) + " " + std::to_string(bars[3]),
                 ControlColor(bars[1], bars[2], bars[3])});
    return c;
}

}  // namespace zembrol
