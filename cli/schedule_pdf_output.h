#pragma once

#include <QByteArray>

#include "calculation/column_schedule.h"

namespace coldesign {

// The schedule's PDF, laid out by a Qt GUI application on the offscreen platform: no display is
// needed or looked for. Call it when no Qt application exists.
QByteArray SchedulePdfWithoutDisplay(const Schedule& schedule);

}  // namespace coldesign
