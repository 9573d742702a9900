// Where the game's files are: the application folder and the machine name that
// the log and configuration file names carry.
#pragma once

#include <string>
#include <string_view>

namespace zembrol {

struct AppPaths {
    std::string root;     // application folder, never ending in '/'
    std::string machine;  // machine name

    // root + "/data/" + relative path, e.g. Data("set/cfg.ini").
    std::string Data(std::string_view relative) const { return root + "/data/" + std::string(relative); }
    std::string LogFile() const { return Data("Load_" + machine + ".log"); }
};

// The application folder as given loses one trailing separator (a root folder "/"
// stays usable: data paths then begin with "/data/").
inline std::string NormaliseAppFolder(std::string folder) {
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace zembrol
