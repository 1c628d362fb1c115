#pragma once

#include <Qt>

#include <functional>

class QLabel;

namespace unitlink {

// The bar of a timed actuator test, as every screen that has one shows it:
// a first wait, six "I" and a 300 ms pause, then fifteen groups of five "I",
// each between two short waits and followed by a 200 ms pause. `wait` runs
// one counted wait of the test's run and returns false once the run has
// ended (cancelled, taken over, its screen unloaded); the bar then stops at
// once. Returns true when the bar is complete.
bool runTimedBar(QLabel *bar, Qt::Alignment alignment, const std::function<bool(int)> &wait);

} // namespace unitlink
