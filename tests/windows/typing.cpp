#include "tests/windows/typing.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace coldesign::testing {

void TypeInto(QLineEdit* field, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &release);
  }
}

}  // namespace coldesign::testing
