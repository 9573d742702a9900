// Message boxes: every information, error and question box of the game goes
// through ShowMessageBox. Interactive runs show the game's own box (drawn with our
// font, so Russian text reads on any desktop); headless and scripted runs answer
// from a queue of scripted answers or with the box's default button, and write
// what was asked to the transcript (standard error), so nothing hangs.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zembrol::platform {

enum class BoxIcon { Information, Question, Exclamation, Critical };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct BoxRequest {
    std::string title;
    std::string text;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer defaultAnswer = BoxAnswer::Ok;
};

enum class BoxPolicy {
    Interactive,  // the game's own box; when none can be shown, the default answer
    Scripted,     // queued answers, then the default; never a real box
};

void SetBoxPolicy(BoxPolicy policy);
BoxPolicy GetBoxPolicy();
// Queues the answer for the next box (scripted runs); no answer takes the box's default.
void QueueBoxAnswer(std::optional<BoxAnswer> answer);
// Parses "ok", "cancel", "yes", "no" (any case).
bool ParseBoxAnswer(const std::string& word, BoxAnswer* answer);
const char* BoxAnswerName(BoxAnswer answer);
// Every box asked in this run, for tests.
const std::vector<BoxRequest>& AskedBoxes();

// The buttons of a box in their order on screen, with their captions.
struct BoxButton {
    BoxAnswer answer;
    const char* caption;
};
std::vector<BoxButton> ButtonsOf(BoxButtons buttons);
// The answer of Esc and of the window's close button: Cancel where the box has it,
// else No, else the only button.
BoxAnswer EscapeAnswer(BoxButtons buttons);

BoxAnswer ShowMessageBox(const BoxRequest& request);

}  // namespace zembrol::platform
