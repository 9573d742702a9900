// The game's two folders.
#include "app/app_paths.h"

namespace zembrol {

AppPaths ResolveFolders(const FolderFacts& f) {
    AppPaths p;
    auto single = [&p](const std::string& folder) {
        p.root = p.shared = NormaliseAppFolder(folder);
        return p;
    };
    if (!f.rootOption.empty()) return single(f.rootOption);
    if (f.isFolder(f.exeFolder + "/data")) return single(f.exeFolder);
    const std::string prefixShare = ParentOf(f.exeFolder) + "/share/zembrol";
    if (!f.isFolder(prefixShare + "/data")) return single(f.exeFolder);
    p.installed = true;
    p.shared = prefixShare;
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
    if (!f.xdgDataHome.empty() && f.xdgDataHome.front() == '/') p.root = NormaliseAppFolder(f.xdgDataHome) + "/zembrol";
    else p.root = NormaliseAppFolder(f.home.empty() ? "/tmp" : f.home) + "/.local/share/zembrol";
    return p;
}

}  // namespace zembrol
