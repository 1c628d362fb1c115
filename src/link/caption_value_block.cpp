#include "link/caption_value_block.h"

#include "app/errors32.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace unitlink {

QString captionText(const FieldCaption &caption) {
    switch (caption.kind) {
    case FieldCaption::Kind::Fixed:
        return QString::fromUtf8(caption.text);
    case FieldCaption::Kind::EngineAnd:
        return ERRORS32::CapEngine + QString::fromUtf8(caption.text);
    case FieldCaption::Kind::Catalogue:
        return *caption.catalogue;
    case FieldCaption::Kind::None:
        break;
    }
    return QString();
}

void CaptionValueBlock::add(const FieldCaption &caption, int row, int column, bool wide) {
    const int index = int(captions.size());
    const int top = columns_.top + row * columns_.pitch;
    const int left = columns_.left[column];
    const int captionWidth = columns_.captionWidth[column];
    auto *captionLabel =
        ui::label(ui::indexedName(QStringLiteral("Label1"), index), captionText(caption), panel_);
    ui::place(captionLabel, left, top, captionWidth, columns_.height);
    auto *value = ui::label(ui::indexedName(QStringLiteral("Label2"), index), QString(), panel_);
    const bool uncaptioned = caption.kind == FieldCaption::Kind::None;
    const int valueLeft = uncaptioned ? left : left + captionWidth;
    const int valueWidth = wide ? columns_.wideValueWidth
                                : columns_.valueWidth[column] + (uncaptioned ? captionWidth : 0);
    ui::place(value, valueLeft, top, valueWidth, columns_.height);
    if (uncaptioned)
        captionLabel->hide();
    else
        value->setNameLabel(captionLabel);
    captions << captionLabel;
    values << value;
}

} // namespace unitlink
