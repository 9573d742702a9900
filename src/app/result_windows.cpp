// Record entry in a window run, and the records page it links to.
#include "app/result_windows.h"

#include "app/app.h"
#include "app/messages.h"
#include "platform/profile.h"
#include "ui/record_entry.h"

namespace zembrol {

namespace {
bool Blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }
}  // namespace

std::string RecordsPageAddress(const std::string& currentConfig, const std::string& defaultConfig) {
    for (const std::string& file : {currentConfig, defaultConfig}) {
        if (file.empty()) continue;
        const std::string address = platform::GetPrivateProfileString("MAIN", kRecordsPageKey, "", file);
        if (!Blank(address)) return address;
    }
    return kDefaultRecordsPage;
}

RecordEntry AppResultWindows::ShowRecordEntry(const std::string& offered, bool demoPlayed) {
    Language& lang = app_.Lang();
    RecordEntryDialog d;
    d.cap1 = lang.ini_GetParam("fEName", "Cap1");
    d.cap2 = lang.ini_GetParam("fEName", "Cap2");
    d.chkSend = lang.ini_GetParam("fEName", "chkSend");
    d.lblGotoRecords = lang.ini_GetParam("fEName", "lblGotoRecords");
    // A name never stored reads as "...": the field starts empty instead.
    d.name = offered == "..." ? std::string() : offered;
    d.demoPlayed = demoPlayed;
    if (demoPlayed) d.name = kComputerName;

    RecordEntry entry;
    bool confirmed = false;
    while (!confirmed) {
        RecordEntryChoice choice = RecordEntryChoice::Cancel;
        app_.RunModal([&](DialogKey key) {
            choice = DrawRecordEntry(d, kAppTitle, app_.UiScale(), key);
            return choice != RecordEntryChoice::None;
        });
        if (choice == RecordEntryChoice::GotoRecords) {
            OpenWithDesktopOrSay(RecordsPageAddress(app_.Config().currentPath, app_.Paths().Shipped("set/default.ini")));
            continue;  // the window shows again, the name as typed
        }
        if (choice != RecordEntryChoice::Ok) return entry;  // cancelled
        // An empty name is kept only when the player says so; otherwise the window opens
        // again with the focus in the name field.
        confirmed = !Blank(d.name) || AcceptEmptyName(lang.ini_GetParam("fEName", "Empt"));
    }
    entry.cancelled = false;
    entry.name = d.name;
    entry.send = d.send && !demoPlayed;
    return entry;
}

}  // namespace zembrol
