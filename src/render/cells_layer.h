// The cells: the field's blocks with the falling figure, the removal effects' cells,
// the next figures, the ghost, and the shape marks on their fronts. Owns the cube,
// the next figures' textures, the marks' atlas, the figures' material and the ghost's
// pulse.
#pragma once

#include <vector>

#include "game/game_state.h"
#include "render/cell_faces.h"
#include "render/light_rig.h"
#include "render/scene_kit.h"

namespace zembrol::render {

class CellsLayer {
public:
    CellsLayer(SceneKit& kit, const LightRig& lights) : kit_(kit), lights_(lights) {}

    // The cube (d_InitD3D); false on failure.
    bool UploadCube();
    // The shape marks' atlas; false on failure.
    bool LoadMarks();
    // The next figures' textures (InitGlobals' last step), each logged.
    void LoadFigureTextures();

    // m_Mat: the material the figures' cells are drawn with (the material editor's).
    void SetFigureMaterial(const Material& m) { figureMaterial_ = m; }
    const Material& FigureMaterial() const { return figureMaterial_; }

    // The ghost's pulse, once per frame, and the frame's marks forgotten.
    void BeginFrame(const Settings& settings);
    // The field and the falling figure, in one draw.
    void DrawField(const GameState& state, const Settings& settings);
    // The row-removal and removed-figure effects, with the field's texture, material
    // and ambient still set so their cells look like the field's.
    void DrawRemovals(const Settings& settings);
    void DrawNextFigures(const GameState& state, const Settings& settings);
    void DrawGhost(const GameState& state, const Settings& settings);
    // All of the frame's shape marks in one draw.
    void DrawMarks();

private:
    const GlMesh& CellMesh(const Settings& settings) const;
    // Cells of one texture: opaque cubes draw only the faces that can show; `solid`
    // (may be null) holds the batch's touching edge-1 cubes.
    void DrawBatch(const Settings& settings, std::vector<Instance>& cells, const CellSet* solid);
    // One mark on the front of a cell just laid out (cell_marks.cpp).
    void AddMark(const Instance& cell, uint8_t kind, const Settings& settings);

    SceneKit& kit_;
    const LightRig& lights_;
    GlMesh cube_;
    GlTexture texNext_, texZemb_, texSZemb_, texMarks_;
    Material figureMaterial_ = MatDefault();
    float fantomPulse_ = 0, fantomStep_ = 0;   // the ghost's size, between 0 and 10
    std::vector<Instance> faces_;   // the cube faces of one cell batch, reused
    std::vector<Instance> marks_;   // the frame's shape marks
};

}  // namespace zembrol::render
