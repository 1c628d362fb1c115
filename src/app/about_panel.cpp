#include "app/about_panel.h"

#include "app/errors32.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace {

struct AboutTexts {
    const char *caption;
    const char *notices[3];
    bool secondNoticeShown;
};

const AboutTexts kAboutTexts[3] = {
    {"Acerca de...",
     {"Velmo V 1.00 - Edición de demostración.",
      "Programa de Tidewell. Todos los derechos reservados.",
      "Diagnosis de motores marinos para talleres."},
     true},
    {"About...",
     {"Velmo V 1.00 - Demonstration edition.", "A Tidewell program. All rights reserved.",
      "Marine engine diagnosis for workshops."},
     true},
    {"A propos de...",
     {"Velmo V 1.00 - Édition de démonstration.", "",
      "Diagnostic des moteurs marins pour les ateliers."},
     false},
};

} // namespace

AboutPanel::AboutPanel(QWidget *parent) : QGroupBox(QStringLiteral("About...."), parent) {
    setObjectName(QStringLiteral("Frame7"));
    ui::coverWhatLiesUnder(this);
    ui::place(this, 3360, 1440, 5160, 3600);
    const AboutTexts &design = kAboutTexts[1];
    for (int i = 0; i < 3; ++i) {
        notices_[i] = ui::label(QStringLiteral("Label%1").arg(6 + i),
                                QString::fromUtf8(design.notices[i]), this);
        notices_[i]->setWordWrap(true);
        ui::place(notices_[i], 240, 360 + i * 780, 4680, 660);
    }
    closeButton_ =
        new ui::CommandButton(QStringLiteral("Command4"), QStringLiteral("Aceptar"), this);
    ui::place(closeButton_, 3480, 2880, 1440, 420);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void AboutPanel::showPanel() {
    const int language = ERRORS32::LanguageCode;
    if (language >= ERRORS32::Spanish && language <= ERRORS32::French) {
        const AboutTexts &texts = kAboutTexts[language - 1];
        setTitle(QString::fromUtf8(texts.caption));
        for (int i = 0; i < 3; ++i)
            notices_[i]->setText(QString::fromUtf8(texts.notices[i]));
        notices_[1]->setVisible(texts.secondNoticeShown);
    }
    show();
    closeButton_->setText(ERRORS32::CapExit);
    closeButton_->setFocus();
}
