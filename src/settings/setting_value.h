// Typed setting variables and the text conversions of the configuration files:
// Booleans as True/False, numbers in decimal, texts as they are; reading follows
// the rules the old files were written for ("TRUE"/"FALSE" in any case, numbers
// rounded half to even, out-of-range or non-numeric text rejected). Numbers are
// read by ParseNumber (game/number_text.h), as `--set` and the scripts read them.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace zembrol {

using SettingRef = std::variant<bool*, uint8_t*, int16_t*, int32_t*, float*, std::string*>;

// Assigns raw text read from a file to the variable; false (variable unchanged)
// when the text does not convert to the variable's type, with the reason in
// `problem` when given (e.g. "\"1e300\" is out of range for a 16-bit integer").
bool AssignSetting(const std::string& raw, SettingRef ref, std::string* problem = nullptr);
// The variable as the file stores it.
std::string SettingText(SettingRef ref);

}  // namespace zembrol
