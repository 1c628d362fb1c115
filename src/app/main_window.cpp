#include "app/main_window.h"

#include "app/about_panel.h"
#include "app/errors32.h"
#include "app/settings_panel.h"
#include "app/window_registry.h"
#include "app/workshop_panel.h"
#include "ui/datafiles.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace {

struct MenuItem {
    const char *name;
    const char *caption;
    const char *window; // window opened by the item, or nullptr for a panel
};

struct Menu {
    const char *name;
    const char *caption;
    MenuItem items[3];
};

// The menu captions are the same in every language.
const Menu kMenus[] = {
    {"inb",
     "Inboard/Sterndrive",
     {{"gm2", "GM Delphi", "Form45"}, {"ep2", "Mercruiser PCM/ECM555", "Form47"}, {}}},
    {"ob",
     "OutBoards",
     {{"fitob", "Evinrude Fitch", "Form44"},
      {"yamob", "Yamaha", "Form5"},
      {"dfi", "Mercury Dfi 135/150 1998-2000", "Form46"}}},
    {"config", "Setting", {{"confi1", "Setting", nullptr}, {"taller", "Workshop", nullptr}, {}}},
    {"ayuda", "Help", {{"acronimos", "Glosary", "Form9"}, {"conectores", "Sockets", "Form6"}, {}}},
    {"histo", "History", {{"histo1", "History", "Form10"}, {}, {}}},
    {"aer", "About....", {{"ac", "About....", nullptr}, {}, {}}},
};

} // namespace

QString MainWindow::menuCaptionOf(const QString &window) {
    for (const Menu &menu : kMenus)
        for (const MenuItem &item : menu.items)
            if (item.window && window == QLatin1String(item.window))
                return QString::fromLatin1(item.caption);
    return QString();
}

MainWindow::MainWindow() {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Velmo V 1.00"));
    setPalette(QPalette(Qt::white));
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The client area has a fixed size: the window cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layout->setMenuBar(menuBar_);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    ui::setClientSize(client, kClientWidth, kClientHeight);
    layout->addWidget(client);

    auto *background = new ui::Picture(client);
    background->setObjectName(QStringLiteral("Image1"));
    background->load(ui::picturePath(QStringLiteral("background.jpg")));
    ui::place(background, 0, 0, kClientWidth, kClientHeight);

    // Created bottom to top: About over Settings over Workshop.
    workshop_ = new WorkshopPanel(client);
    settings_ = new SettingsPanel(client);
    about_ = new AboutPanel(client);
    connect(settings_, &SettingsPanel::exitPressed, this, [this] {
        settings_->hide();
        workshop_->hide();
    });

    buildMenu();
    resize(sizeHint());

    // Load step: visible, English, catalogue filled.
    show();
    ERRORS32::LanguageCode = ERRORS32::English;
    ERRORS32::LanguageLoader();
}

void MainWindow::buildMenu() {
    for (const Menu &menu : kMenus) {
        QMenu *top = menuBar_->addMenu(QString::fromLatin1(menu.caption));
        top->setObjectName(QString::fromLatin1(menu.name));
        top->menuAction()->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuItem &item : menu.items) {
            if (!item.name)
                break;
            QAction *action = top->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            const QString name = QString::fromLatin1(item.name);
            if (item.window) {
                const QString window = QString::fromLatin1(item.window);
                connect(action, &QAction::triggered, this,
                        [window] { WindowRegistry::instance().open(window); });
            } else if (name == QLatin1String("confi1")) {
                connect(action, &QAction::triggered, settings_, &SettingsPanel::showPanel);
            } else if (name == QLatin1String("taller")) {
                connect(action, &QAction::triggered, workshop_, &WorkshopPanel::showPanel);
            } else {
                connect(action, &QAction::triggered, about_, &AboutPanel::showPanel);
            }
        }
    }
}
