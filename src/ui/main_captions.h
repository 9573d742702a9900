// The seven button captions of the main window, from the language file.
#pragma once

#include <string>

namespace zembrol {

struct MainCaptions {
    std::string chkPause, chkSet, chkHelp, chkNew, chkView0, chkDemo, chkExit;
};

}  // namespace zembrol
