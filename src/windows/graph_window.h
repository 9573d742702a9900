// The graphics window (frmGraph): every control writes its setting and the running
// scene takes it at once — through GraphTargets for what the scene keeps of its own
// (the backdrop's deformation, the world's speed, one texture, blending), and by
// reading the settings each frame for the rest. Scripts drive and dump it by control
// name (ScriptWindow); a window run draws it with ImGui (ui/graph_views). The controls
// that show a setting are rows of the settings table (settings/setting_rows.h).
//
//   tabs tbsMain(0..7): 0 transparency, 1 cells, 2 light colours, 3 flying texts,
//   4 field backdrop and grid, 5 field lights, 6 textures, 7 world; fraHelp below.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "loop/script_window.h"
#include "settings/setting_rows.h"
#include "settings/settings.h"
#include "ui/graph_views.h"

namespace zembrol {

inline constexpr int kGraphTabs = 8;
inline constexpr int kDeformTypes = 14;      // cmbDeformType: 0 still, 1..13 the deformations
inline constexpr int kBlendItems = 10;       // cmbSource, cmbDest
inline constexpr int kLightsMax = 16;          // sldNumLights
// The list items of cmbSource and cmbDest, in the order of the blend table.
inline constexpr std::array<const char*, kBlendItems> kBlendNames = {
    "DESTALPHA", "DESTCOLOR", "INVDESTALPHA", "INVDESTCOLOR", "INVSRCALPHA",
    "INVSRCCOLOR", "ONE", "SRCALPHA", "SRCCOLOR", "ZERO"};
inline constexpr const char* kTexturePattern = "*.jpg;*.bmp;*.tga;*.dds;*.dib;*.png";
inline constexpr const char* kTextureNotLoaded = "Не удалось загрузить текстуру ";

// What the running scene is told when the window changes something it keeps.
class GraphTargets {
public:
    virtual ~GraphTargets() = default;
    virtual void DeformTypeChanged() {}      // gr_MoveBkg (the speed with it)
    virtual void DeformSpeedChanged() {}     // dq_ValueDelay
    virtual void WorldSpeedChanged() {}      // m_WorldSpeed: the world re-initialised
    virtual void BannerSwitched() {}         // bWalkText
    virtual void ShowLights(int /*count*/) {}   // while dragging; -1: gr_NumLights again
    virtual void BlendChanged() {}           // gr_Alpha, gr_AlphaSource, gr_AlphaDest
    virtual void ModulateChanged(bool /*enhanced*/) {}
    // The texture of gr_arTex index `index` loaded again from its (new) path; false
    // when the file did not load and the old texture stays.
    virtual bool ReloadTexture(int /*index*/) { return true; }
};

// The window's texts: list items and the help texts by language key ("startHelp").
struct GraphTexts {
    std::array<std::string, kDeformTypes> deformTypes;
    std::array<std::string, kTextureKeys> textures;
    std::function<std::string(const std::string&)> help;
};

class GraphWindow final : public ScriptWindow {
public:
    // `modulate2x`: the run's modulation choice (kept for the run, never stored).
    GraphWindow(Settings& settings, bool& modulate2x, GraphTargets& targets, GraphTexts texts);

    // gg_GetPathAndFile: true with the chosen full path.
    std::function<bool(const std::string& pattern, const std::string& folder, std::string* path)> chooseFile;
    std::function<void(const std::string&)> infoBox;   // g_InfoBox
    std::string textureFolder;                          // where a choice starts without a file

    // Opening: every control from the current settings, the first tab, "startHelp".
    void Load();
    // The pointer over a control ("sldMainLight(3)", "optDetal(1)"); empty: over the
    // window itself. The help label shows the control's "_MouseMove" text.
    void Hover(const std::string& control);

    const char* Name() const override { return "frmGraph"; }
    bool Closed() const override { return closed_; }
    bool Click(const std::string& control) override;
    bool Key(const std::string& key) override;   // "Esc" closes
    bool Choose(const std::string& control, const std::string& item) override;
    // sldNumLights.Scroll: the slider dragged (the lights follow, nothing is stored);
    // sldNumLights: released there.
    bool Slide(const std::string& control, int value) override;
    void CloseByDefault() override { Close(); }
    std::vector<ControlValue> Controls() const override;

    // What the view shows beside the settings themselves.
    GraphShown Shown() const;
    // The items of a list row.
    std::vector<std::string> ListText(ListItems items) const;

private:
    void Close();
    bool ClickIndexed(const std::string& name, int index);
    // What a row's change tells the scene at once (`index`: the option clicked).
    void Apply(const SettingRow& row, int index);
    void ChooseTextureFile();
    void SetHelp(const std::string& key) { helpKey_ = key; }

    Settings& s_;
    bool& modulate2x_;
    GraphTargets& targets_;
    GraphTexts texts_;
    int tab_ = 0;
    int texture_ = 0;          // cmbTex
    int lightsShown_ = -1;     // sldNumLights while dragged, else -1
    std::string helpKey_ = "startHelp";
    bool closed_ = false;
};

}  // namespace zembrol
