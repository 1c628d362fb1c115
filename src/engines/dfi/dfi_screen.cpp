#include "engines/dfi/dfi_screen.h"

#include "link/bar_orders.h"
#include "link/skeleton_screen.h"

LoadedWindow *createDfiScreen() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form46");
    setup.windowCaption = QStringLiteral("Mercury Dfi 135/150 1998-2000");
    setup.unitName = QStringLiteral("Mercury Dfi 135/150 1998-2000");
    setup.connectSteps = 25;
    setup.seventh = unitlink::ScreenSetup::Seventh::Historic;
    setup.barOrder = unitlink::kFullBarWithHistoric;
    setup.pictureFile = QStringLiteral("dfi.jpg");
    setup.pictureTwips = QRect{120, 240, 4935, 1455};
    return new unitlink::SkeletonScreen(setup);
}
