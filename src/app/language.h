// Language files: every caption of the windows comes from an INI file in
// data/lang, one section per window; lang.txt in the application folder names
// the chosen file. Texts are looked up when needed (the platform keeps a file
// parsed only while it is unchanged, so an edited file is read again at once).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/app_paths.h"
#include "ui/main_captions.h"

namespace zembrol {

class StartupLog;

inline constexpr const char* kDefaultLanguage = "russian.ini";


class Language {
public:
    Language(const AppPaths& paths, StartupLog& log);

    // [section] key of the current language file; "..." when missing.
    std::string ini_GetParam(const std::string& section, const std::string& key) const;
    // Reads (save = false) or writes (save = true) lang.txt, then applies the main
    // window's captions. False when lang.txt could not be read or written.
    bool set_lang(bool save);
    // The language files of data/lang in the file system's order; on none, falls
    // back to russian.ini and returns false.
    bool get_languages(std::vector<std::string>* names);
    // What the language window shows for a language file: its own [Language] Name
    // ("Русский"), or the file name when the file has none.
    std::string LanguageName(const std::string& fileName) const;
    // [section] key of the current language file, or `fallback` when the file or
    // the key is missing: for the texts the game added to a language file's keys,
    // which an older file may not have.
    std::string TextOr(const std::string& section, const std::string& key, const std::string& fallback) const;
    // Captions of the main window, section "fMain": the buttons ("..." when missing)
    // and the labels (English when missing, see MainLabelKeys).
    MainCaptions MainWindowCaptions() const;
    // Applies the captions to the main window, when it exists.
    void g_SetMainCaptions();
    void SetCaptionSink(std::function<void(const MainCaptions&)> sink) { captionSink_ = std::move(sink); }

    const std::string& Current() const { return current_; }
    void SetCurrent(const std::string& fileName) { current_ = fileName; }

private:
    const AppPaths& paths_;
    StartupLog& log_;
    std::string current_;  // file name only; empty until set_lang has run
    std::function<void(const MainCaptions&)> captionSink_;
};

// The main window's label captions: key in section "fMain", the caption it fills,
// and the English text shown when a language file lacks the key.
struct MainLabelKey {
    const char* key;
    std::string* (*field)(MainCaptions&);
    const char* english;
};
const std::vector<MainLabelKey>& MainLabelKeys();

// Speed and game-type captions of the current mode: speed from "ct_optSpeed0..2";
// type "ct_optType3" in a series, else "Zembrol", "ct_optType1", "ct_optType2" for
// types 1, 2, 3; other values give empty captions.
struct ModeCaptions {
    std::string speed, type;
};
ModeCaptions g_GetModeCaptions(const Language& language, int speed, int gameType, bool trial);

}  // namespace zembrol
