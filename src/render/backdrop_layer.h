// The backdrop of the field and the next-figure panels: the skin's backdrop picture
// on the field quad (deformed by the backdrop effect), the grids over it and the
// Miracle meter's progress bar. Owns the field quad, the grids and the bar's texture.
#pragma once

#include <array>
#include <vector>

#include "game/game_state.h"
#include "render/scene_kit.h"

namespace zembrol::render {

class BackdropLayer {
public:
    explicit BackdropLayer(SceneKit& kit) : kit_(kit) {}

    // The field quad (d_InitD3D); false on failure.
    bool UploadQuad();
    // The grids and the progress bar (InitGlobals); false when a grid is missing.
    bool InitGlobals();
    // The opaque backdrop's depth alone, laid down before the world spheres so the
    // rasteriser does not shade them where the backdrop will cover them.
    void DrawDepth(const Settings& settings);
    // The backdrop picture, the grids and the progress bar.
    void Draw(const GameState& state, const Settings& settings);

private:
    std::vector<Instance> Quads(const Settings& settings) const;
    // Whether a backdrop quad reads the backdrop texture's full-size picture alone.
    bool Magnified(const Instance& quad) const;
    // dq_MakeDeform's corners into the field quad's texture coordinates.
    void Deform();

    SceneKit& kit_;
    GlMesh fieldQuad_, grid_, gridSmall_;
    GlTexture texPrb_;
    std::array<TexCoord, 4> corners_{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
};

}  // namespace zembrol::render
