#pragma once

namespace ui {

// The mouse pointer of the whole program during an exchange.
void setHourglass();
void setArrow();
bool isHourglass();

} // namespace ui
