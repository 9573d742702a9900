// The game's own message box: SDL window, software surface, text from FreeType.
// Every length of the layout is given at 96 dots per inch and grows with the
// desktop's dots per inch, so the box stays readable on a large-font desktop.
#include "platform/box_window.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "platform/event_wait.h"
#include "platform/font.h"
#include "platform/video.h"

namespace zembrol::platform {

namespace {

// Lengths at 96 dots per inch.
constexpr int kPad = 16, kButtonW = 96, kButtonH = 28, kGap = 10, kTextPx = 15, kIcon = 36, kWrap = 560;

const SDL_Color kInk{20, 20, 30, 255}, kWhite{255, 255, 255, 255};

void Blend(SDL_Surface* s, int x, int y, uint8_t a, SDL_Color ink) {
    if (!a || x < 0 || y < 0 || x >= s->w || y >= s->h) return;
    Uint32* px = reinterpret_cast<Uint32*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch) + x;
    Uint8 r, g, b;
    SDL_GetRGB(*px, s->format, &r, &g, &b);
    auto mix = [a](Uint8 from, Uint8 to) { return static_cast<Uint8>((from * (255 - a) + to * a) / 255); };
    *px = SDL_MapRGB(s->format, mix(r, ink.r), mix(g, ink.g), mix(b, ink.b));
}

void Blit(SDL_Surface* s, const TextImage& t, int x, int y, SDL_Color ink) {
    SDL_LockSurface(s);
    for (int row = 0; row < t.height; ++row)
        for (int col = 0; col < t.width; ++col)
            Blend(s, x + col, y + row, t.coverage[static_cast<size_t>(row * t.width + col)], ink);
    SDL_UnlockSurface(s);
}

// A filled circle with a soft edge (4 x 4 samples a pixel).
void Disc(SDL_Surface* s, int left, int top, int size, SDL_Color fill) {
    const float r = size / 2.0f, cx = left + r, cy = top + r;
    SDL_LockSurface(s);
    for (int y = top; y < top + size; ++y)
        for (int x = left; x < left + size; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const float dx = x + (sx + 0.5f) / 4 - cx, dy = y + (sy + 0.5f) / 4 - cy;
                    if (dx * dx + dy * dy <= r * r) ++inside;
                }
            Blend(s, x, y, static_cast<uint8_t>(inside * 255 / 16), fill);
        }
    SDL_UnlockSurface(s);
}

struct IconLook {
    SDL_Color fill;
    const char* mark;
};

IconLook LookOf(BoxWindowIcon icon) {
    switch (icon) {
        case BoxWindowIcon::Question: return {{40, 110, 200, 255}, "?"};
        case BoxWindowIcon::Exclamation: return {{225, 160, 20, 255}, "!"};
        case BoxWindowIcon::Critical: return {{200, 40, 40, 255}, "x"};
        case BoxWindowIcon::Information: break;
    }
    return {{40, 110, 200, 255}, "i"};
}

// The text's lines, long ones wrapped at spaces to fit `maxWidth` pixels.
std::vector<std::string> Lines(const std::string& text, const Font& font, int maxWidth) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string para; std::getline(in, para);) {
        std::istringstream words(para);
        std::string line;
        for (std::string word; words >> word;) {
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && font.Render(candidate).width > maxWidth) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push_back(line);
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

// Window pixels per pixel of the 96 dpi layout.
float DesktopScale() {
    int dpi = 96;
    if (!DesktopDpi(&dpi) || dpi <= 0) dpi = 96;
    return std::clamp(dpi / 96.0f, 1.0f, 4.0f);
}

// The width the text may take: the usual wrap width, less where the display is narrower.
int WrapWidth(float scale, int chrome) {
    int wrap = static_cast<int>(kWrap * scale);
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0)
        wrap = std::min(wrap, usable.w * 9 / 10 - chrome);
    return std::max(wrap, static_cast<int>(160 * scale));
}

}  // namespace

