// PlayList: the list the figures of a game of a list type ("Classic", "Sequence", the
// series) come from, and the order they are read in. Each game start sets it from the
// rules; the player's sequence and its order flag are settings of the "Sequence" type
// and a game only reads them, so the configuration saves them as the player left them.
#pragma once

#include <cstdint>

#include "game/cls_seq.h"

namespace zembrol {

struct GameSettings;

enum class PlayOrder : uint8_t {
    Random,          // GetRandom at every draw
    InOrder,         // Head at every draw
    PlayersChoice,   // as the player's order flag says at the draw (the box may change mid-game)
};

struct PlayList {
    // The player's own sequence (GameSettings::UserSeq), read in place: its read position
    // lives there, so a game in order goes on where the previous one stopped, and an
    // edit of the list starts it again from the first item. Otherwise `ordinary`.
    bool playersList = false;
    PlayOrder order = PlayOrder::Random;
    clsSeq ordinary = OrdinaryFigures();   // the seven ordinary figures 0..6

    static clsSeq OrdinaryFigures();
};

// The seven ordinary figures at random: every game outside "Sequence" and a series.
void PlayOrdinaryFigures(PlayList& list);
// The player's sequence, read in `order`.
void PlayPlayersList(PlayList& list, PlayOrder order);
// The next figure number of the list; draws from the generator only when read at random.
uint8_t NextFromPlayList(PlayList& list, GameSettings& cfg, Rng& rng);

}  // namespace zembrol
