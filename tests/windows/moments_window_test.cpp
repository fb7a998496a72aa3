// The moments on the desktop: the dialog refuses what the engine refuses, and the design window
// designs with what it takes, says when the moments governed, and keeps no result standing
// beside a column it refused.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "skin/skin_label.h"
#include "tests/windows/modal_box_answerer.h"
#include "tests/windows/typing.h"
#include "windows/application_setup.h"
#include "windows/design_window.h"
#include "windows/moments_dialog.h"
#include "windows/sheet_actions.h"

namespace coldesign {
namespace {

using testing::ModalBoxAnswerer;
using testing::TypeInto;
using namespace Qt::Literals::StringLiterals;

using Typed = QList<std::pair<QString, QString>>;  // a field's name and its text

// Opens the moments from the window's context menu, types into the dialog and takes it with OK.
void GiveBending(DesignWindow& window, const Typed& typed, bool unbraced = false) {
  QTimer::singleShot(0, &window, [&typed, unbraced] {
    auto* dialog = qobject_cast<MomentsDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    for (const auto& [name, text] : typed) dialog->findChild<QLineEdit*>(name)->setText(text);
    dialog->findChild<QCheckBox*>(u"Unbraced"_s)->setChecked(unbraced);
    dialog->accept();
  });
  window.findChild<QAction*>(u"moments"_s)->trigger();
}

QString Text(const QWidget& window, const QString& name) {
  return window.findChild<QLineEdit*>(name)->text();
}

// The note of the strip above Results; empty when none shows.
QString Note(const QWidget& window) {
  const auto* note = window.findChild<SkinLabel*>(u"StaleResultsNote"_s);
  return note->isVisible() ? note->text() : QString();
}

const QString kStaleNote = u"النتائج للقيم السابقة، اضغط «النتائج» للتحديث"_s;

void PressResults(const QWidget& window) {
  QTest::mouseClick(window.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
}

// The window's note of moments that governed: the design moments and the utilisation.
QString Governed(const QString& moment_x, const QString& moment_y, const QString& utilisation) {
  return u"حكمت العزوم: \u202AMx %1 · My %2 t·m\u202C، الاستغلال %3"_s.arg(moment_x, moment_y,
                                                                           utilisation);
}

bool SheetAvailable(const QWidget& window) {
  return window.findChild<SheetActions*>(u"sheetActions"_s)->saveAction()->isEnabled();
}

// A picture for a person to look at, left in the test's working folder.
void SavePicture(QWidget& widget, const QString& name) {
  QVERIFY(widget.grab().save(QDir::current().filePath(u"screenshot-%1.png"_s.arg(name))));
}

}  // namespace

class MomentsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the user's own settings stay untouched
    QSettings().clear();
    SetUpApplication(*qApp);
  }

  // 50 t on 7 floors is 30 × 115 with 18 bars for its load alone.
  void designsWithTheMomentsGiven_data() {
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<bool>("unbraced");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("bars");
    QTest::addColumn<QString>("note");  // empty: the moments did not govern
    QTest::newRow("the defaults") << Typed{} << false << u"115"_s << u"18"_s << QString();
    QTest::newRow("within the least eccentricity")
        << Typed{{u"MomentX"_s, u"-10"_s}, {u"MomentY"_s, u"5"_s}} << false << u"115"_s << u"18"_s
        << QString();
    QTest::newRow("Mx") << Typed{{u"MomentX"_s, u"150"_s}} << false << u"135"_s << u"62"_s
                        << Governed(u"150.0"_s, u"7.7"_s, u"0.99"_s);
    QTest::newRow("biaxial in Arabic-Indic digits")
        << Typed{{u"MomentX"_s, u"٨٠"_s}, {u"MomentY"_s, u"-٣٠٫٥"_s}} << false << u"135"_s
        << u"58"_s << Governed(u"80.0"_s, u"30.5"_s, u"0.99"_s);
    QTest::newRow("slender with no moment given")
        << Typed{{u"ColumnHeight"_s, u"4"_s}} << true << u"115"_s << u"50"_s
        << Governed(u"22.1"_s, u"30.8"_s, u"0.98"_s);
  }

