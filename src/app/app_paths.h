// Where the game's files are. Two folders: the shipped data (textures, skins, sounds,
// help, language files, the default settings), which may be read-only, and the
// player's folder (log, settings, records, the chosen language, the lock). Run from
// its build folder or with --root, both are the one application folder; installed,
// the shipped data lies under the install prefix and each player's files under
// $XDG_DATA_HOME/zembrol.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zembrol {

struct AppPaths {
    std::string root;     // the player's folder (the application folder), never ending in '/'
    std::string shared;   // the shipped data's folder; the same as root unless installed
    std::string machine;  // machine name
    bool installed = false;

    // root + "/data/" + relative path, e.g. Data("set/cfg.ini"): what the game writes.
    std::string Data(std::string_view relative) const { return root + "/data/" + std::string(relative); }
    // shared + "/data/" + relative path, e.g. Shipped("textures"): what the game ships.
    // Without a shared folder of its own the shipped data lies in the player's folder.
    const std::string& SharedFolder() const { return shared.empty() ? root : shared; }
    std::string Shipped(std::string_view relative) const { return SharedFolder() + "/data/" + std::string(relative); }
    std::string LogFile() const { return Data("Load_" + machine + ".log"); }
};

// The application folder as given loses one trailing separator (a root folder "/"
// stays usable: data paths then begin with "/data/").
inline std::string NormaliseAppFolder(std::string folder) {
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

// The folder a folder lies in ("/usr/local/bin" -> "/usr/local"; "/bin" -> "").
inline std::string ParentOf(const std::string& folder) {
    const size_t slash = folder.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

// What decides the folders: the executable's folder, the --root option (empty when
// not given), XDG_DATA_HOME and HOME (empty when unset), and a test for a folder.
struct FolderFacts {
    std::string exeFolder, rootOption, xdgDataHome, home;
    std::function<bool(const std::string&)> isFolder;
};

// --root wins; then a data folder beside the executable (a build or portable tree);
// then an installed tree (<prefix>/bin beside <prefix>/share/zembrol/data), whose
// player folder is $XDG_DATA_HOME/zembrol, or ~/.local/share/zembrol.
AppPaths ResolveFolders(const FolderFacts& facts);

}  // namespace zembrol
