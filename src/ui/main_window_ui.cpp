// The main window's controls, drawn with ImGui around the 3D view.
//
//   [Sections] skin background - labels - buttons - record lists
#include "ui/main_window_ui.h"

#include <imgui.h>

#include <algorithm>
#include <cfloat>
#include <functional>

#include "game/game_state.h"
#include "ui/main_captions.h"

namespace zembrol {

namespace {

std::vector<UiRect> g_controlRects;

// 0x00BBGGRR window colour to ImGui's packed colour.
ImU32 FromBgr(uint32_t bgr, int alpha = 255) {
    return IM_COL32(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF, alpha);
}

struct SkinColors {
    ImU32 top, bottom, panel, frame, accent;
};

SkinColors Skin(int skin) {
    switch (skin) {
        case 2: return {IM_COL32(10, 44, 40, 255), IM_COL32(4, 16, 18, 255), IM_COL32(255, 255, 255, 18),
                        IM_COL32(90, 200, 170, 110), IM_COL32(120, 235, 190, 255)};
        case 3: return {IM_COL32(52, 40, 30, 255), IM_COL32(16, 14, 14, 255), IM_COL32(255, 240, 220, 16),
                        IM_COL32(210, 160, 90, 110), IM_COL32(245, 190, 110, 255)};
        default: return {IM_COL32(30, 30, 74, 255), IM_COL32(8, 10, 26, 255), IM_COL32(255, 255, 255, 16),
                         IM_COL32(110, 130, 255, 110), IM_COL32(150, 170, 255, 255)};
    }
}

// Layout helper: base pixels to window pixels. The base layout keeps its shape in
// any window: scaled by s and centred, its top-left at (ox, oy).
struct Layout {
    float s, ox = 0, oy = 0;
    ImVec2 P(float x, float y) const { return ImVec2(ox + x * s, oy + y * s); }   // a place
    ImVec2 S(float w, float h) const { return ImVec2(w * s, h * s); }             // a size
    float L(float v) const { return v * s; }
};

// Background of the whole window but the 3D view, which the renderer has drawn.
void DrawSkin(const MainWindowView& v, const Layout& lay) {
    ImDrawList* dl = ImGui::GetBackgroundDrawList();
    const SkinColors c = Skin(v.skin);
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    const UiRect& r = v.view;
    auto band = [&](float x0, float y0, float x1, float y1) {
        if (x1 <= x0 || y1 <= y0) return;
        if (v.skinPicture) {
            // The picture covers the window; each band shows its own part of it.
            const ImTextureID tex = reinterpret_cast<ImTextureID>(v.skinPicture);
            dl->AddImage(tex, ImVec2(x0, y0), ImVec2(x1, y1), ImVec2(x0 / size.x, y0 / size.y),
                         ImVec2(x1 / size.x, y1 / size.y));
            return;
        }
        // The vertical gradient runs over the whole window, so the bands meet seamlessly.
        auto mix = [&](float y) {
            float t = size.y > 0 ? y / size.y : 0;
            ImVec4 a = ImGui::ColorConvertU32ToFloat4(c.top), b = ImGui::ColorConvertU32ToFloat4(c.bottom);
            return ImGui::ColorConvertFloat4ToU32(ImVec4(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t,
                                                         a.z + (b.z - a.z) * t, 1));
        };
        dl->AddRectFilledMultiColor(ImVec2(x0, y0), ImVec2(x1, y1), mix(y0), mix(y0), mix(y1), mix(y1));
    };
    band(0, 0, size.x, r.y);
    band(0, r.y + r.h, size.x, size.y);
    band(0, r.y, r.x, r.y + r.h);
    band(r.x + r.w, r.y, size.x, r.y + r.h);
    dl->AddRect(ImVec2(r.x - 2, r.y - 2), ImVec2(r.x + r.w + 2, r.y + r.h + 2), c.frame, lay.L(4), 0, lay.L(2));
    // The panel behind the labels and buttons.
    dl->AddRectFilled(lay.P(388, 46), lay.P(780, 592), c.panel, lay.L(10));
    dl->AddRect(lay.P(388, 46), lay.P(780, 592), c.frame, lay.L(10));
    dl->AddRect(ImVec2(0.5f, 0.5f), ImVec2(size.x - 0.5f, size.y - 0.5f), c.frame, lay.L(18));
}

void Text(ImFont* font, ImVec2 at, ImU32 color, const std::string& text) {
    ImGui::GetWindowDrawList()->AddText(font, font->FontSize, at, color, text.c_str());
}

void Remember(ImVec2 min, ImVec2 size) { g_controlRects.push_back(UiRect{min.x, min.y, size.x, size.y}); }

// A push-like check box drawn as a button; `pressed` shows it held down.
bool Button(const MainWindowView& v, MainWindowInput& in, const char* name, const std::string& caption, ImVec2 at,
            ImVec2 size, bool pressed, const SkinColors& c) {
    const bool lit = v.highlighted == name;
    ImGui::SetCursorPos(at);
    ImGui::PushStyleColor(ImGuiCol_Text, lit ? FromBgr(0xFFFFFF) : FromBgr(ControlsColor(v.controlsColor)));
    ImU32 bg = pressed ? c.accent : IM_COL32(255, 255, 255, 24);
    if (lit) bg = FromBgr(0xFF0000);  // blue
    ImGui::PushStyleColor(ImGuiCol_Button, bg);
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, lit ? bg : IM_COL32(255, 255, 255, 48));
    ImGui::PushStyleColor(ImGuiCol_ButtonActive, c.accent);
    if (pressed) ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(10, 10, 20, 255));
    const std::string label = caption + "##" + name;
    const bool clicked = ImGui::Button(label.c_str(), size);
    ImGui::PopStyleColor(pressed ? 5 : 4);
    Remember(ImGui::GetItemRectMin(), ImGui::GetItemRectSize());
    if (clicked) in.clicked.emplace_back(name);
    if (ImGui::IsItemHovered() && (ImGui::GetIO().MouseDelta.x != 0 || ImGui::GetIO().MouseDelta.y != 0))
        in.hovered = name;
    return clicked;
}

