// A path or text shortened to fit a narrow label of a window.
#pragma once

#include <string>

namespace zembrol {

// First k characters, "...", last k, with k = (width - 3) / 2; unchanged when it fits.
std::string g_ShortText(const std::string& text, int width);

}  // namespace zembrol
