#include "windows/program_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace coldesign {

using namespace Qt::Literals::StringLiterals;

QIcon ProgramIcon(qreal device_pixel_ratio) {
  constexpr int kLargestShown = 48;
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    QImageReader reader(u":/icons/column-designer-%1.png"_s.arg(size), "png");
    // Told it is PNG, the reader loads no image plugin (it still lists them); probing would
    // load every one of them.
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
    if (size >= kLargestShown * device_pixel_ratio) {
      break;
    }
  }
  return icon;
}

}  // namespace coldesign
