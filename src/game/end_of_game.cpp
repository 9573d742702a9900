// EndOfGame in its fixed order. A series keeps its games' results to itself until its
// third game: only then do the windows, the statistics and the three tables see them.
#include "game/end_of_game.h"

#include "game/f_init.h"

namespace zembrol {

namespace {

// The record tables: a standalone game's score goes into the table of its settings; at
// the end of a series each type's score goes into that type's table, the type becoming
// current so the file names follow it.
void EnterRecordTables(Game& g, ResultSteps& r) {
    if (g_SeriesOn(g)) return;
    if (g.cfg.g_Trial) {
        for (int type = 1; type <= kGameTypes; ++type) {
            g.cfg.gt_CurGameType = type;
            r.g_LoadRecords();
            g.s.score.s_setval(g.s.g_TrialScores[type - 1]);
            if (r.g_GetRecordPlace(false) != -1) r.g_SaveRecords();
        }
    } else if (r.g_GetRecordPlace(false) != -1) {
        r.g_SaveRecords();
    }
}

// The results of a finished game, from the level statistics to the level tables;
// returns early where a result that does not count skips to the next game.
void ResultSequence(Game& g, ResultSteps& r) {
    const bool series = g_SeriesOn(g);
    if (g.cfg.m_DelLinesInLevel > 3 && !g.cfg.g_Trial) r.ShowLevelStats();
    if (r.g_GetRecordPlace(true) == -1) return;
    if (!series) r.ShowRecordEntry();
    if (r.EntryCancelled()) return;
    if (r.g_MakeGameRecord() && r.SendResultWanted() && !series) r.SendResult();
    if (!series) {
        r.g_AddRecordToFullStat();
        r.ShowFullStat();
    }
    const int32_t type = g.cfg.gt_CurGameType;
    if (type >= 1 && type <= kGameTypes) g.s.g_TrialScores[type - 1] = g.s.score.s_getval();
    EnterRecordTables(g, r);
    if (!series) r.g_UpdateLevelRecords();
}

}  // namespace

bool EndOfGame(Game& g, ResultSteps& results, bool loopRunning) {
    g.s.tmrDemo = false;
    results.CloseOtherWindows();
    if (!loopRunning) return false;
    ResultSequence(g, results);
    if (!g_SeriesOn(g)) g.s.g_TrialGameNo = 0;
    f_Init(g);
    return true;
}

}  // namespace zembrol
