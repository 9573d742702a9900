// frmOpen: moving between places and folders, and the one click that chooses.
#include "windows/open_window.h"


namespace zembrol {

namespace {
std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string Up(const std::string& folder) {
    const size_t slash = folder.find_last_of('/');
    return (slash == std::string::npos || slash == 0) ? "/" : folder.substr(0, slash);
}

int Find(const std::vector<std::string>& items, const std::string& item) {
    for (size_t k = 0; k < items.size(); ++k)
        if (items[k] == item) return static_cast<int>(k);
    return -1;
}
}  // namespace

int PlaceOf(const std::vector<std::string>& places, const std::string& folder) {
    int best = -1;
    size_t bestLength = 0;
    for (size_t k = 0; k < places.size(); ++k) {
        const std::string& p = places[k];
        const bool under = folder == p || p == "/" ||
                           (folder.size() > p.size() && folder.compare(0, p.size(), p) == 0 && folder[p.size()] == '/');
        if (under && (best < 0 || p.size() > bestLength)) {
            best = static_cast<int>(k);
            bestLength = p.size();
        }
    }
    return best;
}

FileOpenWindow::FileOpenWindow(std::string pattern, std::string startFolder, std::vector<std::string> places,
                       std::string caption, std::string unreadable)
    : pattern_(std::move(pattern)), places_(std::move(places)), caption_(std::move(caption)),
      unreadable_(std::move(unreadable)) {
    if (startFolder.size() > 1 && startFolder.back() == '/') startFolder.pop_back();
    if (!Open(startFolder)) folder_ = startFolder;   // shown empty, with its message
}

bool FileOpenWindow::Open(const std::string& folder) {
    platform::FolderListing listing;
    std::string error;
    if (!platform::ListFolder(folder, &listing, &error)) {
        message_ = unreadable_ + " " + folder + ": " + error;
        return false;
    }
    message_.clear();
    folder_ = folder;
    place_ = PlaceOf(places_, folder_);
    folders_.clear();
    if (folder_ != "/") folders_.emplace_back(kParentFolder);
    folders_.insert(folders_.end(), listing.folders.begin(), listing.folders.end());
    files_.clear();
    for (const std::string& f : listing.files)
        if (platform::MatchesPattern(f, pattern_)) files_.push_back(f);
    return true;
}

void FileOpenWindow::ChooseFile(int index) {
    chosenFile_ = files_[static_cast<size_t>(index)];
    chosenPath_ = Join(folder_, chosenFile_);
    closed_ = true;
}

bool FileOpenWindow::Click(const std::string& control) {
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index)) return false;
    if ((name == "close" || name == "cmdCancel") && index < 0) {
        closed_ = true;
    } else if (name == "filOpen" && index >= 0 && index < static_cast<int>(files_.size())) {
        ChooseFile(index);
    } else if (name == "dirOpen" && index >= 0 && index < static_cast<int>(folders_.size())) {
        const std::string& f = folders_[static_cast<size_t>(index)];
        Open(f == kParentFolder ? Up(folder_) : Join(folder_, f));
    } else if (name == "drvOpen" && index >= 0 && index < static_cast<int>(places_.size())) {
        // An unreadable place leaves the list on the place of the folder shown.
        Open(places_[static_cast<size_t>(index)]);
    } else {
        return false;
    }
    return true;
}

bool FileOpenWindow::Choose(const std::string& control, const std::string& item) {
    int index = -1;
    if (control == "filOpen") index = Find(files_, item);
    else if (control == "dirOpen") index = Find(folders_, item);
    else if (control == "drvOpen") index = Find(places_, item);
    else return false;
    return index >= 0 && Click(Indexed(control, index));
}

bool FileOpenWindow::Key(const std::string& key) {
    if (key != "Esc") return false;
    closed_ = true;
    return true;
}

std::vector<ControlValue> FileOpenWindow::Controls() const {
    std::vector<ControlValue> c{{"Caption", caption_}};
    c.push_back({"drvOpen", place_ >= 0 ? places_[static_cast<size_t>(place_)] : ""});
    for (size_t k = 0; k < places_.size(); ++k) c.push_back({"drvOpen(" + std::to_string(k) + ")", places_[k]});
    c.push_back({"dirOpen", folder_});
    for (size_t k = 0; k < folders_.size(); ++k) c.push_back({"dirOpen(" + std::to_string(k) + ")", folders_[k]});
    for (size_t k = 0; k < files_.size(); ++k) c.push_back({"filOpen(" + std::to_string(k) + ")", files_[k]});
    c.push_back({"lblMessage", message_});
    return c;
}

}  // namespace zembrol
