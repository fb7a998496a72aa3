#include "windows/print_preview.h"

#include <QRect>
#include <QScreen>

namespace coldesign {

void PlacePrintPreview(QPrintPreviewDialog& preview, const QWidget& over) {
  const QRect screen = over.screen()->availableGeometry();
  QRect placed(QPoint(0, 0), QSize(760, 900).boundedTo(screen.size() * 0.9));
  placed.moveCenter(screen.center());
  preview.setGeometry(placed);
}

}  // namespace coldesign