bool ShowBoxWindow(const std::string& title, const std::string& text, BoxWindowIcon icon,
                   const std::vector<BoxWindowButton>& buttons, int defaultAnswer, int escapeAnswer, int* answer) {
    const float scale = DesktopScale();
    auto px = [scale](int base) { return static_cast<int>(std::lround(base * scale)); };
    const int pad = px(kPad), gap = px(kGap), buttonH = px(kButtonH), iconSize = px(kIcon);

    Font font, markFont;
    const std::string file = FindFontFile("sans:lang=ru");
    if (file.empty() || !font.Open(file, px(kTextPx), nullptr)) return false;
    const std::string boldFile = FindFontFile("sans:bold:lang=ru");
    if (boldFile.empty() || !markFont.Open(boldFile, iconSize * 2 / 3, nullptr)) markFont.Open(file, iconSize * 2 / 3, nullptr);

    // Buttons are of one width, wide enough for the longest caption.
    int buttonW = px(kButtonW);
    for (const BoxWindowButton& b : buttons) buttonW = std::max(buttonW, font.Render(b.caption).width + 2 * pad);
    const int buttonsW = static_cast<int>(buttons.size()) * (buttonW + gap) - gap;

    const int textLeft = pad + iconSize + pad;
    std::vector<TextImage> lines;
    int textW = 0, lineH = px(20);
    for (const std::string& l : Lines(text, font, WrapWidth(scale, textLeft + pad))) {
        lines.push_back(font.Render(l));
        textW = std::max(textW, lines.back().width);
        lineH = std::max(lineH, lines.back().height + px(4));
    }
    const int textH = static_cast<int>(lines.size()) * lineH;
    const int w = std::max(textLeft + textW + pad, pad + buttonsW + pad);
    const int bodyH = std::max(textH, iconSize);
    const int h = pad + bodyH + pad + buttonH + pad;

    SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                          SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP);
    if (!window) return false;
    SDL_RaiseWindow(window);
    const Uint32 id = SDL_GetWindowID(window);

    // Buttons in a row at the bottom, centred.
    std::vector<SDL_Rect> rects;
    int x = (w - buttonsW) / 2;
    for (size_t i = 0; i < buttons.size(); ++i, x += buttonW + gap) rects.push_back({x, h - pad - buttonH, buttonW, buttonH});
    const IconLook look = LookOf(icon);
    const TextImage mark = markFont.IsOpen() ? markFont.Render(look.mark) : TextImage{};
    const int textTop = pad + (bodyH - textH) / 2;
    const int border = std::max(1, px(2));

    bool done = false;
    while (!done) {
        SDL_Surface* s = SDL_GetWindowSurface(window);
        if (s) {
            SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 236, 236, 240));
            Disc(s, pad, pad, iconSize, look.fill);
            Blit(s, mark, pad + (iconSize - mark.width) / 2, pad + (iconSize - mark.height) / 2, kWhite);
            for (size_t i = 0; i < lines.size(); ++i)
                Blit(s, lines[i], textLeft, textTop + static_cast<int>(i) * lineH, kInk);
            for (size_t i = 0; i < buttons.size(); ++i) {
                // The default button wears a thicker, coloured frame.
                const bool def = buttons[i].answer == defaultAnswer;
                SDL_Rect r = rects[i];
                SDL_FillRect(s, &r, def ? SDL_MapRGB(s->format, 60, 90, 200) : SDL_MapRGB(s->format, 120, 120, 135));
                const int b = def ? 2 * border : border;
                SDL_Rect in{r.x + b, r.y + b, r.w - 2 * b, r.h - 2 * b};
                SDL_FillRect(s, &in, SDL_MapRGB(s->format, 250, 250, 252));
                TextImage t = font.Render(buttons[i].caption);
                Blit(s, t, r.x + (r.w - t.width) / 2, r.y + (r.h - t.height) / 2, kInk);
            }
            SDL_UpdateWindowSurface(window);
        }
        // The box is closed the moment it is answered: it waits without SDL's wake-up
        // message, which could reach the X server after the window is gone.
        if (!WaitForWindowInput(window, 100)) continue;
        SDL_Event ev;
        while (!done && SDL_PollEvent(&ev)) {
            // The box is modal: every key answers it, whichever window has the focus; a key
            // still held from the window that asked (auto-repeat) does not.
            if (ev.type == SDL_QUIT ||
                (ev.type == SDL_WINDOWEVENT && ev.window.windowID == id && ev.window.event == SDL_WINDOWEVENT_CLOSE)) {
                *answer = escapeAnswer;
                done = true;
            } else if (ev.type == SDL_KEYDOWN && ev.key.repeat) {
                continue;
            } else if (ev.type == SDL_KEYDOWN &&
                       (ev.key.keysym.sym == SDLK_RETURN || ev.key.keysym.sym == SDLK_KP_ENTER)) {
                *answer = defaultAnswer;
                done = true;
            } else if (ev.type == SDL_KEYDOWN && ev.key.keysym.sym == SDLK_ESCAPE) {
                *answer = escapeAnswer;
                done = true;
            } else if (ev.type == SDL_MOUSEBUTTONUP && ev.button.button == SDL_BUTTON_LEFT && ev.button.windowID == id) {
                SDL_Point p{ev.button.x, ev.button.y};
                for (size_t i = 0; i < rects.size(); ++i)
                    if (SDL_PointInRect(&p, &rects[i])) {
                        *answer = buttons[i].answer;
                        done = true;
                    }
            }
        }
    }
    SDL_DestroyWindow(window);
    return true;
}

}  // namespace zembrol::platform
