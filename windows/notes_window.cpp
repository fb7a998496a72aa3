#include "windows/notes_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>

#include "skin/skin.h"
#include "windows/controls.h"
#include "windows/left_to_right.h"
#include "windows/program_credits.h"
#include "windows/program_fonts.h"
#include "windows/twips.h"
#include "windows/window_frame.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// Some labels reach past the window's right edge, where right-to-left text would be cut off:
// their text ends a small margin inside the window instead.
void KeepTextInsideWindow(QWidget* window) {
  constexpr int kEdgeMargin = 8;
  for (SkinLabel* label : window->findChildren<SkinLabel*>()) {
    const int overhang = label->geometry().right() + 1 - (window->width() - kEdgeMargin);
    if (overhang > 0) {
      label->setContentsMargins(0, 0, overhang, 0);
    }
  }
}

QPixmap NotesPicture(qreal device_pixel_ratio) {
  if (device_pixel_ratio < 1.5) {
    return {u":/notes/notes-picture.jpg"_s};
  }
  QPixmap picture(u":/notes/notes-picture@2x.jpg"_s);
  picture.setDevicePixelRatio(2);
  return picture;
}

}  // namespace

NotesWindow::NotesWindow(QWidget* parent) : QWidget(parent, kFixedWindowFlags) {
  setObjectName(u"Form1"_s);
  setWindowTitle(u"ملاحظات"_s);
  FixWindowSize(this, FromTwips(0, 0, 5580, 6450).size());

  const QFont font = NotesLabelFont();
  PlaceLabel(this, "SkinLabel6", u"الاصدار رقم 1 لسنة 2013"_s, font,
             FromTwips(3120, 240, 2175, 375));
  PlaceLabel(this, "SkinLabel7",
             u"قريبا سيتم اصدار  لزركولت وسيكون مضافا اليها احمال الرياح والزلازل"_s, font,
             FromTwips(3240, 1440, 2415, 855))
      ->setWordWrap(true);

  auto* picture = new QLabel(this);
  picture->setObjectName(u"Picture1"_s);
  picture->setGeometry(FromTwips(-480, 0, 3495, 4095));
  // Drawn from the box's top-left corner whatever the reading direction, clipped by the box.
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute);
  picture->setPixmap(NotesPicture(devicePixelRatioF()));

  PlaceLabel(this, "SkinLabel1", u"عدد الأدوار المسموح بها في هذا البرنامج هو 7 ادوار*"_s, font,
             FromTwips(720, 4320, 4695, 375));
  PlaceLabel(this, "SkinLabel2", u"لم يتم اضافة احمال الرياح والزلازل في التصميم*"_s, font,
             FromTwips(960, 4920, 4455, 375));
  PlaceLabel(this, "SkinLabel3", u"تصميم وبرمجة م/"_s + kDeveloperName.toString() + u'*', font,
             FromTwips(1680, 5400, 4215, 255));
  PlaceLabel(this, "SkinLabel4", u"للتواصل :"_s + LeftToRightIsolate(kSupportPhone) + u'*', font,
             FromTwips(2160, 5880, 4215, 255));

  KeepTextInsideWindow(this);

  QPushButton* back_button =
      PlaceButton(this, "Command1", u"رجوع"_s, FromTwips(0, 5880, 1215, 495));
  back_button->setFocus();
  connect(back_button, &QPushButton::clicked, this, &NotesWindow::backRequested);

  new Skin(this);
}

void NotesWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit backRequested();
}

}  // namespace coldesign
