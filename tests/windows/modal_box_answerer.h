#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace coldesign::testing {

// What a message box showed when it was answered.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QStringList button_captions;  // sorted
  QPixmap picture;
};

// While it lives, every modal message box that opens is recorded and answered with the next of
// the given answers; a box beyond them is closed with its Escape button, so no test hangs.
class ModalBoxAnswerer : public QObject {
  Q_OBJECT

 public:
  explicit ModalBoxAnswerer(QList<QMessageBox::StandardButton> answers = {});

  [[nodiscard]] const QList<SeenBox>& seen() const { return seen_; }

 private:
  void answerOpenBox();

  QList<QMessageBox::StandardButton> answers_;
  QList<SeenBox> seen_;
  QTimer poll_;
};

}  // namespace coldesign::testing
