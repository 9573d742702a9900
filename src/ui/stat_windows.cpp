// frmLevelStats and frmFullStat drawn with ImGui, centred over the main window.
#include "ui/stat_windows.h"

#include <imgui.h>

#include <algorithm>

namespace zembrol {

namespace {

// 0x00BBGGRR window colour to ImGui's.
ImVec4 FromBgr(uint32_t bgr) {
    return ImVec4(static_cast<float>(bgr & 0xFF) / 255.f, static_cast<float>((bgr >> 8) & 0xFF) / 255.f,
                  static_cast<float>((bgr >> 16) & 0xFF) / 255.f, 1.f);
}

// The window's blue and red read poorly on a dark window: lightened, same hue.
ImVec4 Readable(uint32_t bgr) {
    ImVec4 c = FromBgr(bgr);
    return ImVec4(0.35f + 0.65f * c.x, 0.35f + 0.65f * c.y, 0.35f + 0.65f * c.z, 1.f);
}

bool BeginWindow(const std::string& caption, const char* id, float width, float scale, bool* open) {
    const std::string name = caption + "###" + id;
    if (!ImGui::IsPopupOpen(name.c_str())) ImGui::OpenPopup(name.c_str());
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(size.x / 2, size.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(std::min(width * scale, size.x - 8), 0));
    return ImGui::BeginPopupModal(name.c_str(), open, ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove);
}

void Bar(float fraction, ImVec2 size, ImU32 color) {
    const ImVec2 p = ImGui::GetCursorScreenPos();
    ImDrawList* dl = ImGui::GetWindowDrawList();
    dl->AddRectFilled(p, ImVec2(p.x + size.x, p.y + size.y), IM_COL32(255, 255, 255, 28));
    dl->AddRectFilled(p, ImVec2(p.x + size.x * std::clamp(fraction, 0.f, 1.f), p.y + size.y), color);
    ImGui::Dummy(size);
}

}  // namespace

std::vector<std::string> DrawLevelStats(const LevelStatsView& v, float scale) {
    std::vector<std::string> pressed;
    bool open = true;
    if (!BeginWindow(v.caption, "frmLevelStats", 520, scale, &open)) return {"close"};
    const LevelStats& s = *v.stats;
    const float barWidth = 200 * scale, barHeight = 7 * scale;
    if (ImGui::BeginTable("##levels", 4, ImGuiTableFlags_SizingFixedFit | ImGuiTableFlags_RowBg)) {
        ImGui::TableSetupColumn(v.levelCap.c_str());
        ImGui::TableSetupColumn(v.vsCap.c_str());
        ImGui::TableSetupColumn(v.diffCap.c_str());
        ImGui::TableSetupColumn("##bars", ImGuiTableColumnFlags_WidthStretch);
        ImGui::TableHeadersRow();
        for (size_t L = 0; L < s.rows.size(); ++L) {
            const LevelStatRow& row = s.rows[L];
            ImGui::TableNextRow();
            ImGui::TableNextColumn();
            ImGui::Text("%zu", L);
            ImGui::TableNextColumn();
            ImGui::TextUnformatted(row.lblVS.c_str());
            ImGui::TableNextColumn();
            ImGui::TextColored(Readable(row.diffColor), "%s", row.lblDiff.c_str());
            ImGui::TableNextColumn();
            // The player's bar over the record holder's.
            ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(0, 1 * scale));
            Bar(static_cast<float>(s.Fraction(static_cast<int>(kLevelCount + L))), ImVec2(barWidth, barHeight),
                IM_COL32(110, 170, 255, 255));
            Bar(static_cast<float>(s.Fraction(static_cast<int>(L))), ImVec2(barWidth, barHeight),
                IM_COL32(255, 150, 110, 255));
            ImGui::PopStyleVar();
        }
        ImGui::EndTable();
    }
    ImGui::Spacing();
    const float w = 96 * scale;
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - w - ImGui::GetStyle().WindowPadding.x);
    if (ImGui::IsWindowAppearing()) ImGui::SetKeyboardFocusHere();
    if (ImGui::Button((v.okCap + "##cmdOK").c_str(), ImVec2(w, 28 * scale))) pressed.emplace_back("cmdOK");
    if (!open) pressed.emplace_back("close");
    ImGui::EndPopup();
    return pressed;
}

