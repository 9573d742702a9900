// Control names as scripts and dumps spell them.
#include "loop/script_window.h"

#include <cstdlib>

namespace zembrol {

bool SplitControl(const std::string& control, std::string* name, int* index) {
    const size_t open = control.find('(');
    if (open == std::string::npos) {
        *name = control;
        *index = -1;
        return !control.empty();
    }
    if (control.back() != ')' || open == 0 || open + 2 >= control.size()) return false;
    const std::string digits = control.substr(open + 1, control.size() - open - 2);
    if (digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    *name = control.substr(0, open);
    *index = std::atoi(digits.c_str());
    return true;
}

}  // namespace zembrol
