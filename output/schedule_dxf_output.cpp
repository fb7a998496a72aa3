#include "output/schedule_dxf_output.h"

#include <QDate>

#include "calculation/schedule_drawing.h"
#include "dxf/schedule_dxf.h"
#include "sheet/drawing_texts.h"

namespace coldesign {

std::string ScheduleDxfFile(const Schedule& schedule) {
  const ScheduleDrawing drawing = DrawSchedule(
      schedule, {.date_text = QDate::currentDate().toString(Qt::ISODate).toStdString()});
  return ScheduleDxf(drawing,
                     [](const DrawingText& text) { return DrawingTextWords(text).toStdString(); });
}

}  // namespace coldesign
