#include "windows/after_first_paint.h"

#include <QCoreApplication>
#include <QEvent>
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
      // Run after the paint is on the screen, not within it.
      QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    return false;
  }

  void customEvent(QEvent* /*event*/) override {
    work_();
    deleteLater();
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
