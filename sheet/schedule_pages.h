#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>

#include "calculation/column_schedule.h"

namespace coldesign {

// The column schedule on A4 pages, right to left, as many as it takes: the materials, one row
// per column per level, then the types with their segments and quantities, and the totals; a
// table's header on every page it runs on. On a smaller page the A4 page is shrunk to fit.
// Needs a QGuiApplication.
void PaintSchedulePages(const Schedule& schedule, QPagedPaintDevice& device);

// The same pages as a PDF file, followed by the schedule's drawing on A3 landscape pages
// (AppendDrawingPages); empty when it could not be made.
QByteArray SchedulePdf(const Schedule& schedule);

}  // namespace coldesign
