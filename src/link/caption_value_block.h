#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace unitlink {

// The caption of an identification field: a fixed text, the catalogue's
// CapEngine followed by a suffix, a catalogue text, or none.
struct FieldCaption {
    enum class Kind { None, Fixed, EngineAnd, Catalogue } kind = Kind::None;
    const char *text = nullptr;         // the fixed text, or the suffix after CapEngine
    const QString *catalogue = nullptr; // the catalogue text

    static constexpr FieldCaption fixed(const char *fixedText) {
        return {Kind::Fixed, fixedText, nullptr};
    }
    static constexpr FieldCaption engineAnd(const char *suffix) {
        return {Kind::EngineAnd, suffix, nullptr};
    }
    static constexpr FieldCaption fromCatalogue(const QString &catalogueText) {
        return {Kind::Catalogue, nullptr, &catalogueText};
    }
};

// The text a caption shows in the current language.
QString captionText(const FieldCaption &caption);

// Where the fields of an identification panel lie, in twips: rows of
// caption and value in two columns.
struct FieldColumns {
    int top;
    int pitch;
    int height;
    int left[2];
    int captionWidth[2];
    int valueWidth[2];
    int wideValueWidth; // a value that spans both columns
};

// The caption/value pairs of an identification panel. Field i is the
// caption Label1(i) and the value Label2(i), which a screen reader names by
// its caption; a field without a caption gives its value the caption's room.
class CaptionValueBlock {
public:
    CaptionValueBlock(QWidget *panel, const FieldColumns &columns)
        : panel_(panel), columns_(columns) {}

    void add(const FieldCaption &caption, int row, int column, bool wide = false);

    QList<QLabel *> captions;
    QList<QLabel *> values;

private:
    QWidget *panel_;
    FieldColumns columns_;
};

} // namespace unitlink
