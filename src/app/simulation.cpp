// The simulation: the demo box is pressed for every fresh game, the loop runs on the
// virtual clock (the demo timer fires every 5 ms of it, as in a real game), and the
// record entry takes the name the rules give a demo game, "Computer".
#include "app/simulation.h"

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <vector>

#include "stats/record_steps.h"
#include "game/f_init.h"
#include "loop/demo_control.h"
#include "loop/general_loop.h"

namespace zembrol {

namespace {

// The end-of-game windows of a demo game: every window closes, the record is confirmed.
class SimulationWindows final : public ResultWindows {
public:
    RecordEntry ShowRecordEntry(const std::string&, bool) override { return RecordEntry{false, kComputerName, false}; }
};

struct GameLine {
    GameState end;       // the game as it ended
    int64_t ticks = 0;   // game ticks it ran
};

int32_t Rows(const GameState& s) {
    return s.g_LineKinds[0] + 2 * s.g_LineKinds[1] + 3 * s.g_LineKinds[2] + 4 * s.g_LineKinds[3];
}

void PrintGame(std::ostream& out, int number, const GameLine& g, const GameSettings& cfg, int place) {
    const GameState& s = g.end;
    out << "{\"game\":" << number << ",\"gt_CurGameType\":" << cfg.gt_CurGameType << ",\"g_Speed\":" << cfg.g_Speed
        << ",\"score\":" << s.score.s_getval() << ",\"g_Level\":" << s.g_Level << ",\"g_FigCount\":" << s.g_FigCount
        << ",\"g_LineKinds\":[" << s.g_LineKinds[0] << ',' << s.g_LineKinds[1] << ',' << s.g_LineKinds[2] << ','
        << s.g_LineKinds[3] << "],\"g_ZembBonus\":" << s.g_ZembBonus << ",\"g_TimeBonus\":" << s.g_TimeBonus
        << ",\"g_ChangeBonus\":" << s.g_ChangeBonus << ",\"g_InversiaBonus\":" << s.g_InversiaBonus
        << ",\"g_ColorBonus\":" << s.g_ColorBonus << ",\"ticks\":" << g.ticks << ",\"place\":" << place << "}\n";
}

}  // namespace

int RunSimulation(Session& s, RecordSteps& results, int games, std::ostream& out) {
    SimulationWindows windows;
    results.SetWindows(&windows);
    // A series chosen as game type 4 becomes the Trial variant, as the settings window sets it.
    if (s.settings.gt_CurGameType == 4) {
        s.settings.g_Trial = true;
        s.state.g_TrialGameNo = 0;
        results.BeforePass();
        f_Init(s.game);
    }
    GameLine current;
    int32_t endedType = s.settings.gt_CurGameType;
    bool ended = false;
    results.onGameOver = [&](const GameState& st) {
        current.end = st;
        endedType = s.settings.gt_CurGameType;
        ended = true;
    };
    std::vector<int32_t> scores;
    int64_t rows = 0;
    int exitCode = 0;
    const int failedBefore = results.Book().FailedWrites();
    if (!s.state.chkDemo) chkDemo_Click(s, true);
    while (static_cast<int>(scores.size()) < games) {
        const PassEnd e = HeadlessPass(s);
        if (e == PassEnd::Ticked || e == PassEnd::Landed || e == PassEnd::NewGame) ++current.ticks;
        if (!ended) {
            if (e == PassEnd::Stopped) {
                exitCode = 1;
                break;
            }
            continue;
        }
        GameSettings shown = s.settings;
        shown.gt_CurGameType = endedType;
        PrintGame(out, static_cast<int>(scores.size()) + 1, current, shown, results.LastInsertPlace());
        scores.push_back(current.end.score.s_getval());
        rows += Rows(current.end);
        current = GameLine{};
        ended = false;
        if (e == PassEnd::Stopped || !s.loop.running) {
            exitCode = 1;
            break;
        }
        // A fresh game releases the demo box; the player of a simulation presses it again.
        if (!s.state.chkDemo) chkDemo_Click(s, true);
    }
    results.onGameOver = nullptr;
    results.SetWindows(nullptr);

    const size_t n = scores.size();
    double mean = 0, median = 0;
    if (n > 0) {
        for (int32_t v : scores) mean += v;
        mean /= static_cast<double>(n);
        std::vector<int32_t> sorted = scores;
        std::sort(sorted.begin(), sorted.end());
        median = n % 2 ? sorted[n / 2] : (static_cast<double>(sorted[n / 2 - 1]) + sorted[n / 2]) / 2;
    }
    out << std::fixed << std::setprecision(1) << "{\"games\":" << n << ",\"mean_score\":" << mean << ",\"median_score\":" << median
        << ",\"rows_per_game\":" << (n ? static_cast<double>(rows) / static_cast<double>(n) : 0.0) << "}\n";
    out.flush();
    // Places printed from tables that were never written would look like a good run;
    // the application says which files at the end of the run.
    if (results.Book().FailedWrites() > failedBefore) exitCode = exitCode ? exitCode : 1;
    return exitCode;
}

}  // namespace zembrol
