// The settings dialogs in the running application: the settings window behind the
// main window's chkSet, the sequence editor it opens, the file choice
// (gg_GetPathAndFile) and the skin pictures it offers.
#include "app/app.h"
#include "app/messages.h"
#include "windows/open_window.h"
#include "windows/seq_window.h"
#include "windows/settings_window.h"
#include "game/figures.h"
#include "platform/files.h"
#include "platform/image.h"
#include "ui/settings_views.h"

namespace zembrol {

void App::ShowSettingsWindow() {
    std::array<std::string, kSoundEvents> events;
    for (size_t k = 0; k < events.size(); ++k) events[k] = language_.ini_GetParam("fSettings", kSoundEventKeys[k]);
    SettingsWindow w(settings_, session_->state, sound_, events);
    w.appFolder = paths_.SharedFolder();
    w.place = settingsPlace_;
    w.openSeq = [this] { return ShowSeqWindow(); };
    w.chooseFile = [this](const std::string& pattern, const std::string& folder, std::string* path) {
        std::string file;
        return gg_GetPathAndFile(pattern, folder, path, &file);
    };
    w.checkPicture = [](const std::string& path, std::string* why) {
        platform::RgbaImage image;
        return platform::LoadImageRgba(path, &image, why);
    };
    w.skinChanged = [this] { LoadSkinPicture(); };
    w.openWeb = [this] {
        OpenWithDesktopOrSay(RecordsPageAddress(config_.currentPath, paths_.Shipped("set/default.ini")));
    };
    w.openGraph = [this] { ShowGraphWindow(); };
    w.newGame = [this] { f_Init(); };
    w.log = [this](const std::string& line) { log_.f_Log(line, kLogPlain, false); };
    w.Keys().text = [this](const std::string& key) { return language_.ini_GetParam("fSettings", key); };
    w.Load();
    log_.f_Log("frmSettings load", kLogPlain, true);

    SettingsView view;
    view.caption = std::string(kAppTitle) + " : " + language_.ini_GetParam("fMain", "cSettings");
    view.text = [this](const std::string& key) { return language_.ini_GetParam("fSettings", key); };
    view.events = events;
    view.settings = &settings_;
    RunWindow(w, [&] {
        view.shown = w.Shown();
        view.placeKnown = w.place.known;
        view.x = w.place.x;
        view.y = w.place.y;
        ++view.frame;
        WindowInput in = DrawSettings(view, UiScale());
        w.place = {true, in.x, in.y};
        for (const auto& [name, item] : in.chosen) w.Choose(name, item);
        for (const auto& [name, value] : in.slid) w.Slide(name, value);
        return in.clicked;
    });
    settingsPlace_ = w.place;
    SettingsChangedInGame();
    log_.f_Log("frmSettings unload", kLogPlain, true);
}

bool App::ShowSeqWindow() {
    SeqWindow w(settings_.game);
    w.Load();
    SeqView view;
    view.caption = std::string(kAppTitle) + " : " + language_.ini_GetParam("fSettings", "ct_optType2");
    view.randomCaption = language_.ini_GetParam("fSettings", "chkRandom");
    view.masks = kFigureMasks;
    RunWindow(w, [&] {
        view.items.clear();
        for (uint8_t k = 1; k <= w.Sequence().GetCount(); ++k) view.items.push_back(w.Sequence().GetValueItem(k));
        view.random = w.Random();
        view.randomEnabled = w.RandomEnabled();
        return DrawSeq(view, UiScale()).clicked;
    });
    return w.SequenceChanged();
}

bool App::gg_GetPathAndFile(const std::string& pattern, const std::string& folder, std::string* path,
                            std::string* file) {
    path->clear();
    file->clear();
    if (pattern.empty() || folder.empty()) {
        g_ErrorReport("Некорректные параметры", "gg_GetPathAndFile()", ErrorInfo{});
        return false;
    }
    std::string start = folder;
    if (!platform::IsDirectory(start)) {
        // The folder has gone: the window opens in the application folder.
        log_.f_Log("ChDir " + folder, kLogPlain, false);
        start = paths_.SharedFolder();
    }
    FileOpenWindow w(pattern, start, platform::FilePlaces(paths_.SharedFolder()),
                 language_.ini_GetParam("fOpen", "Title") + " " + pattern, language_.ini_GetParam("fOpen", "NoRead"));
    OpenView view;
    view.cancel = language_.ini_GetParam("fOpen", "Cancel");
    RunWindow(w, [&] {
        view.caption = w.Caption();
        view.folder = w.Folder();
        view.message = w.Message();
        view.places = w.Places();
        view.folders = w.Folders();
        view.files = w.Files();
        view.place = w.Place();
        return DrawOpen(view, UiScale()).clicked;
    });
    *path = w.ChosenPath();
    *file = w.ChosenFile();
    return !file->empty();
}

}  // namespace zembrol
