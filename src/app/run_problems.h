// What went wrong in a run that a player at the window only finds in the log: a save
// that failed, a file that exists but could not be read, a language file missing. A
// scripted or simulation run has nobody watching, so it ends with an error code and
// says each of these on standard error instead of reporting success.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zembrol {

class RunProblems {
public:
    // Kept once: the same problem met again is not said twice.
    void Note(const std::string& text);
    bool Any() const { return !texts_.empty(); }
    const std::vector<std::string>& Texts() const { return texts_; }
    // Says each problem as "zembrol: TEXT" and gives the run's exit code: 1 when the
    // run would otherwise have succeeded, the run's own failure code otherwise.
    int Finish(int exitCode, std::ostream& err) const;

private:
    std::vector<std::string> texts_;
};

}  // namespace zembrol
