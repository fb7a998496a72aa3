#include "tests/windows/typing.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace coldesign::testing {

void TypeInto(QLineEdit* field, const QString& text) {
  for (const QChar character : text) {
    // The event loop runs what the program posted before it takes the next keystroke.
    SettleInput(field);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &release);
    SettleInput(field);
  }
}

void SettleInput(QLineEdit* field) {
  // Each posted Backspace removes one character and may post one more, so the chain is no
  // longer than the text.
  const qsizetype rounds = field->text().size() + 2;
  for (qsizetype round = 0; round < rounds; ++round) {
    QCoreApplication::sendPostedEvents();
  }
}

}  // namespace coldesign::testing
