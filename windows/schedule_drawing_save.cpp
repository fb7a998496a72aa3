// The schedule window's "حفظ الرسم DXF…", apart from the window's other actions.

#include <QByteArray>
#include <string>

#include "output/schedule_dxf_output.h"
#include "translations/texts.h"
#include "windows/schedule_window.h"

using namespace Qt::Literals::StringLiterals;

namespace coldesign {

void ScheduleWindow::saveDrawing() {
  if (!readyToWrite()) return;
  const QString path =
      askSavePath(Texts::tr("حفظ رسم جدول الأعمدة بصيغة DXF", "schedule.save-drawing-title"),
                  u"schedule.dxf"_s, u"dxf"_s);
  if (path.isEmpty()) return;
  const std::string dxf = ScheduleDxfFile(*schedule_);
  writeFile(path, QByteArray(dxf.data(), static_cast<qsizetype>(dxf.size())));
}

}  // namespace coldesign