// The rows align their scores with spaces (place, name padded to 15 characters,
// score), so they are drawn in the monospaced `rowFont` when there is one. The
// selected row (the player's place) is lit; the list scrolls to `top` when it changes.
void RecordList(const char* id, const char* title, std::span<const std::string> rows, int selected, int top,
                int* appliedTop, ImVec2 at, ImVec2 size, const Layout& lay, ImU32 textColor, const SkinColors& c,
                ImFont* rowFont) {
    ImGui::SetCursorPos(at);
    ImGui::PushStyleColor(ImGuiCol_ChildBg, IM_COL32(0, 0, 0, 70));
    ImGui::PushStyleColor(ImGuiCol_Text, textColor);
    // Narrow margins and scroll bar leave the width to the rows.
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, lay.S(5, 4));
    ImGui::PushStyleVar(ImGuiStyleVar_ScrollbarSize, lay.L(8));
    ImGui::BeginChild(id, size, true);
    ImGui::TextColored(ImGui::ColorConvertU32ToFloat4(c.accent), "%s", title);
    ImGui::Separator();
    if (rowFont) ImGui::PushFont(rowFont);
    const float firstRowY = ImGui::GetCursorPosY();
    const float rowStep = ImGui::GetTextLineHeightWithSpacing();
    if (top != *appliedTop) {
        *appliedTop = top;
        // Row `top` at the top of the list; row 0 shows the title above it too.
        ImGui::SetScrollY(top == 0 ? 0.f : firstRowY + static_cast<float>(top) * rowStep - ImGui::GetStyle().WindowPadding.y);
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const ImVec2 p = ImGui::GetCursorScreenPos();
        const ImVec2 end(p.x + ImGui::GetContentRegionAvail().x, p.y + ImGui::GetTextLineHeight());
        if (static_cast<int>(i) == selected)
            ImGui::GetWindowDrawList()->AddRectFilled(p, end, (c.accent & 0x00FFFFFF) | 0x60000000);
        else if (i % 2 == 1)
            ImGui::GetWindowDrawList()->AddRectFilled(p, end, IM_COL32(255, 255, 255, 14));
        if (rowFont) {
            ImGui::TextUnformatted(rows[i].c_str());
            continue;
        }
        // A proportional face cannot line the scores up with spaces: the score goes
        // to the right edge instead, the place and name stay at the left.
        const std::string& row = rows[i];
        const size_t cut = row.find_last_of(' ');
        if (cut == std::string::npos) {
            ImGui::TextUnformatted(row.c_str());
            continue;
        }
        const char* score = row.c_str() + cut + 1;
        ImGui::TextUnformatted(row.c_str(), row.c_str() + row.find_last_not_of(' ', cut) + 1);
        ImGui::SameLine(ImGui::GetContentRegionMax().x - ImGui::CalcTextSize(score).x);
        ImGui::TextUnformatted(score);
    }
    if (rows.empty()) ImGui::TextDisabled("-");
    if (rowFont) ImGui::PopFont();
    ImGui::EndChild();
    ImGui::PopStyleVar(2);
    ImGui::PopStyleColor(2);
    Remember(ImGui::GetItemRectMin(), ImGui::GetItemRectSize());
}

