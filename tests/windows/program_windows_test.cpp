#include "windows/program_windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <optional>

#include "skin/skin_label.h"
#include "tests/windows/modal_box_answerer.h"
#include "tests/windows/typing.h"
#include "windows/application_setup.h"
#include "windows/materials_settings.h"
#include "windows/program_credits.h"

namespace coldesign {
namespace {

using testing::ModalBoxAnswerer;
using namespace Qt::Literals::StringLiterals;

const QString kConfirmation = u" هل أنت متأكد من الخروج من البرنامج؟؟؟"_s;
const QString kFarewell =
    u"في حاله حدوث اي مشاكل بالبرنامج يرجى الاتصال برقم \u2066+44 20 7946 0000\u2069 م/فريق "
    u"التطوير  "
    u"والسلام عليكم ورحمة الله وبركاته"_s;

bool BuiltWithDefaultCredits() {
  return kDeveloperName == u"فريق التطوير" && kSupportPhone == u"+44 20 7946 0000";
}

void Click(const QWidget* window, const QString& button) {
  QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

QString FieldText(const QWidget* window, const QString& name) {
  return window->findChild<QLineEdit*>(name)->text();
}

int NotesWindowsMade() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return static_cast<int>(std::ranges::count_if(
      windows, [](const QWidget* window) { return window->objectName() == u"Form1"_s; }));
}

// The program's windows with an end of the program that only records its status.
struct Program {
  std::optional<int> exit_status;
  ProgramWindows windows{[this](int status) {
    QVERIFY(!exit_status.has_value());
    exit_status = status;
  }};

