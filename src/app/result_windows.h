// The end-of-game windows of a window run: the record entry asks for the player's
// name in a modal window over the still-drawn game.
#pragma once

#include "app/app_results.h"

namespace zembrol {

class App;

class AppResultWindows final : public ResultWindows {
public:
    explicit AppResultWindows(App& app) : app_(app) {}
    RecordEntry ShowRecordEntry(const std::string& offered, bool demoPlayed) override;

private:
    App& app_;
};

}  // namespace zembrol
