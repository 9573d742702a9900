// The game's own message box: SDL window, software surface, text from FreeType.
#include "platform/box_window.h"

#include <SDL.h>

#include <algorithm>
#include <sstream>

#include "platform/font.h"

namespace zembrol::platform {

namespace {

constexpr int kPad = 16, kButtonW = 96, kButtonH = 28, kGap = 10;

void Blit(SDL_Surface* s, const TextImage& t, int x, int y, SDL_Color ink) {
    SDL_LockSurface(s);
    for (int row = 0; row < t.height; ++row)
        for (int col = 0; col < t.width; ++col) {
            const int X = x + col, Y = y + row;
            if (X < 0 || Y < 0 || X >= s->w || Y >= s->h) continue;
            const uint8_t a = t.coverage[static_cast<size_t>(row * t.width + col)];
            if (!a) continue;
            Uint32* px = reinterpret_cast<Uint32*>(static_cast<uint8_t*>(s->pixels) + Y * s->pitch) + X;
            Uint8 r, g, b;
            SDL_GetRGB(*px, s->format, &r, &g, &b);
            auto mix = [a](Uint8 from, Uint8 to) { return static_cast<Uint8>((from * (255 - a) + to * a) / 255); };
            *px = SDL_MapRGB(s->format, mix(r, ink.r), mix(g, ink.g), mix(b, ink.b));
        }
    SDL_UnlockSurface(s);
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

}  // namespace

bool ShowBoxWindow(const std::string& title, const std::string& text, const std::vector<BoxWindowButton>& buttons,
                   int defaultAnswer, int escapeAnswer, int* answer) {
    Font font;
    const std::string file = FindFontFile("sans:lang=ru");
    if (file.empty() || !font.Open(file, 15, nullptr)) return false;
    std::vector<TextImage> lines;
    int width = static_cast<int>(buttons.size()) * (kButtonW + kGap), lineH = 20;
    for (const std::string& l : Lines(text, font, 560)) {
        lines.push_back(font.Render(l));
        width = std::max(width, lines.back().width);
        lineH = std::max(lineH, lines.back().height + 4);
    }
    const int w = width + 2 * kPad;
    const int h = kPad + static_cast<int>(lines.size()) * lineH + kPad + kButtonH + kPad;
    SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                          SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP);
    if (!window) return false;
    std::vector<SDL_Rect> rects;
    int x = w - kPad - static_cast<int>(buttons.size()) * (kButtonW + kGap) + kGap;
    for (size_t i = 0; i < buttons.size(); ++i, x += kButtonW + kGap) rects.push_back({x, h - kPad - kButtonH, kButtonW, kButtonH});
    bool done = false;
    while (!done) {
        SDL_Surface* s = SDL_GetWindowSurface(window);
        if (s) {
            SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 236, 236, 240));
            for (size_t i = 0; i < lines.size(); ++i)
                Blit(s, lines[i], kPad, kPad + static_cast<int>(i) * lineH, {20, 20, 30, 255});
            for (size_t i = 0; i < buttons.size(); ++i) {
                const bool def = buttons[i].answer == defaultAnswer;
                SDL_Rect r = rects[i];
                SDL_FillRect(s, &r, def ? SDL_MapRGB(s->format, 60, 90, 200) : SDL_MapRGB(s->format, 120, 120, 135));
                SDL_Rect in{r.x + 2, r.y + 2, r.w - 4, r.h - 4};
                SDL_FillRect(s, &in, SDL_MapRGB(s->format, 250, 250, 252));
                TextImage t = font.Render(buttons[i].caption);
                Blit(s, t, r.x + (r.w - t.width) / 2, r.y + (r.h - t.height) / 2, {20, 20, 30, 255});
            }
            SDL_UpdateWindowSurface(window);
        }
        SDL_Event ev;
        if (!SDL_WaitEventTimeout(&ev, 100)) continue;
        if (ev.type == SDL_QUIT || (ev.type == SDL_WINDOWEVENT && ev.window.event == SDL_WINDOWEVENT_CLOSE)) {
            *answer = escapeAnswer;
            done = true;
        } else if (ev.type == SDL_KEYDOWN && (ev.key.keysym.sym == SDLK_RETURN || ev.key.keysym.sym == SDLK_KP_ENTER)) {
            *answer = defaultAnswer;
            done = true;
        } else if (ev.type == SDL_KEYDOWN && ev.key.keysym.sym == SDLK_ESCAPE) {
            *answer = escapeAnswer;
            done = true;
        } else if (ev.type == SDL_MOUSEBUTTONUP && ev.button.button == SDL_BUTTON_LEFT) {
            SDL_Point p{ev.button.x, ev.button.y};
            for (size_t i = 0; i < rects.size(); ++i)
                if (SDL_PointInRect(&p, &rects[i])) {
                    *answer = buttons[i].answer;
                    done = true;
                }
        }
    }
    SDL_DestroyWindow(window);
    return true;
}

}  // namespace zembrol::platform
