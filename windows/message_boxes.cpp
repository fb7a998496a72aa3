#include "windows/message_boxes.h"

#include <QAbstractButton>

namespace coldesign {

QMessageBox::StandardButton AskUser(QWidget* window, QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, window);
  box.setTextFormat(Qt::PlainText);
  // Qt's Arabic catalogue words OK as "حسنًا"; the program's boxes say "موافق". Its captions
  // also carry mnemonics, whose underline breaks the lam-alef of "لا" into two letters.
  for (QAbstractButton* button : box.buttons()) {
    button->setText(box.standardButton(button) == QMessageBox::Ok ? QStringLiteral(u"موافق")
                                                                  : button->text().remove(u'&'));
  }
  // A box is a window of its own and so does not take its parent's palette by itself.
  box.setPalette(window->palette());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace coldesign
