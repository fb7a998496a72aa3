#pragma once

#include <functional>
#include <string>

#include "calculation/schedule_drawing.h"

namespace coldesign {

// A text of the drawing in UTF-8, in the language the file is written in.
using DrawingWordsInText = std::function<std::string(const DrawingText&)>;

// The drawing as an ASCII DXF file (AutoCAD R2000, which AutoCAD and LibreCAD open), written
// by dxflib: millimetres declared in $INSUNITS, the building at its real size, one layer for
// each kind of primitive (OUTLINES, TIES, BARS, TEXTS, GRID), the sheets side by side from left
// to right. Letters outside ASCII are written as R2000 files carry them: \U+XXXX (dxflib writes
// R12 and R2000 only; R2007's UTF-8 is beyond it). ezdxf's audit finds no error in the file; it
// fills in the owners of the OBJECTS section's dictionaries, which dxflib leaves out, as
// AutoCAD does on reading.
std::string ScheduleDxf(const ScheduleDrawing& drawing, const DrawingWordsInText& words);

}  // namespace coldesign
