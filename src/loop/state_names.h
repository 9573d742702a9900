// Named variables a script may set: the rules' settings and game-state values, by
// the names the rules use. Values are checked against the range the rules can
// work with, so a script cannot put a figure outside the field's arrays.
#pragma once

#include <string>
#include <string_view>

#include "loop/session.h"

namespace zembrol {

enum class SetResult { Done, UnknownName, BadValue };

// value: a number as ParseNumber reads it (a fraction rounds half to even), within
// the name's range; for flags also true / false (a number: non-zero is true).
// On BadValue, problem says what is wrong.
SetResult SetNamedValue(Session& s, std::string_view name, std::string_view value, std::string& problem);

}  // namespace zembrol