  void designsWithTheMomentsGiven() {
    QFETCH(Typed, typed);
    QFETCH(bool, unbraced);
    QFETCH(QString, length);
    QFETCH(QString, bars);
    QFETCH(QString, note);
    DesignWindow window;
    window.show();
    TypeInto(window.findChild<QLineEdit*>(u"Text1"_s), u"50"_s);
    TypeInto(window.findChild<QLineEdit*>(u"Text3"_s), u"7"_s);
    GiveBending(window, typed, unbraced);
    ModalBoxAnswerer answerer;
    PressResults(window);
    QVERIFY(answerer.seen().isEmpty());
    QCOMPARE(Text(window, u"Text5"_s), length);
    QCOMPARE(Text(window, u"Text8"_s), bars);
    QCOMPARE(Text(window, u"Text4"_s), u"30"_s);
    QCOMPARE(Note(window), note);
    const auto* label = window.findChild<SkinLabel*>(u"StaleResultsNote"_s);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) < label->width());
    QVERIFY(SheetAvailable(window));
  }

  // A column the code refuses, or that no length carries, leaves no result of the inputs before.
  void refusedColumnClearsTheResults_data() {
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<bool>("unbraced");
    QTest::addColumn<QString>("message");
    QTest::newRow("too slender, unbraced")
        << Typed{{u"ColumnHeight"_s, u"10"_s}} << true
        << u"العمود نحيف أكثر مما يسمح به الكود: λ = 50.0 والحد 23"_s;
    QTest::newRow("too slender, braced with k")
        << Typed{{u"ColumnHeight"_s, u"10"_s}, {u"LengthFactor"_s, u"1"_s}} << false
        << u"العمود نحيف أكثر مما يسمح به الكود: λ = 33.3 والحد 30"_s;
    QTest::newRow("too large")
        << Typed{{u"MomentY"_s, u"1e6"_s}} << false
        << u"لا يحمل العمود الحمل مع العزوم بأي طول حتى 300 cm وعرضه كما هو"_s;
  }

  void refusedColumnClearsTheResults() {
    QFETCH(Typed, typed);
    QFETCH(bool, unbraced);
    QFETCH(QString, message);
    DesignWindow window;
    window.show();
    TypeInto(window.findChild<QLineEdit*>(u"Text1"_s), u"50"_s);
    TypeInto(window.findChild<QLineEdit*>(u"Text3"_s), u"7"_s);
    GiveBending(window, {{u"MomentX"_s, u"150"_s}});
    PressResults(window);
    QVERIFY(!Note(window).isEmpty());

    GiveBending(window, typed, unbraced);
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    PressResults(window);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text, message);
    for (const QString& field : {u"Text5"_s, u"Text6"_s, u"Text8"_s}) {
      QVERIFY2(Text(window, field).isEmpty(), qPrintable(field));
    }
    QVERIFY(Note(window).isEmpty());
    QVERIFY(!SheetAvailable(window));
  }

  // New moments make the results on show old, as an edited load does, until Results.
  void changedMomentsMarkTheResultsOld() {
    DesignWindow window;
    window.show();
    TypeInto(window.findChild<QLineEdit*>(u"Text1"_s), u"50"_s);
    TypeInto(window.findChild<QLineEdit*>(u"Text3"_s), u"7"_s);
    PressResults(window);
    GiveBending(window, {{u"MomentX"_s, u"150"_s}});
    QCOMPARE(Note(window), kStaleNote);
    QCOMPARE(Text(window, u"Text5"_s), u"115"_s);
    GiveBending(window, {{u"MomentX"_s, u"0"_s}});
    QCOMPARE(Note(window), QString());
    GiveBending(window, {{u"MomentX"_s, u"150"_s}});
    PressResults(window);
    QCOMPARE(Note(window), Governed(u"150.0"_s, u"7.7"_s, u"0.99"_s));
    SavePicture(window, u"moments-governed"_s);
    TypeInto(window.findChild<QLineEdit*>(u"Text3"_s), u"0"_s);
    QCOMPARE(Note(window), kStaleNote);
    QTest::keyClick(window.findChild<QLineEdit*>(u"Text3"_s), Qt::Key_Backspace);
    QCOMPARE(Note(window), Governed(u"150.0"_s, u"7.7"_s, u"0.99"_s));
  }

  void dialogRefusesNamingTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("a moment unfinished")
        << u"MomentX"_s << u"-"_s << u"العزم Mx حول المحور x (t·m): القيمة المدخلة ليست رقما"_s;
    QTest::newRow("a moment beyond a number")
        << u"MomentY"_s << u"1e999"_s << u"القيمة أكبر من أن تحسب"_s;
    QTest::newRow("no height") << u"ColumnHeight"_s << QString()
                               << u"ارتفاع العمود H (m): لا يمكن ترك هذا الحقل فارغا"_s;
    QTest::newRow("height too large")
        << u"ColumnHeight"_s << u"12"_s << u"ارتفاع الدور من 2 إلى 10 m"_s;
    QTest::newRow("k too small") << u"LengthFactor"_s << u"0.2"_s
                                 << u"معامل الطول الفعال k من 0.5 إلى 3"_s;
  }

  // The message names the field; the dialog stays open with what was typed and takes nothing.
  void dialogRefusesNamingTheField() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const ColumnBending before{.moment_x_t_m = 5, .length_factor = 1.2};
    MomentsDialog dialog(before, nullptr);
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>(field);
    edit->setText(typed);
    ModalBoxAnswerer answerer({QMessageBox::Ok});
    dialog.accept();
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text, message);
    QVERIFY(dialog.isVisible());
    QCOMPARE(edit->text(), typed);
    QVERIFY(dialog.bending() == before);
  }

  // Typed as the engineer types: Arabic-Indic digits and decimal mark, a minus sign; an empty
  // moment is none and an empty k the rules table's, which the field shows for the bracing.
  void dialogTakesWhatIsTyped() {
    MomentsDialog dialog(ColumnBending{.moment_y_t_m = 3, .length_factor = 2}, nullptr);
    dialog.show();
    auto* moment_x = dialog.findChild<QLineEdit*>(u"MomentX"_s);
    moment_x->clear();
    TypeInto(moment_x, u"-١٢٫٥a"_s);
    QCOMPARE(moment_x->text(), u"-١٢٫٥"_s);
    dialog.findChild<QLineEdit*>(u"MomentY"_s)->clear();
    auto* k = dialog.findChild<QLineEdit*>(u"LengthFactor"_s);
    k->clear();
    QCOMPARE(k->placeholderText(), u"0.85"_s);
    dialog.findChild<QCheckBox*>(u"Unbraced"_s)->setChecked(true);
    QCOMPARE(k->placeholderText(), u"1.5"_s);
    SavePicture(dialog, u"moments-dialog"_s);
    ModalBoxAnswerer answerer;
    dialog.accept();
    QVERIFY(answerer.seen().isEmpty());
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QVERIFY(dialog.bending() == (ColumnBending{.moment_x_t_m = -12.5,
                                               .moment_y_t_m = 0,
                                               .unbraced = true,
                                               .length_factor = std::nullopt}));
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::MomentsWindowTest)
#include "moments_window_test.moc"
