#include "windows/input_guard.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "calculation/design_calculation.h"

namespace coldesign {

void GuardNumericInput(QLineEdit* field) {
  QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
    if (IsNumericText(text.toStdString())) {
      return;
    }
    QCoreApplication::postEvent(field,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier));
    QCoreApplication::postEvent(
        field, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier));
  });
}

}  // namespace coldesign
