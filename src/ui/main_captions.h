// The main window's captions from the language file: the seven buttons and the
// fixed labels beside the 3D view. Texts the game formats itself (the level line,
// the row counters, "FPS : ") are game state, not captions.
#pragma once

#include <array>
#include <string>

namespace zembrol {

struct MainCaptions {
    std::string chkPause, chkSet, chkHelp, chkNew, chkView0, chkDemo, chkExit;
    std::string lblScoreCap;                  // above the score
    std::string lblPlaceCap;                  // "Place" before the live place
    std::string lblLevelPlaceCap;             // before the place in the level's table
    std::string lblLeaderCap;                 // before the first-place holder's name
    std::array<std::string, 5> lblBonusCap;   // lblDB, lblTB, lblChB, lblInvB, lblCoB
    std::string lblTakeBackCap;               // before the take-back lamps
    std::string lstTableCap, lstLevelCap;     // titles of the two record lists
};

}  // namespace zembrol
