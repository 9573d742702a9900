// Message boxes through SDL, with the scripted policy for runs without a person.
#include "platform/message_box.h"

#include <SDL.h>

#include <cstdio>
#include <strings.h>

#include "platform/box_window.h"
#include "platform/video.h"

namespace zembrol::platform {

namespace {
BoxPolicy g_policy = BoxPolicy::Interactive;
std::deque<std::optional<BoxAnswer>> g_answers;
std::vector<BoxRequest> g_asked;

bool Allowed(const BoxRequest& r, BoxAnswer a) {
    switch (r.buttons) {
        case BoxButtons::Ok: return a == BoxAnswer::Ok;
        case BoxButtons::OkCancel: return a == BoxAnswer::Ok || a == BoxAnswer::Cancel;
        case BoxButtons::YesNo: return a == BoxAnswer::Yes || a == BoxAnswer::No;
    }
    return false;
}

bool ShowSdlBox(const BoxRequest& r, BoxAnswer* answer) {
    Uint32 flags = r.icon == BoxIcon::Critical     ? SDL_MESSAGEBOX_ERROR
                   : r.icon == BoxIcon::Exclamation ? SDL_MESSAGEBOX_WARNING
                                                    : SDL_MESSAGEBOX_INFORMATION;
    std::vector<SDL_MessageBoxButtonData> buttons;
    auto add = [&](BoxAnswer a, const char* text) {
        Uint32 f = 0;
        if (a == r.defaultAnswer) f |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (a == BoxAnswer::Cancel || a == BoxAnswer::No || r.buttons == BoxButtons::Ok)
            f |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        buttons.push_back({f, static_cast<int>(a), text});
    };
    switch (r.buttons) {
        case BoxButtons::Ok: add(BoxAnswer::Ok, "OK"); break;
        case BoxButtons::OkCancel: add(BoxAnswer::Ok, "OK"); add(BoxAnswer::Cancel, "Cancel"); break;
        case BoxButtons::YesNo: add(BoxAnswer::Yes, "Yes"); add(BoxAnswer::No, "No"); break;
    }
    SDL_MessageBoxData data{flags, nullptr, r.title.c_str(), r.text.c_str(), static_cast<int>(buttons.size()),
                            buttons.data(), nullptr};
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) == 0 && pressed >= 0) {
        *answer = static_cast<BoxAnswer>(pressed);
        return true;
    }
    // Where the desktop cannot show the system's box, the game draws its own.
    if (!VideoReady()) return false;
    std::vector<BoxWindowButton> own;
    int escape = static_cast<int>(r.defaultAnswer);
    for (const SDL_MessageBoxButtonData& b : buttons) {
        own.push_back({b.text, b.buttonid});
        if (b.flags & SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT) escape = b.buttonid;
    }
    if (!ShowBoxWindow(r.title, r.text, own, static_cast<int>(r.defaultAnswer), escape, &pressed)) return false;
    *answer = static_cast<BoxAnswer>(pressed);
    return true;
}
}  // namespace

void SetBoxPolicy(BoxPolicy policy) { g_policy = policy; }
BoxPolicy GetBoxPolicy() { return g_policy; }
void QueueBoxAnswer(std::optional<BoxAnswer> answer) { g_answers.push_back(answer); }
const std::vector<BoxRequest>& AskedBoxes() { return g_asked; }

bool ParseBoxAnswer(const std::string& word, BoxAnswer* answer) {
    static const struct { const char* name; BoxAnswer a; } kNames[] = {
        {"ok", BoxAnswer::Ok}, {"cancel", BoxAnswer::Cancel}, {"yes", BoxAnswer::Yes}, {"no", BoxAnswer::No}};
    for (const auto& n : kNames)
        if (strcasecmp(word.c_str(), n.name) == 0) {
            *answer = n.a;
            return true;
        }
    return false;
}

const char* BoxAnswerName(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Ok: return "ok";
        case BoxAnswer::Cancel: return "cancel";
        case BoxAnswer::Yes: return "yes";
        case BoxAnswer::No: return "no";
    }
    return "?";
}

BoxAnswer ShowMessageBox(const BoxRequest& request) {
    g_asked.push_back(request);
    BoxAnswer answer = request.defaultAnswer;
    const char* how = "default";
    if (g_policy == BoxPolicy::Scripted) {
        if (!g_answers.empty()) {
            std::optional<BoxAnswer> queued = g_answers.front();
            g_answers.pop_front();
            if (queued && Allowed(request, *queued)) {
                answer = *queued;
                how = "scripted";
            }
        }
    } else if (ShowSdlBox(request, &answer)) {
        return answer;
    } else {
        how = "no display, default";
    }
    std::fprintf(stderr, "message box [%s] %s -> %s (%s)\n", request.title.c_str(), request.text.c_str(),
                 BoxAnswerName(answer), how);
    return answer;
}

}  // namespace zembrol::platform
