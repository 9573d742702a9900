// f_Init: the steps of a game start in their fixed order. Steps that belong to other
// subsystems (records, timers, music, camera, demo) go out as events.
#include "game/f_init.h"

#include "game/figure_kinds.h"
#include "game/figures.h"
#include "game/labels.h"
#include "game/log_kinds.h"

namespace zembrol {

const std::array<const char*, 13> kLevelNames = {
    "End Edition", "DRUM", "DieRect", "Inversia", "Fantom", "ZembNET", "Revanche",
    "Rainbow",     "Miracle", "Zero", "D#D",     "Skin",    "Alpha"};

void InitGameGlobals(Game& g) {
    if (g.s.m_GlobalsReady) return;
    for (size_t k = 0; k < kLevelNames.size(); ++k) g.s.LevelName[k] = kLevelNames[k];
    g.s.m_GlobalsReady = true;
}

bool g_SeriesOn(const GameState& s, const GameSettings& cfg) { return cfg.g_Trial && s.g_TrialGameNo < 3; }

bool g_SeriesOn(const Game& g) { return g_SeriesOn(g.s, g.cfg); }

namespace {

// Everything a fresh game (not the next game of a series) sets back to zero.
void FreshStart(Game& g) {
    GameState& s = g.s;
    // A fresh game releases the demo box: a player who wants the computer presses it again.
    s.chkDemo = false;
    s.demoUsed = false;
    s.tmrDemo = false;
    s.g_MiracleMeter = 0;
    s.g_ChangeBonus = 0;
    s.g_InversiaBonus = 0;
    s.m_LastInvAmount = 0;
    s.m_LastColorAmount = 0;
    s.score.s_reset();
    s.g_ColorState = 0;
    s.g_ZembCount = 0;
    s.g_MovesTotal = 0;
    s.g_SpecialCount = 0;
    s.g_ColorBonus = 0;
    s.g_ColorValue = 0;
    s.g_FigCount = 0;
    s.g_ZembBonus = 0;
    s.g_TimeBonus = 0;
    for (std::string& l : s.lblCountLines) l.clear();
    s.lblScore = "---";
    if (g.cfg.g_Trial) {
        ++s.g_TrialGameNo;
        g.cfg.gt_CurGameType = 3;
        // The first game of a series takes the player's sequence in its stored order.
        PlayPlayersList(s.playList, PlayOrder::InOrder);
    }
    s.g_LineKinds = {};
    for (auto& type : s.g_LevelScores) type.fill(kLevelScoreUnset);
}

}  // namespace

bool f_InitStart(Game& g) {
    GameState& s = g.s;
    g.Raise({.kind = EventKind::Log, .value = kLogEnter, .flag = true, .text = "f_Init()"});
    if (s.g_Exiting) {
        g.Raise({.kind = EventKind::Log, .value = kLogLeave, .flag = true, .text = "f_Init()"});
        return false;
    }
    // Announced before the first draw: a journal keeps the generator as the game found it.
    g.Raise({.kind = EventKind::GameStarting});
    // The three take-back indicator images show again.
    s.g_LastFig.Images = {true, true, true};
    g.Raise({.kind = EventKind::RecordPlaceLabelsReset});
    s.g_LastFig.RowsRemoved = true;
    s.g_LastFig.TakeBackCount = 0;
    // A game started while a figure falls (New game during a game or the demo) does
    // not inherit that figure's moves or its time: the first landing would add the
    // moves to its total and take the time off its time bonus.
    s.g_MovesFig = 0;
    if (!g.cfg.bCarryFigTicks) s.m_FigTicks = 0;
    g.Raise({.kind = EventKind::RemovedFigureStop});

    g.rng.Randomize();
    s.m_NumKinds = g.rng.Rnd() > 0.5 ? 8 : 7;
    return true;
}

void f_InitFinish(Game& g) {
    GameState& s = g.s;
    GameSettings& cfg = g.cfg;
    // Every game outside "Sequence" and outside a series draws the seven ordinary
    // figures at random; a "Sequence" game reads the player's list as the player
    // ordered it. The player's list and order flag stay as they are: they are saved.
    if (cfg.gt_CurGameType == 3 || cfg.g_Trial) PlayPlayersList(s.playList, PlayOrder::PlayersChoice);
    else PlayOrdinaryFigures(s.playList);
    // The busy timers of a modal window need no stopping here: a modal window runs
    // its own loop, which has ended before a game can start.

    if (cfg.g_Trial && s.g_TrialGameNo < 3 && s.g_TrialGameNo > 0) {
        // Games 2 and 3 of a series add up into one result: nothing is reset. They
        // read the player's sequence at random.
        PlayPlayersList(s.playList, PlayOrder::Random);
        ++s.g_TrialGameNo;
        cfg.gt_CurGameType = 4 - s.g_TrialGameNo;
    } else {
        FreshStart(g);
    }

    m_SetLblCaptions(s);
    s.tmrDemo = s.chkDemo;
    g.Raise({.kind = EventKind::DemoResume});
    g.Raise({.kind = EventKind::MusicStart});
    // The game-type captions are read from the settings wherever they are shown.
    s.g_ColorWarn = 0;
    s.m_ColorIndicator.visible = false;
    s.g_ColorState = 0;
    s.g_ColorValue = 0;
    g.Raise({.kind = EventKind::ViewReset});
    // Forced: the start sound plays during start-up too.
    g.Raise({.kind = EventKind::PlaySound, .slot = SoundSlot::mRht1, .flag = true});
    s.m_InvSign = false;

    g.rng.Randomize();
    s.g_Level = 0;
    s.lblLevel = "Level # 0";
    s.m_FallCounter = 0;
    s.m_FallDelay = 150;
    g.Raise({.kind = EventKind::RecordPlaceStringsClear});

    for (auto& col : s.g_Pole) col.fill(false);
    for (auto& col : s.m_PoleColor) col.fill(Color4{});
    for (auto& col : s.poleKinds) col.fill(kOtherKind);
    s.m_PoleMaxX = static_cast<uint8_t>(s.g_Pole.size() - 1);
    s.m_PoleMaxY = static_cast<uint8_t>(s.g_Pole[0].size() - 1);

    s.g_FigX = kSpawnCol;
    s.g_FigY = 0;
    g.rng.Randomize();
    s.g_Running = true;
    s.g_LinesInLevel = 0;

    for (FigureRec& entry : s.g_Figs) SetQueueEntry(entry, ChooseFigure(g));

    AnnounceNextFigure(g);
    g_CheckForZembFig(g);
    // The demo plays on into the next game of a series: its plan was for the figure
    // that ended the last one, and a plan for another figure is never reached.
    g.Raise({.kind = EventKind::DemoPlanFigure});

    s.g_DropArmed = true;
    s.g_Dropping = false;
    s.m_ColorIndicator.visible = false;

    s.m_LevelAtLastLanding = 0;
    s.m_MouseLatch = true;
    g.Raise({.kind = EventKind::RecordsNewGame});
    g.Raise({.kind = EventKind::LevelBannerRestart});

    g.Raise({.kind = EventKind::Log, .value = kLogLeave, .flag = true, .text = "f_Init()"});
}

void f_Init(Game& g) {
    if (!f_InitStart(g)) return;
    InitGameGlobals(g);
    f_InitFinish(g);
}

}  // namespace zembrol
