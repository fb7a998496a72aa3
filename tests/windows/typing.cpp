#include "tests/windows/typing.h"

#include <QCoreApplication>
#include <QTest>

namespace coldesign::testing {

void TypeInto(QLineEdit* field, const QString& text) {
  for (const QChar character : text) {
    // The event loop runs what the program posted before it takes the next keystroke.
    SettleInput(field);
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
    SettleInput(field);
  }
}

void SettleInput(QLineEdit* field) {
  // Each posted Backspace removes one character and may post one more, so the chain is no
  // longer than the text.
  const qsizetype rounds = field->text().size() + 2;
  for (qsizetype round = 0; round < rounds; ++round) {
    QCoreApplication::sendPostedEvents(field);
  }
}

}  // namespace coldesign::testing
