#include "windows/design_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "skin/skin_label.h"
#include "tests/windows/modal_box_answerer.h"
#include "tests/windows/typing.h"
#include "windows/application_setup.h"
#include "windows/input_guard.h"
#include "windows/language_choice.h"

namespace coldesign {
namespace {

using testing::ModalBoxAnswerer;
using testing::TypeInto;
using namespace Qt::Literals::StringLiterals;

const QString kCaption = u"زركولت"_s;
const QString kEmptyField = u"لا يمكن ترك هذا الحقل فارغا"_s;
const QString kNegative = u"لا يمكن أن تكون القيمة سالبة"_s;
const QString kOverflow = u"القيم المدخلة كبيرة جدا ولا يمكن حسابها"_s;
const QString kNotANumber = u"القيمة المدخلة ليست رقما"_s;
const QString kUnfinished = u"الرقم المدخل غير مكتمل"_s;
const QString kStaleNote = u"النتائج للقيم السابقة، اضغط «النتائج» للتحديث"_s;

const QStringList kResultsArea = {u"Text4"_s,  u"Text5"_s,      u"Text7"_s,     u"Text8"_s,
                                  u"Frame1"_s, u"SkinLabel3"_s, u"SkinLabel4"_s};

QLineEdit* Field(const QWidget& window, const QString& name) {
  return window.findChild<QLineEdit*>(name);
}

// Types the keys one by one; "↶" is the undo key, "↷" the redo key.
void TypeKeys(QLineEdit* field, const QString& keys) {
  for (const QChar key : keys) {
    if (key == u'↶' || key == u'↷') {
      QTest::keySequence(field, key == u'↶' ? QKeySequence::Undo : QKeySequence::Redo);
    } else {
      TypeInto(field, QString(key));
    }
  }
}

void PressResults(const QWidget& window) {
  QTest::mouseClick(window.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
}

bool ResultsAreaShown(const QWidget& window) {
  return std::ranges::all_of(kResultsArea, [&](const QString& name) {
    return window.findChild<QWidget*>(name)->isVisible();
  });
}

bool ResultsAreaHidden(const QWidget& window) {
  return std::ranges::none_of(kResultsArea, [&](const QString& name) {
    return window.findChild<QWidget*>(name)->isVisible();
  });
}

bool StaleNoteShown(const QWidget& window) {
  const auto* note = window.findChild<SkinLabel*>(u"StaleResultsNote"_s);
  return note != nullptr && note->isVisible() && note->text() == kStaleNote;
}

// The grey level of the darkest pixel the widget draws: its text's ink.
int DarkestInk(QWidget& widget) {
  const QImage image = widget.grab().toImage();
  int darkest = 255;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  }
  return darkest;
}

// The design window shown on the offscreen screen, with the load and floors typed in.
class ShownDesignWindow {
 public:
  ShownDesignWindow(const QString& load = {}, const QString& floors = {}) {
    window_.show();
    TypeInto(Field(window_, u"Text1"_s), load);
    TypeInto(Field(window_, u"Text3"_s), floors);
  }
  DesignWindow& operator*() { return window_; }
  DesignWindow* operator->() { return &window_; }
  [[nodiscard]] QString text(const QString& name) const { return Field(window_, name)->text(); }

