#pragma once

#include <QString>

#include <iterator>

namespace ERRORS32 {

inline constexpr char kAsEnglish[] = "<as English>";
inline constexpr char kAsSpanish[] = "<as Spanish>";

struct MessageRow {
    const char *name;
    QString *entry;
    const char *english;
    const char *spanish;
    // French, Italian, German, Portuguese, Finnish, Swedish.
    const char *others[6];
};

extern const MessageRow kMessageTable[];
extern const int kMessageTableSize;

} // namespace ERRORS32
