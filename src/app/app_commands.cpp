// Window commands and script requests served by the application.
#include "app/app_commands.h"

#include "app/app.h"
#include "app/setting_keys.h"
#include "platform/message_box.h"

namespace zembrol {

bool AppCommands::ReloadConfiguration() {
    app_.Config().ini_MainIni(1);
    app_.SettingsChangedInGame();
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

bool AppCommands::EscPause() {
    // Esc in a tool window beside the game closes that window, not the game.
    if (ScriptWindow* tool = app_.ToolWindow()) tool->Key("Esc");
    else app_.EscPause();
    return true;
}

bool AppCommands::OpenMaterialEditor() {
    app_.OpenMaterialEditor();
    return true;
}

bool AppCommands::Click(const std::string& control) { return app_.OnControl(control); }

bool AppCommands::Type(const std::string& text) {
    app_.Window().typedText = text;
    return true;
}

bool AppCommands::Answer(const std::string& word) {
    // The configuration window takes "load" or "save" (no answer cancels it);
    // message boxes take the rest.
    if (word == "load" || word == "save") {
        app_.Window().dialogAnswers.push_back(word);
        return true;
    }
    platform::BoxAnswer answer;
    if (!platform::ParseBoxAnswer(word, &answer)) return false;
    platform::QueueBoxAnswer(answer);
    return true;
}

bool AppCommands::Set(const std::string& name, const std::string& value, std::string* problem) {
    SettingRef ref;
    return FindSetting(app_.GetSettings(), name, &ref) && AssignSetting(value, ref, problem);
}

ScriptWindow* AppCommands::OpenWindow() { return app_.OpenWindow(); }

ScriptWindow* AppCommands::ToolWindow() { return app_.ToolWindow(); }

std::vector<std::pair<std::string, std::string>> AppCommands::SettingValues() {
    return zembrol::SettingValues(app_.GetSettings());
}

std::vector<ControlValue> AppCommands::MainWindowControls() { return app_.MainWindowControls(); }

void AppCommands::SetWindowFeed(WindowFeed* feed) { app_.SetWindowFeed(feed); }

}  // namespace zembrol
