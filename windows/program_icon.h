#pragma once

#include <QIcon>

namespace coldesign {

// The program's icon in the sizes its window shows at `device_pixel_ratio`: every size up to
// the first one that is sharp at 48 device-independent pixels, the largest a taskbar or window
// list draws a window icon. Larger sizes would only cost start-up time.
QIcon ProgramIcon(qreal device_pixel_ratio);

}  // namespace coldesign
