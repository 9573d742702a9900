// The application's side of the key table and of scripts: window commands (close,
// configuration keys) and what a script asks beyond the rules (answers, settings).
#pragma once

#include "loop/script_runner.h"

namespace zembrol {

class App;

class AppCommands final : public ScriptHost {
public:
    explicit AppCommands(App& app) : app_(app) {}
    bool ReloadConfiguration() override;
    bool SaveConfiguration() override;
    bool CloseMainWindow() override;
    bool EscPause() override;
    bool OpenMaterialEditor() override;
    bool Click(const std::string& control) override;
    bool Answer(const std::string& word) override;
    bool Type(const std::string& text) override;
    bool Set(const std::string& name, const std::string& value, std::string* problem) override;
    ScriptWindow* OpenWindow() override;
    ScriptWindow* ToolWindow() override;
    std::vector<std::pair<std::string, std::string>> SettingValues() override;
    std::vector<ControlValue> MainWindowControls() override;
    void SetWindowFeed(WindowFeed* feed) override;

private:
    App& app_;
};

}  // namespace zembrol
