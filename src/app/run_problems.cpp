// RunProblems: collecting and reporting what a run without a person could not do.
#include "app/run_problems.h"

#include <algorithm>

namespace zembrol {

void RunProblems::Note(const std::string& text) {
    if (std::find(texts_.begin(), texts_.end(), text) == texts_.end()) texts_.push_back(text);
}

int RunProblems::Finish(int exitCode, std::ostream& err) const {
    for (const std::string& t : texts_) err << "zembrol: " << t << "\n";
    return texts_.empty() || exitCode != 0 ? exitCode : 1;
}

}  // namespace zembrol
