#pragma once

#include <QString>

namespace unitlink {

// Numbers as the engine screens write them into lists and grids, with the
// decimal separator of the regional settings and no group separator.

// A fixed number of decimals, as the pattern "0.00" shows them.
QString fixedDecimalsText(double value, int decimals);
// Integers as plain digits, other numbers in their shortest form (67.6, not
// 67.60).
QString shortestNumberText(double value);

} // namespace unitlink
