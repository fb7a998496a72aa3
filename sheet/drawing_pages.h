#pragma once

#include "calculation/column_schedule.h"
#include "sheet/pdf_page.h"

namespace coldesign {

// The schedule's drawing (DrawSchedule) on A3 landscape pages after those `pdf` holds, a sheet
// on each, centred, at the drawing's scale. The schedule is whole (ScheduleParts::Whole).
void AppendDrawingPages(const Schedule& schedule, PdfPage& pdf, int dots_per_inch);

}  // namespace coldesign
