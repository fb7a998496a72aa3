#include "windows/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <utility>

namespace coldesign {
namespace {

class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget* widget, std::function<void()> work)
      : QObject(widget), widget_(widget), work_(std::move(work)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint) {
      widget_->removeEventFilter(this);
      // After the paint is on the screen, not within it.
      QTimer::singleShot(0, widget_, std::move(work_));
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* widget_;
  std::function<void()> work_;
};

}  // namespace

void AfterFirstPaint(QWidget* widget, std::function<void()> work) {
  new FirstPaintWatch(widget, std::move(work));
}

}  // namespace coldesign
