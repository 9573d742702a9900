// Message boxes: every information, error and question box of the game goes
// through ShowMessageBox. Interactive runs show a real box; headless and scripted
// runs answer from a queue of scripted answers or with the box's default button,
// and write what was asked to the transcript (standard error), so nothing hangs.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zembrol::platform {

enum class BoxIcon { Information, Question, Exclamation, Critical };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct BoxRequest {
    std::string title;
    std::string text;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer defaultAnswer = BoxAnswer::Ok;
};

enum class BoxPolicy {
    Interactive,  // a real box; when none can be shown, the default answer
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

BoxAnswer ShowMessageBox(const BoxRequest& request);

}  // namespace zembrol::platform
