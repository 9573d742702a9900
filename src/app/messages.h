// The game's message boxes and their fixed texts: the information box, the error
// report and the start-up questions, all titled with the application title.
#pragma once

#include <string>

#include "platform/message_box.h"

namespace zembrol {

inline constexpr const char* kAppTitle = "Zembrol";

inline constexpr const char* kTextLogNotOpened = "Не удалось открыть log-файл";
inline constexpr const char* kTextLogNotCreated = "Не удалось создать log-файл";
inline constexpr const char* kTextInitFailed = "Не удалось проинициализировать Zembrol.";
inline constexpr const char* kTextContinueLoading = "Продолжить загрузку ?";
inline constexpr const char* kTextSoundInitFailed = "Не удалось проинициализировать DirectSound";
inline constexpr const char* kTextDesktopUnknown = "Не удалось определить параметры Рабочего стола";
inline constexpr const char* kTextDpiQuestion =
    "Для правильного отображения окна Zembrol необходимо установить разрешение Рабочего стола равное 96 "
    "точек/дюйм\n( Свойства Рабочего стола->Настройка->Дополнительно->Размер шрифта )\nПродолжить загрузку ?";
inline constexpr const char* kTextNoDesktopHandler =
    "Не найдена программа для открытия файлов и ссылок (xdg-open): ";

// A runtime error as the error report shows it: a number and a description.
struct ErrorInfo {
    int number = 0;
    std::string description;
};

platform::BoxAnswer ShowBox(const std::string& text, platform::BoxIcon icon,
                            platform::BoxButtons buttons = platform::BoxButtons::Ok,
                            platform::BoxAnswer defaultAnswer = platform::BoxAnswer::Ok);

// Information icon, OK button.
void g_InfoBox(const std::string& text);
// "Function : ", "Message : ", "num : ", "desk : " with the exclamation icon. Writes nothing to the log.
void g_ErrorReport(const std::string& message, const std::string& function, const ErrorInfo& error);
// OK/Cancel question with Cancel as the default button; true for OK.
bool AskOkCancel(const std::string& text, platform::BoxIcon icon);
// Hands a file or a link to the desktop's handler; when there is none, or it cannot be
// started, says so in a box naming the file or link. True when the handler started.
bool OpenWithDesktopOrSay(const std::string& fileOrUrl);

}  // namespace zembrol
