// The cells of the frame: field, removals, next figures and ghost, batched by texture.
#include "render/cells_layer.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

#include "game/figure_kinds.h"
#include "game/rounding.h"
#include "render/meshes.h"
#include "render/palette.h"
#include "render/textures.h"

namespace zembrol::render {

namespace {
// A cell's whole-numbered place in its block (cells sit on whole or half numbers).
int Place(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

ColorValue CellColor(const Settings& s) { return FromArgb(255, s.btMRed, s.btMGreen, s.btMBlue); }
}  // namespace

bool CellsLayer::UploadCube() { return cube_.Upload(CubeMesh(), GL_TRIANGLES); }

void CellsLayer::LoadFigureTextures() {
    kit_.log("Загрузка текстуры tex_Next", kLogPlain, d_LoadTex32x32(&texNext_, kit_.Fixed("texnext.bmp"), kit_.log));
    kit_.log("Загрузка текстуры tex_Zemb", kLogPlain, d_LoadTex32x32(&texZemb_, kit_.Fixed("texzemb.bmp"), kit_.log));
    kit_.log("Загрузка текстуры tex_SZemb", kLogPlain, d_LoadTex32x32(&texSZemb_, kit_.Fixed("texszemb.bmp"), kit_.log));
}

void CellsLayer::BeginFrame(const Settings& settings) {
    const float speedStep = 1.0f / static_cast<float>(settings.game.g_Speed + 1);
    if (fantomPulse_ >= 10) fantomStep_ = -speedStep;
    else if (fantomPulse_ <= 0) fantomStep_ = speedStep;
    fantomPulse_ += fantomStep_;
    marks_.clear();
}

const GlMesh& CellsLayer::CellMesh(const Settings& settings) const { return settings.bDetLevel ? cube_ : kit_.unitQuad; }

void CellsLayer::DrawBatch(const Settings& settings, std::vector<Instance>& cells, const CellSet* solid) {
    lights_.Choose(cells, kCellRadius);
    if (!settings.bDetLevel || kit_.blendOn) {
        LightRig::DrawChosen(kit_.device, CellMesh(settings), cells);
        return;
    }
    // Opaque cubes: of each only the faces turned toward the eye and not pressed
    // against a neighbour of the same block, each a unit quad laid onto its face.
    const Vec3 eye{kit_.eye.x, kit_.eye.y, kit_.eye.z};
    faces_.clear();
    for (const Instance& c : cells) {
        FaceMask mask = FacesTowardEye({c.ox, c.oy, c.oz}, c.sx, eye);
        if (solid) mask = static_cast<FaceMask>(mask & ~solid->CoveredAt(Place(c.ox), Place(c.oy)));
        for (int f = 0; f < 6; ++f)
            if (mask & (1u << f)) {
                faces_.push_back(c);
                faces_.back().face = static_cast<float>(f + 1);
            }
    }
    LightRig::DrawChosen(kit_.device, kit_.unitQuad, faces_);
}

void CellsLayer::DrawField(const GameState& state, const Settings& settings) {
    Device& device = kit_.device;
    const int level = std::clamp<int>(state.g_Level, 0, kMaxLevel);
    device.SetTexture(&kit_.skinTex[static_cast<size_t>(1 + level)]);
    device.SetMaterial(figureMaterial_);
    device.SetWorld(glm::mat4(1.0f));
    const ColorValue cell = CellColor(settings);
    device.SetAmbient(cell);
    std::vector<Instance> cells;
    cells.reserve(kPlayWidth * 31 + 16);
    CellSet solid;
    for (int x = kFirstCol; x <= state.RightCol(); ++x)
        for (int y = 0; y <= state.FloorRow(); ++y) {
            if (!state.g_Pole[static_cast<size_t>(x)][static_cast<size_t>(y)]) continue;
            solid.Add(x, y);
            const uint8_t kind = state.poleKinds[static_cast<size_t>(x)][static_cast<size_t>(y)];
            ColorValue amb = cell;
            if (settings.bColorBlind) {
                amb = KindAmbient(kind, settings);
            } else if (settings.bColorQuads) {
                const Color4& c = state.m_PoleColor[static_cast<size_t>(x)][static_cast<size_t>(y)];
                amb = FromArgb(255, RoundEven(settings.btMRed * c.r), RoundEven(settings.btMGreen * c.g), RoundEven(settings.btMBlue * c.b));
            }
            cells.push_back(At(static_cast<float>(x), static_cast<float>(y), 0, 1, amb));
            AddMark(cells.back(), kind, settings);
        }
    // The falling figure shares the field's texture, material and mesh: one draw.
    const FigureRec& fig = state.g_Figs[0];
    const uint8_t kind = FigureKindOf(fig);
    const ColorValue figureAmb = settings.bColorBlind ? KindAmbient(kind, settings) : cell;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (fig.Cells[static_cast<size_t>(i)][static_cast<size_t>(j)]) {
                solid.Add(state.g_FigX + i, state.g_FigY + j);
                cells.push_back(At(static_cast<float>(state.g_FigX + i), static_cast<float>(state.g_FigY + j), 0, 1, figureAmb));
                AddMark(cells.back(), kind, settings);
            }
    DrawBatch(settings, cells, &solid);
}

void CellsLayer::DrawRemovals(const Settings& settings) {
    if (!kit_.effects) return;
    Device& device = kit_.device;
    const ColorValue amb = device.Ambient();
    const clsDel& del = kit_.effects->Del();
    if (del.Showing()) {
        // The rows shrink to nothing while they come toward the viewer half a unit a frame.
        const float scale = static_cast<float>(clsDel::kFrames - del.DrawnFrame()) / clsDel::kFrames;
        std::vector<Instance> cells;
        for (int16_t row : del.Rows()) {
            if (row == 0) continue;
            for (int x = kFirstCol; x < kFirstCol + kPlayWidth; ++x)
                cells.push_back(At(static_cast<float>(x), row, del.DrawnFrame() / 2.0f, scale, amb));
        }
        if (!cells.empty()) lights_.DrawWithChosen(device, CellMesh(settings), cells, kCellRadius);
    }
    const clsRemoveFig& fig = kit_.effects->RemoveFig();
    if (fig.Active()) {
        // The figure's box tumbles about one fixed axis through its corner, three units
        // in front of the field; all lights may reach it as it turns.
        std::vector<Instance> cells;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (fig.Cells()[static_cast<size_t>(i)][static_cast<size_t>(j)])
                    cells.push_back(At(static_cast<float>(i), static_cast<float>(j), 0, 1, amb));
        const glm::mat4 world = glm::translate(glm::mat4(1.0f), glm::vec3(fig.Column(), fig.Y(), 3)) *
                                glm::rotate(glm::mat4(1.0f), fig.Angle(), glm::normalize(glm::vec3(1, 1, 0.3f)));
        device.SetWorld(world);
        device.DrawInstanced(CellMesh(settings), cells);
        device.SetWorld(glm::mat4(1.0f));
    }
}

void CellsLayer::DrawNextFigures(const GameState& state, const Settings& settings) {
    const int nexts = std::clamp<int>(settings.game.iNumNexts, 0, kQueueSize - 1);
    if (nexts <= 0) return;
    const Anchor next = NextPos(settings.g_SkinIndex), column = NextsPos(settings.g_SkinIndex);
    const ColorValue amb = kit_.device.Ambient();
    // One instanced draw per texture: plain, special, special Zemb. Only the first
    // figure's cubes touch (the others are half size on whole-numbered places).
    std::array<std::vector<Instance>, 3> groups;
    CellSet firstSolid;
    for (int e = 1; e <= nexts; ++e) {
        const FigureRec& f = state.g_Figs[static_cast<size_t>(e)];
        const size_t g = !f.IsSpecial ? 0 : f.IsZemb ? 2 : 1;
        const uint8_t kind = FigureKindOf(f);
        const ColorValue figureAmb = settings.bColorBlind ? KindAmbient(kind, settings) : amb;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                if (!f.Cells[static_cast<size_t>(i)][static_cast<size_t>(j)]) continue;
                if (e == 1) {
                    groups[g].push_back(At(next.x + i, next.y + j, 0, 1, figureAmb));
                    firstSolid.Add(Place(groups[g].back().ox), Place(groups[g].back().oy));
                } else {
                    groups[g].push_back(At(column.x + i, column.y + (e - 1) * 6 + j, 0, 0.5f, figureAmb));
                }
                AddMark(groups[g].back(), kind, settings);
            }
    }
    const GlTexture* tex[3] = {&texNext_, &texZemb_, &texSZemb_};
    const size_t firstGroup = !state.g_Figs[1].IsSpecial ? 0 : state.g_Figs[1].IsZemb ? 2 : 1;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].empty()) continue;
        kit_.device.SetTexture(tex[g]);
        DrawBatch(settings, groups[g], g == firstGroup ? &firstSolid : nullptr);
    }
}

void CellsLayer::DrawGhost(const GameState& state, const Settings& settings) {
    const int mode = settings.game.iFantom;
    if (mode == 0 || (mode == 1 && !state.g_Figs[0].IsSpecial)) return;
    kit_.device.SetTexture(&kit_.skinTex[13]);
    const float scale = fantomPulse_ / 100.0f + 0.87f;
    std::vector<Instance> cells;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (state.g_Figs[0].Cells[static_cast<size_t>(i)][static_cast<size_t>(j)])
                cells.push_back(At(static_cast<float>(state.m_FantomX + i), static_cast<float>(state.m_FantomY + j), 0,
                                   scale, kit_.device.Ambient()));
    DrawBatch(settings, cells, nullptr);
}

}  // namespace zembrol::render
