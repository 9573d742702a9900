// The record entry window (frmEnterName): the player's name for a score that
// entered the record table, and whether to send the result.
#pragma once

#include <cstddef>
#include <string>

#include "ui/dialogs.h"

namespace zembrol {

struct RecordEntryDialog {
    std::string cap1, cap2, chkSend, lblGotoRecords;  // texts of section "fEName"
    std::string lblNameLimit;                         // how long a name can be, beside Cap2
    std::string name;                                 // txtName
    size_t maxLetters = 0;                            // the longest name the field takes (letters); 0: any
    bool send = false;                                // chkSend
    bool demoPlayed = false;                          // name fixed to "Computer", nothing to send
};

// GotoRecords: the records page label was clicked; the caller opens the page and shows
// the window again.
enum class RecordEntryChoice { None, Ok, Cancel, GotoRecords };

// One frame of frmEnterName; None while it stays open. Enter confirms, Escape cancels.
RecordEntryChoice DrawRecordEntry(RecordEntryDialog& dialog, const std::string& title, float scale, DialogKey key);

}  // namespace zembrol
