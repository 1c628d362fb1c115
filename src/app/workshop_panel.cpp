#include "app/workshop_panel.h"

#include "app/errors32.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace {

struct WorkshopCaptions {
    const char *panel;
    const char *labels[5]; // nullptr keeps the label's caption
};

const WorkshopCaptions kSpanish = {"Datos Taller",
                                   {"Taller:", "Propietario:", "Dirección:", nullptr, "Teléfono:"}};
const WorkshopCaptions kEnglish = {"Workshop",
                                   {"Workshop:", "Owner:", "Address:", nullptr, "Telephone:"}};
const WorkshopCaptions kItalian = {
    "Officina", {"Officina:", "Proprietario:", "Indirizzo:", "P.IVA:", "Telefono:"}};

const WorkshopCaptions *captionsFor(int language) {
    switch (language) {
    case ERRORS32::Spanish:
        return &kSpanish;
    case ERRORS32::English:
    case ERRORS32::French:
        return &kEnglish;
    case ERRORS32::Italian:
        return &kItalian;
    default:
        return nullptr; // the other languages keep the captions they have
    }
}

// Box geometry: three wide lines, then tax number and telephone side by side.
struct Slot {
    int labelLeft, top, labelWidth, boxLeft, boxWidth;
};
const Slot kSlots[5] = {{240, 360, 1440, 1800, 4920},
                        {240, 840, 1440, 1800, 4920},
                        {240, 1320, 1440, 1800, 4920},
                        {240, 1800, 1440, 1800, 1800},
                        {3720, 1800, 1200, 4920, 1800}};

} // namespace

WorkshopPanel::WorkshopPanel(QWidget *parent)
    : QGroupBox(QString::fromUtf8(kSpanish.panel), parent) {
    setObjectName(QStringLiteral("Frame4"));
    ui::coverWhatLiesUnder(this);
    ui::place(this, 2400, 2160, 7080, 2520);
    for (int i = 0; i < 5; ++i) {
        labels_[i] = ui::label(QStringLiteral("Label%1").arg(i + 1),
                               QString::fromUtf8(i == 3 ? "N.I.F.:" : kSpanish.labels[i]), this);
        boxes_[i] = new ui::TextBox(QStringLiteral("Text%1").arg(i + 1), this);
        boxes_[i]->setMaxLength(kMaxLength);
        labels_[i]->setBuddy(boxes_[i]); // a screen reader names the box by its label
        const Slot &slot = kSlots[i];
        ui::place(labels_[i], slot.labelLeft, slot.top + 60, slot.labelWidth, 300);
        ui::place(boxes_[i], slot.boxLeft, slot.top, slot.boxWidth, 375);
        connect(boxes_[i], &ui::TextBox::escapePressed, this, &WorkshopPanel::dismiss);
        if (i < 4) {
            connect(boxes_[i], &ui::TextBox::enterPressed, this,
                    [this, i] { boxes_[i + 1]->setFocus(); });
        } else {
            connect(boxes_[i], &ui::TextBox::enterPressed, this, &WorkshopPanel::dismiss);
        }
    }
    hide();
}

void WorkshopPanel::showPanel() {
    if (const WorkshopCaptions *captions = captionsFor(ERRORS32::LanguageCode)) {
        setTitle(QString::fromUtf8(captions->panel));
        for (int i = 0; i < 5; ++i)
            if (captions->labels[i])
                labels_[i]->setText(QString::fromUtf8(captions->labels[i]));
    }
    show();
    boxes_[0]->setFocus();
}

void WorkshopPanel::dismiss() {
    for (auto *box : boxes_)
        box->clear();
    hide();
}
