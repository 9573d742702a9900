// The end-of-game windows of a window run: the record entry asks for the player's
// name in a modal window over the still-drawn game, and its label opens the records page.
#pragma once

#include <string>

#include "app/app_results.h"

namespace zembrol {

class App;

inline constexpr const char* kRecordsPageKey = "RecordsPage";  // section "MAIN"
inline constexpr const char* kDefaultRecordsPage = "https://zembrol.example.org/records";

// The records page behind lblGotoRecords: "RecordsPage" of section "MAIN" in the
// configuration in use, else in the shipped default.ini (configurations made before
// the key existed lack it), else the built-in address.
std::string RecordsPageAddress(const std::string& currentConfig, const std::string& defaultConfig);

class AppResultWindows final : public ResultWindows {
public:
    explicit AppResultWindows(App& app) : app_(app) {}
    RecordEntry ShowRecordEntry(const std::string& offered, bool demoPlayed) override;

private:
    App& app_;
};

}  // namespace zembrol