// lblLevelPlace: two blocks beside the score, the record table's above the level's.
// Each shows the place and the distance to the first place on its first line and the
// first-place holder on its second; its label sweep lights it from the top down.
void PlaceLabels(const MainWindowView& v, const MainCaptions& cap, const Layout& lay,
                 const std::function<ImVec2(float, float)>& at, ImFont* font, ImU32 text, const SkinColors& c) {
    ImDrawList* dl = ImGui::GetWindowDrawList();
    const float lineHeight = 17;
    struct Block { int table; float y; const std::string* caption; };
    const Block blocks[] = {{1, 52, &cap.lblPlaceCap}, {0, 90, &cap.lblLevelPlaceCap}};
    for (const Block& b : blocks) {
        const int sweep = v.labelHeights[static_cast<size_t>(b.table)];
        if (sweep > 0) {
            // The sweep counts twips: 15 to a pixel of the base layout.
            const float h = std::min(static_cast<float>(sweep) / 15.f, 2 * lineHeight + 4);
            dl->AddRectFilled(at(596, b.y), at(778, b.y + h), (c.accent & 0x00FFFFFF) | 0x38000000, lay.L(4));
        }
        const std::string& place = v.lblLevelPlace[static_cast<size_t>(2 + b.table)];
        const std::string& distance = v.lblLevelPlace[static_cast<size_t>(b.table)];
        const std::string& leader = v.lblLevelPlace[static_cast<size_t>(4 + b.table)];
        if (place.empty()) continue;
        Text(font, at(600, b.y + 1), c.accent, *b.caption + " " + place);
        const float dw = font->CalcTextSizeA(font->FontSize, FLT_MAX, 0, distance.c_str()).x;
        const ImVec2 right = at(774, b.y + 1);
        Text(font, ImVec2(right.x - dw, right.y), text, distance);
        Text(font, at(600, b.y + 1 + lineHeight), text, cap.lblLeaderCap + " " + leader);
    }
}

}  // namespace

uint32_t ControlsColor(int16_t index) {
    static const uint32_t kColors[] = {0xF0F0F0, 0xA0F0FF, 0xA0FFA0, 0xFFF0A0,
                                       0x80C0FF, 0xE0B0FF, 0xFFC890, 0xC8C8C8};
    return kColors[(index >= 0 && index < 8) ? index : 0];
}

const std::vector<UiRect>& ControlRects() { return g_controlRects; }

