#pragma once

#include <QString>

#include "calculation/schedule_drawing.h"

namespace coldesign {

// A text of the schedule's drawing in the program's language. `isolated`: the figures put in a
// catalogue text are kept whole, left to right, inside a right-to-left line (a date, "1:50").
QString DrawingTextWords(const DrawingText& text, bool isolated = false);

}  // namespace coldesign
