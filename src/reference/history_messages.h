#pragma once

namespace reference {

// From now on, a fault of the history store is told once in a message box
// in the current language, after the handler that met it has finished.
void sayHistoryProblems();

} // namespace reference
