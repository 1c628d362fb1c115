#include "engines/mercruiser/mercruiser_screen.h"

#include "link/bar_orders.h"
#include "link/skeleton_screen.h"

LoadedWindow *createMercruiserScreen() {
    unitlink::ScreenSetup setup;
    setup.formName = QStringLiteral("Form47");
    setup.windowCaption = QStringLiteral("Mercruiser PCM/ECM555");
    setup.unitName = QStringLiteral("Mercruiser PCM/ECM555");
    setup.connectSteps = 25;
    setup.seventh = unitlink::ScreenSetup::Seventh::Historic;
    setup.barOrder = unitlink::kFullBarWithHistoric;
    setup.pictureFile = QStringLiteral("mercruiser.jpg");
    setup.pictureTwips = QRect{120, 240, 4890, 1455};
    return new unitlink::SkeletonScreen(setup);
}
