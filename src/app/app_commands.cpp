// Window commands and script requests served by the application.
#include "app/app_commands.h"

#include "app/app.h"
#include "app/setting_keys.h"
#include "platform/message_box.h"

namespace zembrol {

bool AppCommands::ReloadConfiguration() {
    app_.Config().ini_MainIni(1);
    return true;
}

bool AppCommands::SaveConfiguration() {
    app_.Config().ini_MainIni(0);
    return true;
}

bool AppCommands::CloseMainWindow() {
    app_.Form_QueryUnload();
    return true;
}

bool AppCommands::Answer(const std::string& word) {
    platform::BoxAnswer answer;
    if (!platform::ParseBoxAnswer(word, &answer)) return false;
    platform::QueueBoxAnswer(answer);
    return true;
}

bool AppCommands::Set(const std::string& name, const std::string& value) {
    SettingRef ref;
    return FindSetting(app_.GetSettings(), name, &ref) && AssignSetting(value, ref);
}

}  // namespace zembrol
