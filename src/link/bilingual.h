#pragma once

#include <QString>
#include <QStringList>

namespace unitlink {

// A text of one engine screen given in English and Spanish: Spanish when
// LanguageCode is 1, English for every other language. A null text means
// the screen has none in that language.
struct BilingualText {
    const char *english;
    const char *spanish;
};

// The text for the current LanguageCode (empty when there is none).
QString bilingual(const BilingualText &text);

// The texts of a table, each for the current LanguageCode.
template <typename Table> QStringList bilingualLines(const Table &table) {
    QStringList lines;
    for (const BilingualText &text : table)
        lines << bilingual(text);
    return lines;
}

} // namespace unitlink