 private:
  DesignWindow window_;
};

}  // namespace

class DesignWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the user's own settings stay untouched
    QSettings().clear();
    SetUpApplication(*qApp);
  }

  void typingKeepsOnlyNumbers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits") << u"Text1"_s << u"12"_s << u"12"_s;
    QTest::newRow("a letter after digits") << u"Text1"_s << u"12a"_s << u"12"_s;
    QTest::newRow("a point then a digit") << u"Text1"_s << u"1.5"_s << u"1.5"_s;
    QTest::newRow("a letter first") << u"Text1"_s << u"a"_s << u""_s;
    QTest::newRow("a lone minus") << u"Text1"_s << u"-"_s << u"-"_s;
    QTest::newRow("a lone point") << u"Text3"_s << u"."_s << u"."_s;
    QTest::newRow("a point first") << u"Text1"_s << u".5"_s << u".5"_s;
    QTest::newRow("a minus first") << u"Text1"_s << u"-5"_s << u"-5"_s;
    QTest::newRow("letters between digits") << u"Text3"_s << u"4xy2"_s << u"42"_s;
    QTest::newRow("an exponent") << u"Text3"_s << u"1e5"_s << u"1e5"_s;
    QTest::newRow("a negative exponent") << u"Text3"_s << u"5e-3"_s << u"5e-3"_s;
    QTest::newRow("Arabic-Indic digits") << u"Text1"_s << u"١٢٫٥"_s << u"١٢٫٥"_s;
    QTest::newRow("a letter after Arabic-Indic digits") << u"Text3"_s << u"٣ب٤"_s << u"٣٤"_s;
    QTest::newRow("letters between digits, fast") << u"Text1"_s << u"1a2b3c"_s << u"123"_s;
    QTest::newRow("a letter among digits, fast") << u"Text1"_s << u"12w34"_s << u"1234"_s;
    QTest::newRow("a decimal comma") << u"Text1"_s << u"12,5"_s << u"12.5"_s;
    QTest::newRow("the Arabic layout's period key") << u"Text1"_s << u"12ز5"_s << u"12.5"_s;
    QTest::newRow("undo after a refused letter") << u"Text1"_s << u"12a↶5"_s << u"15"_s;
    QTest::newRow("undo and redo of a mended paste") << u"Text1"_s << u"1↶↷2"_s << u"12"_s;
  }

  void typingKeepsOnlyNumbers() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, kept);
    ShownDesignWindow window;
    QLineEdit* typed = Field(*window, field);
    TypeKeys(typed, keys);
    QCOMPARE(typed->text(), kept);
    QCOMPARE(typed->cursorPosition(), kept.size());
  }

  void pastedTextLosesCharactersFromTheCaret_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("letter inside the pasted text") << u""_s << u"12a34"_s << u"12"_s;
    QTest::newRow("pasted after digits") << u"7"_s << u"5x"_s << u"75"_s;
    QTest::newRow("nothing numeric") << u""_s << u"abc"_s << u""_s;
    QTest::newRow("a negative number") << u""_s << u"-5"_s << u"-5"_s;
    QTest::newRow("100 kB of letters") << u"7"_s << QString(100'000, u'a') << u"7"_s;
    QTest::newRow("100 kB of digits") << u""_s << QString(100'000, u'1') << QString(100'000, u'1');
    QTest::newRow("a thousands comma") << u"7"_s << u"1,000"_s << u"7"_s;
    QTest::newRow("marks around") << u""_s << u"\u200F\u00A0100\t"_s << u"100"_s;
    QTest::newRow("a no-break space inside") << u""_s << u"1\u00A0000"_s << u""_s;
  }

  void pastedTextLosesCharactersFromTheCaret() {
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    ShownDesignWindow window(before);
    QLineEdit* load = Field(*window, u"Text1"_s);
    QApplication::clipboard()->setText(pasted);
    load->end(false);
    load->paste();
    QCOMPARE(load->text(), kept);
    QCOMPARE(load->cursorPosition(), kept.size());
  }

  void dropTellsTheSourceWhatItTook_data() {
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<Qt::DropAction>("action");
    QTest::newRow("all of it") << u"75"_s << u"75"_s << Qt::MoveAction;
    QTest::newRow("part of it") << u"7x5"_s << u"7"_s << Qt::CopyAction;
    QTest::newRow("none of it") << u"1,5"_s << u""_s << Qt::CopyAction;
  }

  // A source that honours a Move deletes what it gave: only a drop taken whole is one.
  void dropTellsTheSourceWhatItTook() {
    QFETCH(QString, dropped);
    QFETCH(QString, kept);
    QFETCH(Qt::DropAction, action);
    ShownDesignWindow window;
    QLineEdit* load = Field(*window, u"Text1"_s);
    QMimeData data;
    data.setText(dropped);
    // Shift held proposes a Move, as a source that honours one offers it.
    const QPoint at = load->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::ShiftModifier);
    QApplication::sendEvent(load, &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(load, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(load->text(), kept);
    QCOMPARE(drop.dropAction(), action);
  }

  // A paste into a field without the focus mends that field alone; text the program sets is
  // taken as it is.
  void guardMendsTheFieldThatChanged() {
    ShownDesignWindow window(u""_s, u"35"_s);
    Field(*window, u"Text3"_s)->setFocus();
    QLineEdit* load = Field(*window, u"Text1"_s);
    QApplication::clipboard()->setText(u"8k"_s);
    load->paste();
    QCOMPARE(load->text(), u"8"_s);
    QCOMPARE(window.text(u"Text3"_s), u"35"_s);
    load->setText(u"8k"_s);
    QCOMPARE(load->text(), u"8k"_s);
  }

  // Each edit is one undo step, the guard's mending included.
  void undoStepsAreTheUsersEdits() {
    ShownDesignWindow window(u"1"_s);
    QLineEdit* load = Field(*window, u"Text1"_s);
    QApplication::clipboard()->setText(u"2abc"_s);
    load->paste();
    QCOMPARE(load->text(), u"12"_s);
    TypeInto(load, u"x"_s);
    const QStringList expected = {u"1"_s, u""_s, u"1"_s, u"12"_s};
    QStringList seen;
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Undo, QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Redo}) {
      QTest::keySequence(load, key);
      seen << load->text();
    }
    QCOMPARE(seen, expected);
  }

  void contextMenuUndoesAndShowsNoMnemonics() {
    ShownDesignWindow window(u"5"_s);
    QLineEdit* load = Field(*window, u"Text1"_s);
    QApplication::clipboard()->setText(u"x"_s);
    load->paste();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              load->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(load, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    for (const QAction* action : menu->actions()) {
      QVERIFY2(!action->text().contains(u'&'), qPrintable(action->text()));
    }
    const QList<QAction*> actions = menu->actions();
    const auto undo = std::ranges::find_if(
        actions, [](const QAction* action) { return action->objectName() == u"edit-undo"_s; });
    QVERIFY(undo != actions.end());
    (*undo)->trigger();
    menu->close();
    QCOMPARE(load->text(), u""_s);
  }

  void decimalMarkHint_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("shown");
    QTest::newRow("comma") << u"7,"_s << true;
    QTest::newRow("Arabic comma") << u"٧،"_s << true;
    QTest::newRow("the Arabic layout's comma key") << u"7و"_s << true;
    QTest::newRow("space inside a number") << u"75← "_s << true;
    QTest::newRow("letter") << u"7a"_s << false;
    QTest::newRow("point") << u"7."_s << false;
  }

  void decimalMarkHint() {
    QFETCH(QString, keys);
    QFETCH(bool, shown);
    // With the results shown, below the fields stand the results.
    ShownDesignWindow window(u""_s, u"5"_s);
    QLineEdit* load = Field(*window, u"Text1"_s);
    load->setText(u"10"_s);
    PressResults(*window);
    load->clear();
    for (const QChar key : keys) {
      if (key == u'←') {  // the caret one character back
        load->cursorBackward(false);
      } else {
        TypeInto(load, QString(key));
      }
    }
    const auto* hint = window->findChild<QLabel*>(u"DecimalMarkHint"_s);
    QCOMPARE(hint != nullptr && hint->isVisible(), shown);
    if (shown) {
      QCOMPARE(hint->text(), DecimalMarkHint());
      // On a ground of its own, inside the window, over no other control or caption.
      const QImage shot = window->grab().toImage();

      QCOMPARE(shot.pixelColor(hint->geometry().topLeft() + QPoint(3, hint->height() / 2)),
               window->palette().color(QPalette::ToolTipBase));
      QVERIFY(window->rect().contains(hint->geometry()));
      for (const QWidget* other : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(
            other == hint || !other->isVisible() || !other->geometry().intersects(hint->geometry()),
            qPrintable(other->objectName()));
      }
      TypeInto(load, u"5"_s);
      QVERIFY(!hint->isVisible());
    }
  }

  void emptyFieldIsRefused_data() {
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("floors");
    QTest::newRow("both empty") << u""_s << u""_s;
    QTest::newRow("load empty") << u""_s << u"5"_s;
    QTest::newRow("floors empty") << u"10"_s << u""_s;
  }

  void emptyFieldIsRefused() {
    QFETCH(QString, load);
    QFETCH(QString, floors);
    ShownDesignWindow window(load, floors);
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    PressResults(*window);
    QCOMPARE(answerer.seen().size(), 1);
    const testing::SeenBox& box = answerer.seen().front();
    QCOMPARE(box.text, kEmptyField);
    QCOMPARE(box.title, kCaption);
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(ResultsAreaHidden(*window));
    QCOMPARE(window.text(u"Text2"_s), u""_s);
  }

  // A refused Results clears the results of the inputs before, the hidden ones too.
  void refusedInputClearsTheEarlierResults_data() {
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("floors");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative load") << u"-10"_s << u"5"_s << kNegative;
    QTest::newRow("negative floors") << u"10"_s << u"-5"_s << kNegative;
    QTest::newRow("negative with a point") << u"-0.5"_s << u"5"_s << kNegative;
    QTest::newRow("empty load") << u""_s << u"7"_s << kEmptyField;
    QTest::newRow("empty floors") << u"100"_s << u""_s << kEmptyField;
  }

  void refusedInputClearsTheEarlierResults() {
    QFETCH(QString, load);
    QFETCH(QString, floors);
    QFETCH(QString, message);
    ShownDesignWindow window(u"100"_s, u"7"_s);
    PressResults(*window);
    Field(*window, u"Text1"_s)->setText(load);
    Field(*window, u"Text3"_s)->setText(floors);
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    PressResults(*window);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text, message);
    QCOMPARE(answerer.seen().front().title, kCaption);
    for (const QString& name : {u"Text2"_s, u"Text5"_s, u"Text6"_s, u"Text8"_s}) {
      QCOMPARE(window.text(name), u""_s);
    }
    QVERIFY(!StaleNoteShown(*window));
  }

  void resultsOfTheDesign_data() {
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("floors");
    QTest::addColumn<QStringList>("written");  // Text2, Text5, Text6, Text8
    QTest::newRow("10 t on 5 floors")
        << u"10"_s << u"5"_s << QStringList{u"492.743235979215"_s, u"30"_s, u"5.4"_s, u"4"_s};
    QTest::newRow("30 t on 4 floors")
        << u"30"_s << u"4"_s
        << QStringList{u"1182.58376635012"_s, u"40"_s, u"11.8258376635012"_s, u"6"_s};
    QTest::newRow("50 t on 7 floors")
        << u"50"_s << u"7"_s
        << QStringList{u"3449.20265185451"_s, u"115"_s, u"34.4920265185451"_s, u"18"_s};
    QTest::newRow("100 t on 7 floors")
        << u"100"_s << u"7"_s
        << QStringList{u"6898.40530370901"_s, u"230"_s, u"68.9840530370901"_s, u"34"_s};
    QTest::newRow("no floors") << u"10"_s << u"0"_s
                               << QStringList{u"0"_s, u"30"_s, u"5.4"_s, u"4"_s};
    QTest::newRow("Arabic-Indic digits")
        << u"١٠"_s << u"٥"_s << QStringList{u"492.743235979215"_s, u"30"_s, u"5.4"_s, u"4"_s};
  }

  void resultsOfTheDesign() {
    QFETCH(QString, load);
    QFETCH(QString, floors);
    QFETCH(QStringList, written);
    ShownDesignWindow window(load, floors);
    ModalBoxAnswerer answerer;
    PressResults(*window);
    QVERIFY(answerer.seen().isEmpty());
    QVERIFY(ResultsAreaShown(*window));
    const QStringList texts = {window.text(u"Text2"_s), window.text(u"Text5"_s),
                               window.text(u"Text6"_s), window.text(u"Text8"_s)};
    QCOMPARE(texts, written);
    QCOMPARE(window.text(u"Text4"_s), u"30"_s);
    QCOMPARE(window.text(u"Text7"_s), u"16"_s);
    QVERIFY(!Field(*window, u"Text2"_s)->isVisible());
    QVERIFY(!Field(*window, u"Text6"_s)->isVisible());
  }

  void repeatedResultsWriteTheSameTexts() {
    ShownDesignWindow window(u"50"_s, u"7"_s);
    PressResults(*window);
    PressResults(*window);
    QCOMPARE(window.text(u"Text5"_s), u"115"_s);
    QCOMPARE(window.text(u"Text6"_s), u"34.4920265185451"_s);
    QCOMPARE(window.text(u"Text8"_s), u"18"_s);
  }

  // Results stand for the inputs they were worked out from: edited inputs grey them and show a
  // note, until Results is pressed again or the inputs are as they were.
  void editedInputsMarkTheResultsAsOld_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");  // '<' is Backspace
    QTest::addColumn<bool>("press_results");
    QTest::addColumn<bool>("old");
    QTest::newRow("a floor digit added") << u"Text3"_s << u"0"_s << false << true;
    QTest::newRow("the load emptied") << u"Text1"_s << u"<<"_s << false << true;
    QTest::newRow("typed and taken back") << u"Text1"_s << u"5<"_s << false << false;
    QTest::newRow("edited, then Results") << u"Text3"_s << u"0"_s << true << false;
  }

  void editedInputsMarkTheResultsAsOld() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(bool, press_results);
    QFETCH(bool, old);
    ShownDesignWindow window(u"50"_s, u"7"_s);
    PressResults(*window);
    const int fresh_ink = DarkestInk(*Field(*window, u"Text5"_s));
    for (const QChar key : keys) {
      if (key == u'<') {
        QTest::keyClick(Field(*window, field), Qt::Key_Backspace);
      } else {
        TypeInto(Field(*window, field), QString(key));
      }
    }
    if (press_results) {
      ModalBoxAnswerer answerer({QMessageBox::Ok});
      PressResults(*window);
    }
    QCOMPARE(window.text(u"Text5"_s), press_results ? u"1150"_s : u"115"_s);
    QCOMPARE(StaleNoteShown(*window), old);
    QCOMPARE(DarkestInk(*Field(*window, u"Text5"_s)) > fresh_ink + 30, old);
    // The note covers no control.
    const auto* note = window->findChild<QWidget*>(u"StaleResultsNote"_s);
    for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control != note && control->isVisible()) {
        QVERIFY2(!note->geometry().intersects(control->geometry()),
                 qPrintable(control->objectName()));
      }
    }
  }

  void enterPressesResults_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("in the load") << u"Text1"_s;
    QTest::newRow("in the floors") << u"Text3"_s;
  }

  void enterPressesResults() {
    QFETCH(QString, field);
    ShownDesignWindow window(u"100"_s, u"7"_s);
    QTest::keyClick(Field(*window, field), Qt::Key_Return);
    QCOMPARE(window.text(u"Text8"_s), u"34"_s);
  }

  void overflowClearsTheStaleResults() {
    ShownDesignWindow window(u"10"_s, u"5"_s);
    PressResults(*window);
    Field(*window, u"Text1"_s)->setText(u"1000"_s);
    Field(*window, u"Text3"_s)->setText(u"100"_s);
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    PressResults(*window);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text, kOverflow);
    QCOMPARE(answerer.seen().front().title, kCaption);
    QCOMPARE(answerer.seen().front().icon, QMessageBox::Information);
    QCOMPARE(answerer.seen().front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(window.text(u"Text2"_s), u"985486.47195843"_s);
    QCOMPARE(window.text(u"Text5"_s), u""_s);
    QCOMPARE(window.text(u"Text6"_s), u""_s);
    QCOMPARE(window.text(u"Text8"_s), u""_s);
    QVERIFY(ResultsAreaShown(*window));
    // The program goes on: the inputs take new text and the next design works.
    QLineEdit* floors = Field(*window, u"Text3"_s);
    floors->clear();
    TypeInto(floors, u"5"_s);
    Field(*window, u"Text1"_s)->setText(u"10"_s);
    PressResults(*window);
    QCOMPARE(window.text(u"Text5"_s), u"30"_s);
  }

  // Deleting the digit before an exponent cannot leave a number: the field keeps its text.
  void deletionBeforeAnExponentIsRefused() {
    ShownDesignWindow window(u"15"_s);
    QLineEdit* load = Field(*window, u"Text1"_s);
    load->setCursorPosition(1);
    TypeInto(load, u"e"_s);
    QCOMPARE(load->text(), u"1e5"_s);
    load->setCursorPosition(0);
    QTest::keyClick(load, Qt::Key_Delete);
    QCOMPARE(load->text(), u"1e5"_s);
  }

  void unfinishedNumberIsRefused_data() {
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("floors");
    QTest::addColumn<QString>("message");
    QTest::newRow("a lone minus") << u"-"_s << u"5"_s << kUnfinished;
    QTest::newRow("an exponent without digits") << u"10"_s << u"5e"_s << kUnfinished;
    QTest::newRow("a complete negative number") << u"-5"_s << u"5"_s << kNegative;
  }

  void unfinishedNumberIsRefused() {
    QFETCH(QString, load);
    QFETCH(QString, floors);
    QFETCH(QString, message);
    ShownDesignWindow window(load, floors);
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    PressResults(*window);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text, message);
    QVERIFY(ResultsAreaHidden(*window));
  }

  // Text the program set without the guard, and not a number, is reported.
  void textThatIsNotANumberIsReported() {
    ShownDesignWindow window(u"10"_s, u"5"_s);
    PressResults(*window);
    Field(*window, u"Text1"_s)->setText(u"e5"_s);
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    PressResults(*window);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text, kNotANumber);
    QCOMPARE(answerer.seen().front().icon, QMessageBox::Information);
    for (const QString& name : {u"Text2"_s, u"Text5"_s, u"Text6"_s, u"Text8"_s}) {
      QCOMPARE(window.text(name), u""_s);
    }
  }

  void languageArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("asked");
    QTest::newRow("none") << QStringList{u"column-designer"_s} << u"none"_s;
    QTest::newRow("English") << QStringList{u"p"_s, u"--language"_s, u"en"_s} << u"en"_s;
    QTest::newRow("Arabic, one word") << QStringList{u"p"_s, u"--language=ar"_s} << u"ar"_s;
    QTest::newRow("unknown") << QStringList{u"p"_s, u"--language"_s, u"fr"_s} << u"refused"_s;
    QTest::newRow("no value") << QStringList{u"p"_s, u"--language"_s} << u"refused"_s;
  }

  void languageArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, asked);
    const auto language = LanguageArgument(arguments);
    QString seen = u"refused"_s;
    if (language) {
      seen = !language->has_value()                   ? u"none"_s
             : language->value() == Language::English ? u"en"_s
                                                      : u"ar"_s;
    }
    QCOMPARE(seen, asked);
  }

  // The menu's entry puts the window in English at once, left to right, and back; the choice
  // is remembered.
  void languageSwitchesAtOnceAndIsRemembered() {
    const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
    ShownDesignWindow window;
    auto* language = window->findChild<QAction*>(u"language"_s);
    const auto results_text = [&] {
      return window->findChild<QPushButton*>(u"Command1"_s)->text();
    };
    language->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(window->windowTitle(), u"Column Designer"_s);
    QCOMPARE(window->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(results_text(), u"Results"_s);
    QCOMPARE(language->text(), u"العربية"_s);
    QCOMPARE(RememberedLanguage(), Language::English);
    {
      ModalBoxAnswerer answerer({QMessageBox::Ok});
      PressResults(*window);
      QCOMPARE(answerer.seen().size(), 1);
      QCOMPARE(answerer.seen().front().text, u"This field cannot be left empty"_s);
      QCOMPARE(answerer.seen().front().title, u"Column Designer"_s);
      QCOMPARE(answerer.seen().front().button_captions, QStringList{u"OK"_s});
    }
    language->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(window->windowTitle(), kCaption);
    QCOMPARE(window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(results_text(), u"النتائج"_s);
    QCOMPARE(RememberedLanguage(), Language::Arabic);
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::DesignWindowTest)
#include "design_window_test.moc"
