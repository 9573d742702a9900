// The file-open window (frmOpen): the game's own file choice for sound files, the
// music and skin pictures. A list of places (home, the application folder, "/", the
// mounted volumes), the folders of the current folder and its files that match the
// pattern; one click on a file chooses it. It never changes the process's working
// folder. A window run draws it with ImGui (ui/open_view).
#pragma once

#include <string>
#include <vector>

#include "loop/script_window.h"
#include "platform/files.h"

namespace zembrol {

inline constexpr const char* kParentFolder = "..";

class FileOpenWindow final : public ScriptWindow {
public:
    // `places`: the drive list; `caption`: "Title" of "fOpen", a space and the pattern;
    // `unreadable`: the text shown before the reason a folder cannot be read.
    FileOpenWindow(std::string pattern, std::string startFolder, std::vector<std::string> places, std::string caption,
               std::string unreadable);

    const std::string& Caption() const { return caption_; }
    const std::string& Folder() const { return folder_; }
    const std::vector<std::string>& Places() const { return places_; }
    int Place() const { return place_; }
    // The folder list: ".." first unless at "/", then the sub-folders.
    const std::vector<std::string>& Folders() const { return folders_; }
    const std::vector<std::string>& Files() const { return files_; }
    const std::string& Message() const { return message_; }
    // The choice once the window has closed; empty when it closed any other way.
    const std::string& ChosenPath() const { return chosenPath_; }
    const std::string& ChosenFile() const { return chosenFile_; }

    const char* Name() const override { return "frmOpen"; }
    bool Closed() const override { return closed_; }
    // filOpen(i) chooses file i; dirOpen(i) opens folder i; drvOpen(i) goes to place i;
    // "close" (the close box) and "cmdCancel" close without a choice.
    bool Click(const std::string& control) override;
    // choose drvOpen|dirOpen|filOpen NAME: the same by the item's text.
    bool Choose(const std::string& control, const std::string& item) override;
    bool Key(const std::string& key) override;   // "Esc" closes without a choice
    void CloseByDefault() override { closed_ = true; }
    std::vector<ControlValue> Controls() const override;

private:
    // Shows `folder`; an unreadable one is named in the window and the previous stays.
    bool Open(const std::string& folder);
    void ChooseFile(int index);

    std::string pattern_;
    std::vector<std::string> places_;
    std::string caption_;
    std::string unreadable_;
    std::string folder_;
    int place_ = -1;
    std::vector<std::string> folders_, files_;
    std::string message_;
    std::string chosenPath_, chosenFile_;
    bool closed_ = false;
};

// The place a folder lies under: the longest place that is the folder or one of its
// parents; -1 when none is ("/" is a place, so only for an empty list).
int PlaceOf(const std::vector<std::string>& places, const std::string& folder);

}  // namespace zembrol
