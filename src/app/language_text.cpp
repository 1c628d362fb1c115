#include "app/language_text.h"

#include "app/errors32.h"

namespace {

const char *textFor(const LanguageText &text) {
    switch (ERRORS32::LanguageCode) {
    case ERRORS32::Spanish:
        return text.spanish;
    case ERRORS32::German:
        return text.german ? text.german : text.english;
    default:
        return text.english;
    }
}

} // namespace

QString inLanguage(const LanguageText &text) {
    return QString::fromUtf8(textFor(text));
}

QStringList linesInLanguage(std::span<const LanguageText> table) {
    QStringList lines;
    for (const LanguageText &line : table)
        if (const char *text = textFor(line))
            lines << QString::fromUtf8(text);
    return lines;
}
