#include "engines/ficht/ficht_screen.h"

#include "link/bar_orders.h"
#include "link/skeleton_screen.h"

LoadedWindow *createFichtScreen() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form44");
    setup.windowCaption = QStringLiteral("OutBoard Fitch");
    setup.unitName = QStringLiteral("OutBoard Fitch");
    setup.connectSteps = 50;
    setup.seventh = unitlink::ScreenSetup::Seventh::Service;
    setup.barOrder = unitlink::kFullBarWithService;
    return new unitlink::SkeletonScreen(setup);
}
