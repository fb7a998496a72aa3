#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "skin/skin_label.h"
#include "tests/windows/modal_box_answerer.h"
#include "tests/windows/typing.h"
#include "windows/application_setup.h"
#include "windows/program_windows.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// The part of a control that its window does not cut off.
QRect VisibleRect(const QWidget* control) {
  return control->geometry().intersected(control->window()->rect());
}

// Pictures of the windows for a person to look at, left in the test's working folder.
void SavePicture(const QPixmap& picture, const QString& name) {
  QVERIFY(!picture.isNull());
  QVERIFY(picture.save(QDir::current().filePath(u"screenshot-%1.png"_s.arg(name))));
}

bool IsInk(QRgb pixel) { return qGray(pixel) < 128; }

// Text cut off by the edge of its box leaves ink on that edge; the skin's light background and
// dark text tell the two apart.
void CheckLabelsAreWhole(QWidget* window) {
  const QImage picture = window->grab().toImage();
  const qreal scale = picture.devicePixelRatio();
  for (const SkinLabel* label : window->findChildren<SkinLabel*>()) {
    const QString where = window->objectName() + u' ' + label->objectName();
    const QRect visible = VisibleRect(label);
    const QRect box(visible.topLeft() * scale, visible.size() * scale);
    bool ink_inside = false;
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        if (!IsInk(picture.pixel(x, y))) {
          continue;
        }
        ink_inside = true;
        const bool on_edge =
            y == box.top() || y == box.bottom() || x == box.left() || x == box.right();
        QVERIFY2(!on_edge, qPrintable(where));
      }
    }
    QVERIFY2(ink_inside, qPrintable(where));
  }
}

void CheckCaptionsFit(const QWidget* window) {
  for (const QPushButton* button : window->findChildren<QPushButton*>()) {
    QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8,
             qPrintable(button->objectName()));
  }
  for (const QLineEdit* field : window->findChildren<QLineEdit*>()) {
    if (!field->isVisible()) {
      continue;
    }
    QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) < field->width() - 4,
             qPrintable(field->objectName()));
  }
}

}  // namespace

class WindowLookTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(*qApp); }

  void everyTextFitsAndIsPictured() {
    ProgramWindows windows([](int) {});
    windows.showDesignWindow();
    DesignWindow* design = windows.designWindow();
    QVERIFY(QTest::qWaitForWindowExposed(design));
    SavePicture(design->grab(), u"design-empty"_s);

    testing::TypeInto(design->findChild<QLineEdit*>(u"Text1"_s), u"50"_s);
    testing::TypeInto(design->findChild<QLineEdit*>(u"Text3"_s), u"7"_s);
    QTest::mouseClick(design->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    SavePicture(design->grab(), u"design-results"_s);
    // An input edited after Results: every label shows, the note on the old results too.
    testing::TypeInto(design->findChild<QLineEdit*>(u"Text3"_s), u"0"_s);
    CheckLabelsAreWhole(design);
    CheckCaptionsFit(design);
    const auto* frame = design->findChild<QGroupBox*>(u"Frame1"_s);
    QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());
    SavePicture(design->grab(), u"design-stale-results"_s);

    QTest::mouseClick(design->findChild<QPushButton*>(u"Command3"_s), Qt::LeftButton);
    NotesWindow* notes = windows.notesWindow();
    QVERIFY(QTest::qWaitForWindowExposed(notes));
    CheckLabelsAreWhole(notes);
    CheckCaptionsFit(notes);
    SavePicture(notes->grab(), u"notes"_s);
    QTest::mouseClick(notes->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);

    testing::ModalBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
    QTest::mouseClick(design->findChild<QPushButton*>(u"Command2"_s), Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 2);
    SavePicture(answerer.seen().front().picture, u"exit-question"_s);
    SavePicture(answerer.seen().back().picture, u"farewell"_s);
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::WindowLookTest)
#include "window_look_test.moc"
