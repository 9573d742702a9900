// The result mail link: "mailto:" + the result address + a subject and the result
// text as body, percent-encoded so that whatever a player types in a name (&, ?, #,
// %, spaces, Cyrillic) stays inside the body instead of changing or cutting the link.
#pragma once

#include <string>
#include <string_view>

namespace zembrol {

// Every byte except the unreserved characters (letters, digits, "-", ".", "_", "~")
// and those in `keep` becomes "%" and two upper-case hex digits; UTF-8 text is
// therefore encoded byte by byte.
std::string PercentEncode(std::string_view text, std::string_view keep = {});

// mailto:<address>?subject=Zembrol%20result&body=<result text>
std::string ResultMailLink(std::string_view address, std::string_view resultText);

}  // namespace zembrol
