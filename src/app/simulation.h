// The simulation mode (--headless --demo --games K): the demo player plays K whole
// games at full simulation speed on the null platform, the results go into the record
// files as a real game's would, and every game prints one JSON line.
#pragma once

#include <iosfwd>

namespace zembrol {

class RecordSteps;
class Session;

// Plays the games on the started session; prints one line per game and a summary line.
// Returns the exit code: 0, or 1 when a new game could not start or a record file
// could not be saved (the application says which at the end of the run).
int RunSimulation(Session& session, RecordSteps& results, int games, std::ostream& out);

}  // namespace zembrol
