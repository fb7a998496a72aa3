#include "windows/message_boxes.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

#include "translations/texts.h"
#include "windows/controls.h"

namespace coldesign {
namespace {

// Room in a title bar beside the caption: the window menu icon and the minimize, maximize and
// close buttons with their margins, as window managers commonly draw them.
constexpr int kTitleBarControlsWidth = 120;

// Under a window manager the caption shares the box's title bar with the frame's buttons: a box
// only as wide as a short text would cut its caption. Title bars commonly draw it in bold and a
// little larger than the box's own text.
void MakeRoomForCaption(QMessageBox& box, const QString& caption) {
  QFont title_font = box.font();
  title_font.setBold(true);
  title_font.setPointSizeF(title_font.pointSizeF() * 1.25);
  const int width = QFontMetrics(title_font).horizontalAdvance(caption) + kTitleBarControlsWidth;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()); grid != nullptr) {
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
}

// The program's own words, whatever Qt's catalogue is installed: its Arabic one words OK as
// "حسنًا", and without it Yes and No stand in English beside Arabic text. Captions also lose
// their mnemonics, whose underline breaks the lam-alef of "لا" into two letters.
void NameButtons(QMessageBox& box) {
  for (QAbstractButton* button : box.buttons()) {
    switch (box.standardButton(button)) {
      case QMessageBox::Ok:
        button->setText(OkCaption());
        break;
      case QMessageBox::Yes:
        button->setText(Texts::tr("نعم", "message.yes"));
        break;
      case QMessageBox::No:
        button->setText(Texts::tr("لا", "message.no"));
        break;
      // Qt's Arabic catalogue words Discard "ارفض" (refuse): these say what each button does.
      case QMessageBox::Save:
        button->setText(Texts::tr("حفظ", "message.save"));
        break;
      case QMessageBox::Discard:
        button->setText(Texts::tr("عدم الحفظ", "message.dont-save"));
        break;
      case QMessageBox::Cancel:
        button->setText(Texts::tr("إلغاء", "message.cancel"));
        break;
      default:
        button->setText(WithoutMnemonics(button->text()));
        break;
    }
  }
}

}  // namespace

QMessageBox::StandardButton AskUser(QWidget* window, QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, window);
  box.setTextFormat(Qt::PlainText);
  NameButtons(box);
  MakeRoomForCaption(box, caption);
  // A box is a window of its own and so does not take its parent's palette by itself.
  box.setPalette(window->palette());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace coldesign
