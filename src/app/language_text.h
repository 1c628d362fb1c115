#pragma once

#include <QString>
#include <QStringList>

#include <span>

// A text the program shows in English and Spanish, and in German where it
// has one. Spanish shows the Spanish text, German the German one (the
// English when it has none), every other language the English. A null
// English or Spanish text means there is none in that language.
struct LanguageText {
    const char *english;
    const char *spanish;
    const char *german = nullptr;
};

// The text for the current LanguageCode (empty when there is none).
QString inLanguage(const LanguageText &text);

// The lines of a table for the current LanguageCode; a line with no text in
// that language is left out.
QStringList linesInLanguage(std::span<const LanguageText> table);
