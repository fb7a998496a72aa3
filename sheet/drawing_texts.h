#pragma once

#include <QString>

#include "calculation/schedule_drawing.h"

namespace coldesign {

// A text of the schedule's drawing in the program's language.
QString DrawingTextWords(const DrawingText& text);

}  // namespace coldesign
