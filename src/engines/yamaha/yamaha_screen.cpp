#include "engines/yamaha/yamaha_screen.h"

#include "link/bar_orders.h"
#include "link/skeleton_screen.h"

LoadedWindow *createYamahaScreen() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form5");
    setup.windowCaption = QStringLiteral("Yamaha");
    setup.unitName = QStringLiteral("Yamaha Outboard");
    setup.connectSteps = 50;
    setup.seventh = unitlink::ScreenSetup::Seventh::None;
    setup.barOrder = unitlink::kYamahaBar;
    return new unitlink::SkeletonScreen(setup);
}
