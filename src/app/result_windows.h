// The end-of-game windows in the application: their models (windows/end_of_game_windows.h)
// shown over App::RunWindow with the player's language, the empty-name question and
// the records page.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "stats/result_windows.h"
#include "loop/script_window.h"
#include "stats/stat_windows.h"
#include "stats/record_table.h"
#include "ui/record_entry.h"
#include "windows/end_of_game_windows.h"

namespace zembrol {

class Language;
struct Game;
struct ImFont;

// The record entry's question for an empty name: Yes, No and Cancel with Cancel as the
// default button. True when the player takes the empty name (Yes); No and Cancel send
// the player back to the name field.
bool AcceptEmptyName(const std::string& question);

inline constexpr const char* kRecordsPageKey = "RecordsPage";  // section "MAIN"
inline constexpr const char* kDefaultRecordsPage = "https://zembrol.example.org/records";

// The records page behind lblGotoRecords: "RecordsPage" of section "MAIN" in the
// configuration in use, else in the shipped default.ini (configurations made before
// the key existed lack it), else the built-in address.
std::string RecordsPageAddress(const std::string& currentConfig, const std::string& defaultConfig);

// What the result windows need of the application: the player's language, the modal
// window loop with its scale and table font, the records page, and the game whose
// results they show.
class ResultWindowsHost {
public:
    virtual ~ResultWindowsHost() = default;
    virtual Language& Lang() = 0;
    virtual void RunWindow(ScriptWindow& window, const std::function<std::vector<std::string>()>& draw) = 0;
    virtual float UiScale() const = 0;
    virtual ImFont* UiListFont() const = 0;
    // RecordsPageAddress of the configuration in use.
    virtual std::string RecordsPage() const = 0;
    virtual Game& ResultsGame() = 0;
};

// The three windows of a window run or a scripted run, over the host's window loop.
class AppResultWindows final : public ResultWindows {
public:
    explicit AppResultWindows(ResultWindowsHost& host) : app_(host) {}
    void ShowLevelStats(const std::array<int32_t, 2 * (kMaxLevel + 1)>& stat, int levelReached) override;
    RecordEntry ShowRecordEntry(const std::string& offered, bool demoPlayed) override;
    void ShowFullStat(const std::vector<StatRec>& rows, int marked) override;

    // Sound of the level statistics window (the application connects them).
    std::function<void(const std::string& musicFile)> startMusic;
    std::function<void()> barStepSound;

private:
    ResultWindowsHost& app_;
};

}  // namespace zembrol
