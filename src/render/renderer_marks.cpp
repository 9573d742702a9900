// The renderer's shape marks: the atlas texture, a mark on the front of each cell of
// the field, the falling figure and the next figures, all drawn with one call.
#include "render/renderer.h"
#include "render/shape_marks.h"

namespace zembrol::render {

bool Renderer::LoadMarks() {
    const MarkAtlas atlas = MakeMarkAtlas();
    return texMarks_.UploadRgba(atlas.width, atlas.height, atlas.pixels.data());
}

void Renderer::AddMark(const Instance& cell, uint8_t kind, const Settings& settings) {
    if (!settings.bShapeMarks) return;
    Instance m;
    // Just in front of the cell's front: the cube's face, or the flat square itself.
    const float front = settings.bDetLevel ? cell.sz * 0.5f : 0.0f;
    m.ox = cell.ox;
    m.oy = cell.oy;
    m.oz = cell.oz + front + 0.02f * cell.sz;
    m.sx = m.sy = kMarkSize * cell.sx;
    m.us = 1.0f / kFigureKinds;
    m.uo = static_cast<float>(kind < kFigureKinds ? kind : kOtherKind) / kFigureKinds;
    marks_.push_back(m);
}

void Renderer::DrawMarks() {
    if (marks_.empty() || texMarks_.Id() == 0) return;
    // Unlit, so a mark reads the same under every light; blended over the cell.
    device_.SetLighting(false);
    device_.SetModulate2x(false);
    device_.SetAlphaBlend(true);
    device_.SetBlendFactors(kBlendSrcAlpha, kBlendInvSrcAlpha);
    device_.SetTexture(&texMarks_);
    device_.SetWorld(glm::mat4(1.0f));
    device_.DrawInstanced(unitQuad_, marks_);
    device_.SetLighting(true);
    device_.SetAlphaBlend(blendOn_);
    device_.SetBlendFactors(blendSource_, blendDest_);
}

}  // namespace zembrol::render
