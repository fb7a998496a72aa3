#include "windows/notes_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>

#include "sheet/left_to_right.h"
#include "skin/skin.h"
#include "translations/texts.h"
#include "windows/controls.h"
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
  FixWindowSize(this, FromTwips(0, 0, 5580, 6450).size());

  const QFont font = NotesLabelFont();
  release_ = PlaceLabel(this, "SkinLabel6", {}, font, FromTwips(3120, 240, 2175, 375));
  coming_release_ = PlaceLabel(this, "SkinLabel7", {}, font, FromTwips(3240, 1440, 2415, 855));
  coming_release_->setWordWrap(true);

  auto* picture = new QLabel(this);
  picture->setObjectName(u"Picture1"_s);
  picture->setGeometry(FromTwips(-480, 0, 3495, 4095));
  // Drawn from the box's top-left corner whatever the reading direction, clipped by the box.
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute);
  picture->setPixmap(NotesPicture(devicePixelRatioF()));

  floor_limit_ = PlaceLabel(this, "SkinLabel1", {}, font, FromTwips(720, 4320, 4695, 375));
  wind_loads_ = PlaceLabel(this, "SkinLabel2", {}, font, FromTwips(960, 4920, 4455, 375));
  credits_ = PlaceLabel(this, "SkinLabel3", {}, font, FromTwips(1680, 5400, 4215, 255));
  contact_ = PlaceLabel(this, "SkinLabel4", {}, font, FromTwips(2160, 5880, 4215, 255));

  KeepTextInsideWindow(this);

  back_button_ = PlaceButton(this, "Command1", {}, FromTwips(0, 5880, 1215, 495));
  back_button_->setFocus();
  connect(back_button_, &QPushButton::clicked, this, &NotesWindow::backRequested);

  new Skin(this);
  retranslate();
}

void NotesWindow::retranslate() {
  setWindowTitle(NotesTitle());
  release_->setText(Texts::tr("الاصدار رقم 1 لسنة 2013", "notes.release"));
  coming_release_->setText(
      Texts::tr("قريبا سيتم اصدار  لزركولت وسيكون مضافا اليها احمال الرياح والزلازل",
                "notes.coming-release"));
  floor_limit_->setText(FloorLimitNote() + u'*');
  wind_loads_->setText(NoWindLoadsNote() + u'*');
  credits_->setText(Texts::tr("تصميم وبرمجة م/%1", "notes.credits").arg(kDeveloperName) + u'*');
  contact_->setText(
      Texts::tr("للتواصل :%1", "notes.contact").arg(LeftToRightIsolate(kSupportPhone)) + u'*');
  back_button_->setText(Texts::tr("رجوع", "notes.back"));
}

void NotesWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit backRequested();
}

void NotesWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

}  // namespace coldesign
