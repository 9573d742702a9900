// The cells' shape marks: the atlas texture, a mark on the front of each cell of the
// field, the falling figure and the next figures, all drawn with one call.
#include "render/cells_layer.h"
#include "render/shape_marks.h"

namespace zembrol::render {

bool CellsLayer::LoadMarks() {
    const MarkAtlas atlas = MakeMarkAtlas();
    return texMarks_.UploadRgba(atlas.width, atlas.height, atlas.pixels.data());
}

void CellsLayer::AddMark(const Instance& cell, uint8_t kind, const Settings& settings) {
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

void CellsLayer::DrawMarks() {
    if (marks_.empty() || texMarks_.Id() == 0) return;
    // Unlit, so a mark reads the same under every light; blended over the cell.
    Device& device = kit_.device;
    device.SetLighting(false);
    device.SetModulate2x(false);
    device.SetAlphaBlend(true);
    device.SetBlendFactors(kBlendSrcAlpha, kBlendInvSrcAlpha);
    device.SetTexture(&texMarks_);
    device.SetWorld(glm::mat4(1.0f));
    device.DrawInstanced(kit_.unitQuad, marks_);
    device.SetLighting(true);
    device.SetAlphaBlend(kit_.blendOn);
    device.SetBlendFactors(kit_.blendSource, kit_.blendDest);
}

}  // namespace zembrol::render
