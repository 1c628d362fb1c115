#include "link/bilingual.h"

#include "app/errors32.h"

namespace unitlink {

QString bilingual(const BilingualText &text) {
    return QString::fromUtf8(ERRORS32::LanguageCode == ERRORS32::Spanish ? text.spanish
                                                                         : text.english);
}

} // namespace unitlink
