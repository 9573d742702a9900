// The application as the record steps see it (RecordsHost): the game on record, the
// folders and the name file, and where their log lines, notices and reports go; and
// what the result windows ask beyond the window loop (ResultWindowsHost).
#include "app/app.h"
#include "app/messages.h"
#include "platform/shell.h"

namespace zembrol {

const GameState& App::RecordedGame() const { return session_->state; }
const GameSettings& App::RecordedSettings() const { return session_->settings; }
bool App::LoopRunning() const { return session_->loop.running; }
std::array<bool, 2> App::ListBoxes() const { return settings_.bLstBox; }
std::string App::SetFolder() const { return paths_.Data("set"); }
std::string App::SharedFolder() const { return paths_.SharedFolder(); }
std::string App::NameFile() const { return config_.currentPath; }
void App::RecordsLog(const std::string& line, bool ok) { log_.f_Log(line, kLogPlain, ok); }
void App::ReportError(const std::string& message, const std::string& where) { g_ErrorReport(message, where, ErrorInfo{}); }
bool App::OpenLink(const std::string& link) { return platform::OpenWithDesktop(link); }

std::string App::RecordsPage() const {
    return RecordsPageAddress(config_.currentPath, paths_.Shipped("set/default.ini"));
}
Game& App::ResultsGame() { return session_->game; }

}  // namespace zembrol
