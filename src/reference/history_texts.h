#pragma once

#include <QString>

namespace reference {

// A text of the history in every language, in LanguageCode order: Spanish,
// English, French, Italian, German, Portuguese, Finnish, Swedish.
struct HistoryText {
    const char *texts[8];
    // The text for the current LanguageCode.
    QString shown() const;
};

extern const HistoryText kMoreRecordsMatch;
extern const HistoryText kLocalRecordsOnly;
extern const HistoryText kNotADate; // follows the box's label
extern const HistoryText kFirstAfterLast;
extern const HistoryText kTableHelp;    // what a screen reader adds to the table
extern const HistoryText kDeleteRecord; // %1: the record as listed
extern const HistoryText kYes;
extern const HistoryText kNo;
extern const HistoryText kFileMovedAside; // %1: the name it was given
extern const HistoryText kKeptInMemory;   // %1: the file that cannot be written
extern const HistoryText kServerRefused;  // %1: the server's answer

} // namespace reference
