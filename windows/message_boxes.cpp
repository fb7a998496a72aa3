#include "windows/message_boxes.h"

#include <QAbstractButton>

#include "windows/controls.h"

namespace coldesign {

QMessageBox::StandardButton AskUser(QWidget* window, QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, window);
  box.setTextFormat(Qt::PlainText);
  // The program's own words, whatever Qt's catalogue is installed: its Arabic one words OK as
  // "حسنًا", and without it Yes and No stand in English beside Arabic text. Captions also lose
  // their mnemonics, whose underline breaks the lam-alef of "لا" into two letters.
  for (QAbstractButton* button : box.buttons()) {
    switch (box.standardButton(button)) {
      case QMessageBox::Ok:
        button->setText(QStringLiteral(u"موافق"));
        break;
      case QMessageBox::Yes:
        button->setText(QStringLiteral(u"نعم"));
        break;
      case QMessageBox::No:
        button->setText(QStringLiteral(u"لا"));
        break;
      default:
        button->setText(WithoutMnemonics(button->text()));
        break;
    }
  }
  // A box is a window of its own and so does not take its parent's palette by itself.
  box.setPalette(window->palette());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace coldesign
