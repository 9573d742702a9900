// Language files and lang.txt.
#include "app/language.h"

#include "app/configuration.h"
#include "app/log.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/text_encoding.h"

namespace zembrol {

Language::Language(const AppPaths& paths, StartupLog& log) : paths_(paths), log_(log) {}

std::string Language::ini_GetParam(const std::string& section, const std::string& key) const {
    // Without a chosen language there is no file to read: every text is "...".
    if (current_.empty()) return "...";
    return platform::GetPrivateProfileString(section, key, "...", paths_.Shipped("lang/" + current_));
}

bool Language::set_lang(bool save) {
    const std::string langTxt = paths_.root + "/lang.txt";
    if (save) {
        std::string error;
        if (!platform::WriteFileAtomic(langTxt, current_ + "\n", &error)) {
            log_.f_Log("set_lang() - " + error, kLogPlain, false);
            return false;
        }
    } else {
        const platform::FileRead read = platform::ReadFileChecked(langTxt);
        if (!read.Ok()) {
            log_.f_Log("set_lang() - " + read.error + " (" + langTxt + ")", kLogPlain, false);
            return false;
        }
        std::string text = platform::DecodeFileText(read.bytes);
        std::string line = text.substr(0, text.find_first_of("\r\n"));
        if (!line.empty() && a_FindFile(log_, paths_.Shipped("lang/" + line))) {
            current_ = line;
        } else {
            current_ = kDefaultLanguage;
            log_.f_Log("set_lang() - set default language - err.desc -" + std::string(" file not found: ") + line,
                       kLogPlain, false);
        }
    }
    g_SetMainCaptions();
    return true;
}

bool Language::get_languages(std::vector<std::string>* names) {
    std::string error;
    std::vector<std::string> found = platform::FindFiles(paths_.Shipped("lang/*.ini"), &error);
    if (found.empty()) {
        log_.f_Log(error.empty() ? "get_languages() - no files found" : "get_languages() - " + error, kLogPlain,
                   false);
        current_ = kDefaultLanguage;
        return false;
    }
    for (const std::string& name : found) names->push_back(name);
    return true;
}

std::string Language::TextOr(const std::string& section, const std::string& key, const std::string& fallback) const {
    if (current_.empty()) return fallback;
    return platform::GetPrivateProfileString(section, key, fallback, paths_.Shipped("lang/" + current_));
}

const std::vector<MainLabelKey>& MainLabelKeys() {
    using C = MainCaptions;
    static const std::vector<MainLabelKey> keys = {
        {"lblScoreCap", [](C& c) { return &c.lblScoreCap; }, "Score"},
        {"lblPlaceCap", [](C& c) { return &c.lblPlaceCap; }, "Place"},
        {"lblDBCap", [](C& c) { return &c.lblBonusCap[0]; }, "Zembrol bonus"},
        {"lblTBCap", [](C& c) { return &c.lblBonusCap[1]; }, "Time bonus"},
        {"lblChBCap", [](C& c) { return &c.lblBonusCap[2]; }, "Change bonus"},
        {"lblInvBCap", [](C& c) { return &c.lblBonusCap[3]; }, "Inversia bonus"},
        {"lblCoBCap", [](C& c) { return &c.lblBonusCap[4]; }, "Color bonus"},
        {"lblTakeBackCap", [](C& c) { return &c.lblTakeBackCap; }, "Take back"},
        {"lstTableCap", [](C& c) { return &c.lstTableCap; }, "Top 100"},
        {"lstLevelCap", [](C& c) { return &c.lstLevelCap; }, "Level Top 100"},
        {"lblLevelPlaceCap", [](C& c) { return &c.lblLevelPlaceCap; }, "In level"},
        {"lblLeaderCap", [](C& c) { return &c.lblLeaderCap; }, "1st"},
    };
    return keys;
}

std::string Language::LanguageName(const std::string& fileName) const {
    const std::string name =
        platform::GetPrivateProfileString("Language", "Name", "", paths_.Shipped("lang/" + fileName));
    return name.empty() ? fileName : name;
}

MainCaptions Language::MainWindowCaptions() const {
    MainCaptions c{ini_GetParam("fMain", "cPause"),    ini_GetParam("fMain", "cSettings"),
                   ini_GetParam("fMain", "cHelp"),     ini_GetParam("fMain", "cNewGame"),
                   ini_GetParam("fMain", "cMainView"), ini_GetParam("fMain", "cDemo"),
                   ini_GetParam("fMain", "cExit")};
    for (const MainLabelKey& k : MainLabelKeys()) *k.field(c) = TextOr("fMain", k.key, k.english);
    return c;
}

void Language::g_SetMainCaptions() {
    if (captionSink_) captionSink_(MainWindowCaptions());
}

ModeCaptions g_GetModeCaptions(const Language& language, int speed, int gameType, bool trial) {
    ModeCaptions c;
    if (speed >= 0 && speed <= 2) c.speed = language.ini_GetParam("fSettings", "ct_optSpeed" + std::to_string(speed));
    if (trial) c.type = language.ini_GetParam("fSettings", "ct_optType3");
    else if (gameType == 1) c.type = "Zembrol";
    else if (gameType == 2) c.type = language.ini_GetParam("fSettings", "ct_optType1");
    else if (gameType == 3) c.type = language.ini_GetParam("fSettings", "ct_optType2");
    return c;
}

}  // namespace zembrol
