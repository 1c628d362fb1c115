#include "reference/connector_window.h"

#include "app/errors32.h"
#include "reference/window_placement.h"
#include "ui/controls.h"
#include "ui/datafiles.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace {

const QString kBombardier = QStringLiteral("Bombardier");
const QString kHydrospace = QStringLiteral("Hydrospace");
const QString kYamaha = QStringLiteral("Yamaha");

struct SmallPicture {
    const char *name;
    const char *file;
    const char *spokenName; // what the picture shows
    int left;
    int top;
};

// The four Yamaha pictures, top left, top right, bottom left, bottom right.
const SmallPicture kSmallPictures[4] = {
    {"Image2", "y1.jpg", "Yamaha picture 1", 120, 300},
    {"Image3", "y2.jpg", "Yamaha picture 2", 4238, 300},
    {"Image4", "y3.jpg", "Yamaha picture 3", 120, 3240},
    {"Image5", "y4.jpg", "Yamaha picture 4", 4238, 3240},
};
constexpr int kSmallWidth = 4058; // twips
constexpr int kSmallHeight = 2880;

ui::Picture *picture(const QString &name, QWidget *parent) {
    auto *image = new ui::Picture(parent);
    image->setObjectName(name);
    image->setFrameShape(QFrame::Box);
    image->setLineWidth(1);
    return image;
}

} // namespace

ConnectorWindow::ConnectorWindow() {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Sockets"));

    auto *bombardier = new ui::CommandButton(QStringLiteral("Command1"), kBombardier, this);
    ui::place(bombardier, 120, 360, 1935, 615);
    auto *hydrospace = new ui::CommandButton(QStringLiteral("Command3"), kHydrospace, this);
    ui::place(hydrospace, 120, 1095, 1935, 615);
    auto *yamaha = new ui::CommandButton(QStringLiteral("Command4"), kYamaha, this);
    ui::place(yamaha, 120, 1830, 1935, 615);
    exitButton_ = new ui::CommandButton(QStringLiteral("Command2"), QStringLiteral("Salir"), this);
    ui::place(exitButton_, 120, 5640, 1935, 615);

    pictureFrame_ = ui::frame(QStringLiteral("Frame1"), QString(), this);
    ui::place(pictureFrame_, 2280, 120, 8415, 6300);
    for (int i = 0; i < 4; ++i) {
        const SmallPicture &small = kSmallPictures[i];
        smallPictures_[i] = picture(QString::fromLatin1(small.name), pictureFrame_);
        // Named by what it shows; the object name is for tests.
        smallPictures_[i]->setAccessibleName(QString::fromLatin1(small.spokenName));
        smallPictures_[i]->setCursor(Qt::PointingHandCursor);
        ui::place(smallPictures_[i], small.left, small.top, kSmallWidth, kSmallHeight);
        connect(smallPictures_[i], &ui::Picture::clicked, this, [this, i] { enlarge(i); });
        ui::pressableByKeyboard(smallPictures_[i], [this, i] { enlarge(i); });
    }
    // Made last, so that it lies over the small pictures while it is shown.
    largePicture_ = picture(QStringLiteral("Image1"), pictureFrame_);
    ui::place(largePicture_, 120, 300, 2 * kSmallWidth + 60, 2 * kSmallHeight + 60);

    connect(bombardier, &QPushButton::clicked, this,
            [this] { showLarge(QStringLiteral("ok.jpg"), kBombardier); });
    connect(hydrospace, &QPushButton::clicked, this,
            [this] { showLarge(QStringLiteral("s4.jpg"), kHydrospace); });
    connect(yamaha, &QPushButton::clicked, this, &ConnectorWindow::showYamaha);
    connect(exitButton_, &QPushButton::clicked, this, &LoadedWindow::unload);
    connect(exitButton_, &ui::CommandButton::escapePressed, this, &LoadedWindow::unload);

    // Load step.
    reference::placeWindow(this, 495, 1200, 10995, 7000);
    switch (ERRORS32::LanguageCode) {
    case ERRORS32::Spanish:
        setWindowTitle(QStringLiteral("Conectores"));
        break;
    case ERRORS32::English:
    case ERRORS32::French:
        setWindowTitle(QStringLiteral("Sockets"));
        break;
    case ERRORS32::Italian:
        setWindowTitle(QStringLiteral("Conettori"));
        break;
    default:
        break;
    }
    exitButton_->setText(ERRORS32::CapExit);
    largePicture_->clear();
    largePicture_->load(ui::picturePath(QStringLiteral("ok.jpg")));
    pictureFrame_->setTitle(bombardier->text());
    show();
    for (int i = 0; i < 4; ++i)
        smallPictures_[i]->load(ui::picturePath(QString::fromLatin1(kSmallPictures[i].file)));
    exitButton_->setFocus();
}

void ConnectorWindow::showLarge(const QString &file, const QString &make) {
    largePicture_->load(ui::picturePath(file));
    largePicture_->setAccessibleName(make);
    largePicture_->show();
    pictureFrame_->setTitle(make);
    exitButton_->setFocus();
}

void ConnectorWindow::showYamaha() {
    pictureFrame_->setTitle(kYamaha);
    largePicture_->hide();
    exitButton_->setFocus();
}

void ConnectorWindow::enlarge(int index) {
    largePicture_->load(ui::picturePath(QString::fromLatin1(kSmallPictures[index].file)));
    largePicture_->setAccessibleName(QString::fromLatin1(kSmallPictures[index].spokenName));
    largePicture_->show();
    exitButton_->setFocus();
}
