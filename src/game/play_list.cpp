// PlayList: which list a game reads and in which order.
#include "game/play_list.h"

#include "game/game_settings.h"

namespace zembrol {

clsSeq PlayList::OrdinaryFigures() {
    clsSeq seven;
    for (uint8_t k = 0; k <= 6; ++k) seven.PutItem(k);
    return seven;
}

void PlayOrdinaryFigures(PlayList& list) {
    list.playersList = false;
    list.order = PlayOrder::Random;
}

void PlayPlayersList(PlayList& list, PlayOrder order) {
    list.playersList = true;
    list.order = order;
}

uint8_t NextFromPlayList(PlayList& list, GameSettings& cfg, Rng& rng) {
    clsSeq& items = list.playersList ? cfg.UserSeq : list.ordinary;
    const bool random = list.order == PlayOrder::Random || (list.order == PlayOrder::PlayersChoice && cfg.bRandomSeq);
    return random ? items.GetRandom(rng) : items.Head();
}

}  // namespace zembrol
