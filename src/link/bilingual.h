#pragma once

#include <QString>

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

} // namespace unitlink
