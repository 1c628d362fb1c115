#pragma once

#include <QRect>

namespace unitlink {

// Client area of every engine screen, in twips.
inline constexpr int kClientWidth = 10320;
inline constexpr int kClientHeight = 7800;
// Where function panels open, in twips.
inline constexpr QRect kPanelArea{5040, 2040, 5130, 4200};
// Where panels too wide for it open: over the lower part of the ButtonBar
// too, for panels that keep the ButtonBar disabled while they are open.
inline constexpr QRect kWidePanelArea{120, 2040, 10080, 4920};

} // namespace unitlink
