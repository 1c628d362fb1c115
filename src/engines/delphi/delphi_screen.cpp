#include "engines/delphi/delphi_screen.h"

#include "link/bar_orders.h"
#include "link/skeleton_screen.h"

LoadedWindow *createDelphiScreen() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form45");
    setup.windowCaption = QStringLiteral("GM Delphi");
    setup.unitName = QStringLiteral("GM Delco");
    setup.connectSteps = 25;
    setup.seventh = unitlink::ScreenSetup::Seventh::Service;
    setup.barOrder = unitlink::kFullBarWithService;
    setup.pictureFile = QStringLiteral("delphi.jpg");
    setup.pictureTwips = QRect{120, 240, 4935, 1455};
    return new unitlink::SkeletonScreen(setup);
}
