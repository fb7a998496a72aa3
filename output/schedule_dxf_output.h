#pragma once

#include <string>

#include "calculation/column_schedule.h"

namespace coldesign {

// The schedule's drawing as a DXF file, its texts in the program's language, dated today: all
// the types and levels on one sheet.
std::string ScheduleDxfFile(const Schedule& schedule);

}  // namespace coldesign
