// Message boxes: the game's own box window, or the scripted policy for runs without a person.
#include "platform/message_box.h"

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
    for (const BoxButton& b : ButtonsOf(r.buttons))
        if (b.answer == a) return true;
    return false;
}

// The game's own box on the desktop; false when there is no display to show it on.
bool ShowOwnBox(const BoxRequest& r, BoxAnswer* answer) {
    if (!VideoReady()) return false;
    std::vector<BoxWindowButton> own;
    for (const BoxButton& b : ButtonsOf(r.buttons)) own.push_back({b.caption, static_cast<int>(b.answer)});
    const BoxWindowIcon icon = r.icon == BoxIcon::Critical      ? BoxWindowIcon::Critical
                               : r.icon == BoxIcon::Exclamation ? BoxWindowIcon::Exclamation
                               : r.icon == BoxIcon::Question    ? BoxWindowIcon::Question
                                                                : BoxWindowIcon::Information;
    const BoxAnswer def = Allowed(r, r.defaultAnswer) ? r.defaultAnswer : ButtonsOf(r.buttons).front().answer;
    int pressed = -1;
    if (!ShowBoxWindow(r.title, r.text, icon, own, static_cast<int>(def),
                       static_cast<int>(EscapeAnswer(r.buttons)), &pressed))
        return false;
    *answer = static_cast<BoxAnswer>(pressed);
    return true;
}
}  // namespace

void SetBoxPolicy(BoxPolicy policy) { g_policy = policy; }
BoxPolicy GetBoxPolicy() { return g_policy; }
void QueueBoxAnswer(std::optional<BoxAnswer> answer) { g_answers.push_back(answer); }
const std::vector<BoxRequest>& AskedBoxes() { return g_asked; }

std::vector<BoxButton> ButtonsOf(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::Ok: return {{BoxAnswer::Ok, "OK"}};
        case BoxButtons::OkCancel: return {{BoxAnswer::Ok, "OK"}, {BoxAnswer::Cancel, "Cancel"}};
        case BoxButtons::YesNo: return {{BoxAnswer::Yes, "Yes"}, {BoxAnswer::No, "No"}};
        case BoxButtons::YesNoCancel:
            return {{BoxAnswer::Yes, "Yes"}, {BoxAnswer::No, "No"}, {BoxAnswer::Cancel, "Cancel"}};
    }
    return {{BoxAnswer::Ok, "OK"}};
}

BoxAnswer EscapeAnswer(BoxButtons buttons) {
    const std::vector<BoxButton> all = ButtonsOf(buttons);
    for (BoxAnswer wanted : {BoxAnswer::Cancel, BoxAnswer::No})
        for (const BoxButton& b : all)
            if (b.answer == wanted) return wanted;
    return all.front().answer;
}

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
    } else if (ShowOwnBox(request, &answer)) {
        return answer;
    } else {
        how = "no display, default";
    }
    std::fprintf(stderr, "message box [%s] %s -> %s (%s)\n", request.title.c_str(), request.text.c_str(),
                 BoxAnswerName(answer), how);
    return answer;
}

}  // namespace zembrol::platform
