#include "tests/windows/shown_preview.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QTimer>

namespace coldesign::testing {

ShownPreview ShowPrintPreview(const std::function<void()>& open) {
  ShownPreview shown;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&shown] {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (preview == nullptr) return;
    shown = {preview->frameGeometry(), preview->screen()->availableGeometry()};
    preview->reject();
  });
  poll.start();
  open();
  return shown;
}

}  // namespace coldesign::testing
