#include "windows/window_frame.h"

#include <QGuiApplication>

namespace coldesign {

void FixWindowSize(QWidget* window, QSize size) {
  if (QGuiApplication::platformName().startsWith(u"wayland")) {
    // A maximized window keeps its controls where they are; the skin's background fills the rest.
    window->setMinimumSize(size);
    window->resize(size);
    return;
  }
  window->setFixedSize(size);
}

}  // namespace coldesign
