// Opening a file or a link with the desktop's handler (xdg-open), as an argument
// vector: a name is never handed to a shell.
#pragma once

#include <string>

namespace zembrol::platform {

// Starts the handler and returns without waiting for it; false when it could not start.
bool OpenWithDesktop(const std::string& fileOrUrl);

}  // namespace zembrol::platform
