// Named variables a script may set: the rules' settings and game-state values, by
// the names the rules use. Values are checked against the range the rules can
// work with, so a script cannot put a figure outside the field's arrays.
#pragma once

#include <string>
#include <string_view>

#include "loop/session.h"

namespace zembrol {

enum class SetResult { Done, UnknownName, BadValue };

// value: a decimal integer, or true / false for flags (1, 0 and -1 work too).
// On BadValue, problem says what is wrong.
SetResult SetNamedValue(Session& s, std::string_view name, std::string_view value, std::string& problem);

// Parses a whole token as a decimal integer.
bool ParseInt(std::string_view text, long long& out);

}  // namespace zembrol