  Program() { windows.showDesignWindow(); }
  [[nodiscard]] DesignWindow* design() const { return windows.designWindow(); }
  [[nodiscard]] NotesWindow* notes() const { return windows.notesWindow(); }
};

}  // namespace

class ProgramWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the materials are read from the test's settings
    RememberMaterials({});
    SetUpApplication(*qApp);
  }

  void notesWindowIsMadeOnFirstUseOnly() {
    const Program program;
    QCOMPARE(program.notes(), nullptr);
    Click(program.design(), u"Command3"_s);
    NotesWindow* notes = program.notes();
    QVERIFY(notes != nullptr);
    QVERIFY(notes->isVisible());
    QVERIFY(!program.design()->isVisible());

    Click(notes, u"Command1"_s);
    QVERIFY(program.design()->isVisible());
    QVERIFY(!notes->isVisible());

    Click(program.design(), u"Command3"_s);
    QCOMPARE(program.notes(), notes);
    QCOMPARE(NotesWindowsMade(), 1);
  }

  void inputsAndResultsSurviveTrips() {
    const Program program;
    DesignWindow* design = program.design();
    testing::TypeInto(design->findChild<QLineEdit*>(u"Text1"_s), u"50"_s);
    testing::TypeInto(design->findChild<QLineEdit*>(u"Text3"_s), u"7"_s);
    Click(design, u"Command1"_s);
    for (int trip = 0; trip < 3; ++trip) {
      Click(design, u"Command3"_s);
      Click(program.notes(), u"Command1"_s);
    }
    QCOMPARE(FieldText(design, u"Text1"_s), u"50"_s);
    QCOMPARE(FieldText(design, u"Text3"_s), u"7"_s);
    QCOMPARE(FieldText(design, u"Text2"_s), u"3449.20265185451"_s);
    QCOMPARE(FieldText(design, u"Text5"_s), u"115"_s);
    QCOMPARE(FieldText(design, u"Text8"_s), u"18"_s);
    QVERIFY(design->findChild<QWidget*>(u"Frame1"_s)->isVisible());
    QVERIFY(design->findChild<QWidget*>(u"SkinLabel3"_s)->isVisible());
  }

  void exitAsksFirst_data() {
    QTest::addColumn<bool>("from_close_button");
    QTest::addColumn<int>("answer");  // 0: the box is closed with Escape
    QTest::addColumn<bool>("ends");
    QTest::newRow("Exit, No") << false << int{QMessageBox::No} << false;
    QTest::newRow("Exit, Escape") << false << 0 << false;
    QTest::newRow("Exit, Yes") << false << int{QMessageBox::Yes} << true;
    QTest::newRow("close button, No") << true << int{QMessageBox::No} << false;
    QTest::newRow("close button, Yes") << true << int{QMessageBox::Yes} << true;
  }

  void exitAsksFirst() {
    QFETCH(bool, from_close_button);
    QFETCH(int, answer);
    QFETCH(bool, ends);
    Program program;
    DesignWindow* design = program.design();
    // A trip to the notes window first, so that there are two windows to end.
    Click(design, u"Command3"_s);
    Click(program.notes(), u"Command1"_s);
    testing::TypeInto(design->findChild<QLineEdit*>(u"Text1"_s), u"10"_s);

    QList<QMessageBox::StandardButton> answers;
    if (answer != 0) {
      answers = {static_cast<QMessageBox::StandardButton>(answer), QMessageBox::Ok};
    }
    ModalBoxAnswerer answerer(answers);
    if (from_close_button) {
      QVERIFY(!design->close());
    } else {
      Click(design, u"Command2"_s);
    }

    QVERIFY(!answerer.seen().isEmpty());
    const testing::SeenBox& question = answerer.seen().front();
    QCOMPARE(question.text, kConfirmation);
    QCOMPARE(question.title, u"رسالة تأكيد"_s);
    QCOMPARE(question.icon, QMessageBox::Information);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    if (!ends) {
      QCOMPARE(answerer.seen().size(), 1);
      QCOMPARE(program.exit_status, std::nullopt);
      QVERIFY(design->isVisible());
      QCOMPARE(FieldText(design, u"Text1"_s), u"10"_s);
      return;
    }
    QCOMPARE(answerer.seen().size(), 2);
    const testing::SeenBox& farewell = answerer.seen().back();
    QCOMPARE(farewell.title, u"خروج"_s);
    QCOMPARE(farewell.icon, QMessageBox::Information);
    QCOMPARE(farewell.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    if (BuiltWithDefaultCredits()) {
      QCOMPARE(farewell.text, kFarewell);
    }
    QCOMPARE(program.exit_status, std::optional<int>(0));
    QVERIFY(!design->isVisible());
    QVERIFY(!program.notes()->isVisible());
  }

  void closingTheNotesWindowGoesBack() {
    const Program program;
    Click(program.design(), u"Command3"_s);
    QVERIFY(!program.notes()->close());
    QVERIFY(program.design()->isVisible());
    QVERIFY(!program.notes()->isVisible());
    QCOMPARE(program.exit_status, std::nullopt);
  }

  void notesWindowCredits() {
    if (!BuiltWithDefaultCredits()) {
      QSKIP("built with other credits than the defaults");
    }
    const NotesWindow notes;
    QCOMPARE(notes.findChild<SkinLabel*>(u"SkinLabel3"_s)->text(),
             u"تصميم وبرمجة م/فريق التطوير*"_s);
    QCOMPARE(notes.findChild<SkinLabel*>(u"SkinLabel4"_s)->text(),
             u"للتواصل :\u2066+44 20 7946 0000\u2069*"_s);
  }

  void boxButtonsReadInArabic_data() {
    QTest::addColumn<bool>("with_qt_catalogue");
    QTest::newRow("with Qt's Arabic catalogue") << true;
    QTest::newRow("without it") << false;
  }

  void boxButtonsReadInArabic() {
    QFETCH(bool, with_qt_catalogue);
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    const QList<QTranslator*> catalogues = qApp->findChildren<QTranslator*>();
    if (!with_qt_catalogue) {
      for (QTranslator* catalogue : catalogues) QCoreApplication::removeTranslator(catalogue);
    }
    const Program program;
    ModalBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
    Click(program.design(), u"Command2"_s);
    for (QTranslator* catalogue : catalogues) QCoreApplication::installTranslator(catalogue);
    QCOMPARE(answerer.seen().size(), 2);
    QCOMPARE(answerer.seen().front().button_captions, QStringList({u"لا"_s, u"نعم"_s}));
    QCOMPARE(answerer.seen().back().button_captions, QStringList({u"موافق"_s}));
  }

  void returnAndEnterPressTheFocusedButton_data() {
    QTest::addColumn<bool>("on_notes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::newRow("Results, Return") << false << u"Command1"_s << int{Qt::Key_Return};
    QTest::newRow("Exit, Enter") << false << u"Command2"_s << int{Qt::Key_Enter};
    QTest::newRow("Notes, Return") << false << u"Command3"_s << int{Qt::Key_Return};
    QTest::newRow("Back, Enter") << true << u"Command1"_s << int{Qt::Key_Enter};
  }

  void returnAndEnterPressTheFocusedButton() {
    QFETCH(bool, on_notes);
    QFETCH(QString, button);
    QFETCH(int, key);
    DesignWindow design;
    NotesWindow notes;
    auto* target = (on_notes ? static_cast<QWidget&>(notes) : static_cast<QWidget&>(design))
                       .findChild<QPushButton*>(button);
    QSignalSpy clicks(target, &QAbstractButton::clicked);
    const ModalBoxAnswerer answerer;  // Results on empty fields opens a box
    QTest::keyClick(target, static_cast<Qt::Key>(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicks.size(), 1);
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::ProgramWindowsTest)
#include "program_windows_test.moc"
