// The backdrop: the field quad and panels with the skin's picture, the grids and the
// Miracle meter's bar.
#include "render/backdrop_layer.h"

#include <algorithm>
#include <glm/gtc/matrix_transform.hpp>

#include "render/meshes.h"
#include "render/texel_density.h"
#include "render/textures.h"
#include "render/widgets.h"

namespace zembrol::render {

bool BackdropLayer::UploadQuad() { return fieldQuad_.Upload(FieldQuadMesh(), GL_TRIANGLES); }

bool BackdropLayer::InitGlobals() {
    const bool grid = grid_.Upload(GridLines(16, 33), GL_LINES);
    kit_.log("g_grid.gr_Init()", kLogPlain, grid);
    kit_.log("bt_ProgressBar", kLogPlain, true);
    kit_.log("q3_BKG", kLogPlain, true);
    if (!d_LoadTex32x32(&texPrb_, kit_.Fixed("prb.bmp"), kit_.log))
        kit_.log("Загрузка текстуры bt_Tex - " + kit_.Fixed("prb.bmp"), kLogPlain, false);
    const bool small = gridSmall_.Upload(GridLines(5, 5), GL_LINES);
    kit_.log("g_gridSmall.gr_Init()", kLogPlain, small);
    return grid && small;
}

std::vector<Instance> BackdropLayer::Quads(const Settings& settings) const {
    const int nexts = std::clamp<int>(settings.game.iNumNexts, 0, kQueueSize - 1);
    const Anchor next = NextPos(settings.g_SkinIndex), column = NextsPos(settings.g_SkinIndex);
    // The field, then the panels: the field quad scaled to 4.05 x 4.
    std::vector<Instance> quads{At(3.5f, -1.5f, -1)};
    auto panel = [&](float x, float y) {
        Instance i = At(x, y, -1);
        i.sx = 0.27f;
        i.sy = 0.125f;
        quads.push_back(i);
    };
    if (nexts > 0) panel(next.x - 0.5f, next.y - 0.5f);
    for (int k = 2; k <= nexts; ++k) panel(column.x - 0.5f, column.y + (k - 1) * 6 - 0.5f);
    return quads;
}

bool BackdropLayer::Magnified(const Instance& quad) const {
    const GlTexture& texture = kit_.skinTex[0];
    const glm::vec2 texels(static_cast<float>(texture.Width()), static_cast<float>(texture.Height()));
    const glm::vec2 viewport(static_cast<float>(kit_.view.width), static_cast<float>(kit_.view.height));
    static const MeshData mesh = FieldQuadMesh();
    std::array<TexturedCorner, 4> corners;
    for (size_t k = 0; k < corners.size(); ++k) {
        const RenderVertex& v = mesh.vertices[k];
        corners[k] = {{v.x * quad.sx + quad.ox, v.y * quad.sy + quad.oy, v.z * quad.sz + quad.oz},
                      {corners_[k].u, corners_[k].v}};
    }
    return QuadMagnified(corners, texels, kit_.viewProj, viewport);
}

void BackdropLayer::DrawDepth(const Settings& settings) {
    // The opaque backdrop drawn at the end of the frame covers whatever lies behind
    // it; laying its depth down first spares the rasteriser shading the world
    // spheres there. The picture is the same.
    Device& device = kit_.device;
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    device.SetWorld(glm::mat4(1.0f));
    device.SetTexture(nullptr);
    device.SetLighting(false);
    device.DrawInstanced(fieldQuad_, Quads(settings));
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void BackdropLayer::Deform() {
    // A still backdrop (type 0) has its corners at rest: a type switched off puts them back.
    if (!kit_.effects) return;
    const auto& c = kit_.effects->DeformQuad().Corners();
    bool same = true;
    for (size_t k = 0; k < 4; ++k) same = same && c[k].u == corners_[k].u && c[k].v == corners_[k].v;
    if (same) return;
    corners_ = c;
    // Corners 0..3 lie at (0, 0), (0, 32), (15, 0), (15, 32), as the field quad's vertices.
    std::vector<RenderVertex> v = FieldQuadMesh().vertices;
    for (size_t k = 0; k < 4; ++k) {
        v[k].u = c[k].u;
        v[k].v = c[k].v;
    }
    fieldQuad_.UpdateVertices(v);
}

void BackdropLayer::Draw(const GameState& state, const Settings& settings) {
    Device& device = kit_.device;
    device.SetMaterial(MatDefault());
    device.SetWorld(glm::mat4(1.0f));
    const int nexts = std::clamp<int>(settings.game.iNumNexts, 0, kQueueSize - 1);
    const Anchor next = NextPos(settings.g_SkinIndex), nexts0 = NextsPos(settings.g_SkinIndex);
    if (settings.bDrawSetka) {
        device.SetAlphaBlend(false);
        device.SetLighting(false);
        device.SetTexture(&kit_.skinTex[0]);
        Deform();
        // The backdrop picture is stretched over the field, where it is read from
        // its full-size picture alone; the small panels need its mip levels.
        std::vector<Instance> fullSize, mipmapped;
        for (const Instance& q : Quads(settings)) (Magnified(q) ? fullSize : mipmapped).push_back(q);
        if (!fullSize.empty()) {
            device.SetMipmaps(false);
            device.DrawInstanced(fieldQuad_, fullSize);
            device.SetMipmaps(true);
        }
        if (!mipmapped.empty()) device.DrawInstanced(fieldQuad_, mipmapped);
    }
    if (settings.bHideGrids) return;
    const ColorValue nextColor = FromArgb(255, settings.btMRedNext, settings.btMGreenNext, settings.btMBlueNext);
    device.SetAmbient(nextColor);
    device.SetLighting(true);
    device.SetMaterial(GridMaterial());
    device.SetTexture(nullptr);
    device.SetAlphaBlend(false);
    device.SetWorld(glm::translate(glm::mat4(1.0f), glm::vec3(3.5f, -1.5f, 0)));
    device.Draw(grid_);
    device.SetWorld(glm::mat4(1.0f));
    if (nexts <= 0) return;
    std::vector<Instance> small{At(next.x - 0.5f, next.y - 0.5f, 0, 1, nextColor)};
    for (int k = 2; k <= nexts; ++k) small.push_back(At(nexts0.x - 0.5f, nexts0.y + (k - 1) * 6 - 0.5f, 0, 1, nextColor));
    device.DrawInstanced(gridSmall_, small);
    // bt_ProgressBar: the Miracle meter fills the first panel from its left edge.
    const float width = ProgressBarWidth(state.g_MiracleMeter);
    if (width <= 0) return;
    device.SetAlphaBlend(true);
    device.SetModulate2x(false);
    device.SetTexture(&texPrb_);
    Instance bar = At(next.x - 0.5f, next.y - 0.5f, -1 + 0.5f, 1, FromArgb(0xFFEEEEEEu));
    bar.sx = width;
    bar.sy = 4;
    device.DrawInstanced(kit_.cornerQuad, {bar});
}

}  // namespace zembrol::render
