// The state dump of a headless run: the whole game state as one JSON line, with
// the field as rows 0..30 of "0"/"1" over columns 4..18.
#pragma once

#include <string>

#include "loop/session.h"

namespace zembrol {

std::string DumpState(const Session& s);

}  // namespace zembrol