MainWindowInput DrawMainWindow(const MainWindowView& v) {
    MainWindowInput in;
    g_controlRects.clear();
    const Layout lay{v.scale, v.originX, v.originY};
    const SkinColors c = Skin(v.skin);
    if (v.drawBackdrop) DrawSkin(v, lay);

    ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(io.DisplaySize);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, lay.L(6));
    ImGui::Begin("##main", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoBackground | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBringToFrontOnFocus |
                     ImGuiWindowFlags_NoScrollWithMouse);
    ImFont* font = io.Fonts->Fonts[0];
    ImFont* big = io.Fonts->Fonts.Size > 1 ? io.Fonts->Fonts[1] : font;
    const ImU32 text = FromBgr(ControlsColor(v.controlsColor));
    auto at = [&](float x, float y) { return lay.P(x, y); };

    // Title and the two corner labels (minimise = pause, close).
    Text(big, at(26, 8), c.accent, "ZEMBROL");
    const bool litMin = v.highlighted == "lblMin0", litClose = v.highlighted == "lblMin1";
    Button(v, in, "lblMin0", "_", lay.P(720, 12), lay.S(26, 24), false, c);
    Button(v, in, "lblMin1", "x", lay.P(752, 12), lay.S(26, 24), false, c);
    if (litMin) Text(font, at(730, 14), FromBgr(0x00FF00), "_");
    if (litClose) Text(font, at(761, 15), FromBgr(0x0000FF), "x");

    // Score, level and the place labels.
    static const MainCaptions kNoCaptions;
    const MainCaptions& cap = v.captions ? *v.captions : kNoCaptions;
    if (const GameState* s = v.state) {
        Text(font, at(402, 54), c.accent, cap.lblScoreCap);
        Text(big, at(402, 70), text, s->lblScore);
        Text(font, at(402, 108), text, s->lblLevel);
        PlaceLabels(v, cap, lay, at, font, text, c);

        const std::string* values[] = {&s->lblDB, &s->lblTB, &s->lblChB, &s->lblInvB, &s->lblCoB};
        for (int i = 0; i < 5; ++i) {
            const float y = 134 + 19 * i;
            Text(font, at(402, y), text, cap.lblBonusCap[static_cast<size_t>(i)]);
            Text(font, at(560, y), c.accent, *values[i]);
        }
        for (int i = 0; i < 4; ++i) {
            if (i == v.blinkLabel) continue;
            Text(font, at(402 + 186 * (i % 2), 236 + 19 * (i / 2)), text, s->lblCountLines[static_cast<size_t>(i)]);
        }
        // Take-back indicators: one lamp per take-back left.
        ImDrawList* dl = ImGui::GetWindowDrawList();
        Text(font, at(402, 280), text, cap.lblTakeBackCap);
        for (int i = 0; i < 3; ++i) {
            ImVec2 p0 = at(500 + 24 * i, 282), p1 = at(516 + 24 * i, 298);
            bool on = s->g_LastFig.Images[static_cast<size_t>(i)];
            dl->AddRectFilled(p0, p1, on ? c.accent : IM_COL32(255, 255, 255, 30), lay.L(3));
        }
    }

    // Buttons. The language button reads the same in every language, so a player
    // who cannot read the current one still finds it.
    const ImVec2 bs = lay.S(120, 26);
    Button(v, in, "chkNew", cap.chkNew, lay.P(402, 312), bs, false, c);
    Button(v, in, "chkPause", cap.chkPause, lay.P(528, 312), bs, v.pausePressed, c);
    Button(v, in, "chkDemo", cap.chkDemo, lay.P(654, 312), bs, v.demoPressed, c);
    Button(v, in, "chkSet", cap.chkSet, lay.P(402, 344), bs, false, c);
    Button(v, in, "chkLang", "A / Я", lay.P(528, 344), bs, false, c);
    Button(v, in, "chkHelp", cap.chkHelp, lay.P(654, 344), bs, false, c);
    Button(v, in, "chkView0", cap.chkView0, lay.P(402, 376), lay.S(120, 26), v.viewPressed == 0, c);
    for (int i = 1; i <= 5; ++i) {
        const std::string name = "chkView" + std::to_string(i);
        Button(v, in, name.c_str(), std::to_string(i), lay.P(528 + 25.2f * (i - 1), 376), lay.S(22, 26),
               v.viewPressed == i, c);
    }
    Button(v, in, "chkExit", cap.chkExit, lay.P(654, 376), bs, false, c);

    // Record tables.
    static int tableTopShown = -1, levelTopShown = -1;
    RecordList("lstTable", cap.lstTableCap.c_str(), v.recordRows, v.tableSelected, v.tableTop, &tableTopShown,
               lay.P(396, 414), lay.S(188, 170), lay, text, c, v.listFont);
    RecordList("lstLevel", cap.lstLevelCap.c_str(), v.levelRows, v.levelSelected, v.levelTop, &levelTopShown,
               lay.P(588, 414), lay.S(188, 170), lay, text, c, v.listFont);

    Text(font, at(26, 566), text, v.fpsText);
    ImGui::End();
    ImGui::PopStyleVar(2);
    return in;
}

}  // namespace zembrol