FullStatInput DrawFullStat(const FullStatView& v, float scale) {
    FullStatInput in;
    if (!BeginWindow(v.caption, "frmFullStat", 740, scale, nullptr)) {
        in.clicked.emplace_back("cmdOK");
        return in;
    }
    const FullStatTable& t = *v.table;
    ImGui::TextUnformatted(v.gameLine.c_str());
    ImGui::Separator();
    // Column widths in characters of the widest text each column can hold.
    static const int kChars[kFullStatColumns] = {3, 4, 6, 6, 3, 2, 6, 3, 3, 3, 3, 11, 4, 3, 7, 8};
    if (v.rowFont) ImGui::PushFont(v.rowFont);
    const float ch = ImGui::CalcTextSize("0").x;
    const float rowHeight = ImGui::GetTextLineHeightWithSpacing() + 2 * scale;
    // The columns spread over the window's width, the scroll bar's room kept.
    const float placeWidth = 4 * ch;
    int chars = 0;
    for (int c : kChars) chars += c;
    const float room = ImGui::GetContentRegionAvail().x - 24 * scale - placeWidth - static_cast<float>(chars) * ch;
    const float gap = std::max(0.9f * ch, room / kFullStatColumns);
    float width = placeWidth;
    for (int c : kChars) width += c * ch + gap;
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    ImDrawList* dl = ImGui::GetWindowDrawList();
    const ImU32 dim = ImGui::GetColorU32(ImGuiCol_TextDisabled);
    for (int row = 0; row < kFullStatVisibleRows; ++row) {
        const float y = origin.y + row * rowHeight;
        if (row % 2 == 1) dl->AddRectFilled(ImVec2(origin.x, y), ImVec2(origin.x + width, y + rowHeight), IM_COL32(255, 255, 255, 14));
        const std::string place = t.PlaceLabel(row);
        ImGui::SetCursorScreenPos(ImVec2(origin.x, y + scale));
        ImGui::TextColored(ImGui::ColorConvertU32ToFloat4(dim), "%s", place.c_str());
        if (!place.empty() && ImGui::IsItemHovered()) in.hovered = "lblPlace(" + std::to_string(row) + ")";
        float x = origin.x + placeWidth;
        for (int col = 0; col < kFullStatColumns; ++col) {
            const std::string& text = t.Cell(row, col);
            const float colWidth = kChars[col] * ch;
            // Numbers to the right of their column, the name and the date to the left.
            const bool left = col == 11 || col == 15;
            const float tx = left ? x : x + colWidth - ImGui::CalcTextSize(text.c_str()).x;
            ImGui::SetCursorScreenPos(ImVec2(tx, y + scale));
            ImGui::TextUnformatted(text.c_str());
            if (ImGui::IsMouseHoveringRect(ImVec2(x, y), ImVec2(x + colWidth + gap, y + rowHeight)) && !text.empty())
                in.hovered = "lblStatVal(" + std::to_string(row * kFullStatColumns + col) + ")";
            x += colWidth + gap;
        }
        if (row == t.MarkedRow())
            dl->AddRect(ImVec2(origin.x - 2 * scale, y), ImVec2(origin.x + width, y + rowHeight),
                        ImGui::GetColorU32(ImGuiCol_PlotHistogram), 3 * scale, 0, 1.5f * scale);
    }
    const float tableHeight = kFullStatVisibleRows * rowHeight;
    if (v.rowFont) ImGui::PopFont();
    if (t.Scrolls()) {
        // vscrlUpDown: its top is the first record.
        ImGui::SetCursorScreenPos(ImVec2(origin.x + width + 6 * scale, origin.y));
        int value = t.ScrollMax() - t.Scroll();
        if (ImGui::VSliderInt("##vscrlUpDown", ImVec2(14 * scale, tableHeight), &value, 0, t.ScrollMax(), ""))
            in.scrollTo = t.ScrollMax() - value;
        if (ImGui::IsMouseHoveringRect(origin, ImVec2(origin.x + width, origin.y + tableHeight))) {
            const float wheel = ImGui::GetIO().MouseWheel;
            if (wheel != 0) in.scrollTo = std::clamp(t.Scroll() - static_cast<int>(wheel * 3), 0, t.ScrollMax());
        }
    }
    ImGui::SetCursorScreenPos(ImVec2(origin.x, origin.y + tableHeight + 4 * scale));
    ImGui::Separator();
    ImGui::TextUnformatted(v.lblToolTip.c_str());
    const float w = 96 * scale;
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - w - ImGui::GetStyle().WindowPadding.x);
    if (ImGui::Button((v.okCap + "##cmdOK").c_str(), ImVec2(w, 28 * scale))) in.clicked.emplace_back("cmdOK");
    ImGui::EndPopup();
    return in;
}

}  // namespace zembrol
