// Message boxes of the application frame.
#include "app/messages.h"

#include "platform/shell.h"

namespace zembrol {

platform::BoxAnswer ShowBox(const std::string& text, platform::BoxIcon icon, platform::BoxButtons buttons,
                            platform::BoxAnswer defaultAnswer) {
    return platform::ShowMessageBox(platform::BoxRequest{kAppTitle, text, icon, buttons, defaultAnswer});
}

void g_InfoBox(const std::string& text) { ShowBox(text, platform::BoxIcon::Information); }

void g_ErrorReport(const std::string& message, const std::string& function, const ErrorInfo& error) {
    ShowBox("Function : " + function + "\nMessage : " + message + "\n\nnum : " + std::to_string(error.number) +
                "\ndesk : " + error.description,
            platform::BoxIcon::Exclamation);
}

bool AskOkCancel(const std::string& text, platform::BoxIcon icon) {
    return ShowBox(text, icon, platform::BoxButtons::OkCancel, platform::BoxAnswer::Cancel) ==
           platform::BoxAnswer::Ok;
}

bool OpenWithDesktopOrSay(const std::string& fileOrUrl) {
    if (platform::OpenWithDesktop(fileOrUrl)) return true;
    ShowBox(kTextNoDesktopHandler + fileOrUrl, platform::BoxIcon::Exclamation);
    return false;
}

}  // namespace zembrol
