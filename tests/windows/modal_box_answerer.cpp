#include "tests/windows/modal_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <utility>

namespace coldesign::testing {

ModalBoxAnswerer::ModalBoxAnswerer(QList<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)) {
  // A zero interval runs once per turn of whichever event loop is running, such as the box's.
  poll_.setInterval(0);
  connect(&poll_, &QTimer::timeout, this, &ModalBoxAnswerer::answerOpenBox);
  poll_.start();
}

void ModalBoxAnswerer::answerOpenBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) {
    return;
  }
  QStringList captions;
  for (const QAbstractButton* button : box->buttons()) {
    captions.append(button->text());
  }
  captions.sort();
  seen_.append({.title = box->windowTitle(),
                .text = box->text(),
                .icon = box->icon(),
                .buttons = box->standardButtons(),
                .button_captions = captions,
                .picture = box->grab()});
  QAbstractButton* button =
      answers_.isEmpty() ? box->escapeButton() : box->button(answers_.takeFirst());
  if (button == nullptr) {
    box->reject();
    return;
  }
  button->click();
}

}  // namespace coldesign::testing
