// The engineer's materials on the desktop: the dialog refuses what the engine refuses, and the
// design window shows and designs with what it accepts, kept between runs.

#include "windows/materials_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "tests/windows/modal_box_answerer.h"
#include "tests/windows/typing.h"
#include "windows/application_setup.h"
#include "windows/materials_settings.h"
#include "windows/program_windows.h"

namespace coldesign {
namespace {

using testing::ModalBoxAnswerer;
using testing::TypeInto;
using namespace Qt::Literals::StringLiterals;

QString FieldText(const QWidget& window, const QString& name) {
  return window.findChild<QLineEdit*>(name)->text();
}

void Design(const QWidget& window, const QString& load, const QString& floors) {
  for (const QString& name : {u"Text1"_s, u"Text3"_s}) window.findChild<QLineEdit*>(name)->clear();
  TypeInto(window.findChild<QLineEdit*>(u"Text1"_s), load);
  TypeInto(window.findChild<QLineEdit*>(u"Text3"_s), floors);
  QTest::mouseClick(window.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
}

}  // namespace

class MaterialsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the user's own settings stay untouched
    SetUpApplication(*qApp);
  }
  // Each test starts from the defaults and leaves them for the other tests of the settings.
  void init() { RememberMaterials({}); }
  void cleanup() { RememberMaterials({}); }

  void refusesWithTheFieldAndItsRange_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("fcu low") << u"ConcreteStrength"_s << u"100"_s
                             << u"مقاومة الخرسانة fcu من 150 إلى 600 kg/cm²"_s;
    QTest::newRow("fy in Arabic-Indic digits")
        << u"SteelYield"_s << u"٦٠٠٠"_s << u"إجهاد خضوع الحديد fy من 2400 إلى 5200 kg/cm²"_s;
    QTest::newRow("width not whole")
        << u"SectionWidth"_s << u"25.5"_s << u"عرض العمود عدد صحيح من 20 إلى 100 cm"_s;
    QTest::newRow("width huge") << u"SectionWidth"_s << u"1e300"_s
                                << u"عرض العمود عدد صحيح من 20 إلى 100 cm"_s;
    QTest::newRow("load factor high")
        << u"LoadFactor"_s << u"2.5"_s << u"معامل زيادة الحمل من 1 إلى 2"_s;
    QTest::newRow("empty") << u"SteelYield"_s << QString()
                           << u"إجهاد خضوع الحديد fy (kg/cm²): لا يمكن ترك هذا الحقل فارغا"_s;
    QTest::newRow("not a number") << u"LoadFactor"_s << u"abc"_s
                                  << u"معامل زيادة الحمل: القيمة المدخلة ليست رقما"_s;
  }

  void refusesWithTheFieldAndItsRange() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    MaterialsDialog dialog(DesignMaterials{}, nullptr);
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>(field);
    edit->setText(typed);
    ModalBoxAnswerer answerer;
    dialog.accept();
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().front().text, message);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
    QCOMPARE(edit->text(), typed);
  }

  void acceptsDefaultsAndResetsToThem() {
    MaterialsDialog dialog({.concrete_strength_kg_per_cm2 = 300, .bar_diameter_mm = 20}, nullptr);
    dialog.show();
    QCOMPARE(FieldText(dialog, u"ConcreteStrength"_s), u"300"_s);
    QTest::mouseClick(dialog.findChild<QPushButton*>(u"RestoreDefaults"_s), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QComboBox*>(u"BarDiameter"_s)->currentText(), u"16"_s);
    QVERIFY(dialog.findChild<QLabel*>(u"CarryingStress"_s)->text().contains(u"111.62 kg/cm²"_s));
    ModalBoxAnswerer answerer;
    dialog.accept();
    QVERIFY(answerer.seen().isEmpty());
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QCOMPARE(dialog.materials(), DesignMaterials{});
  }

  // The window shows the chosen width and diameter and designs with them; a design on show when
  // they change is worked out again.
  void designWindowUsesTheChosenMaterials_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("diameter");
    QTest::addColumn<double>("fcu");
    QTest::addColumn<bool>("before_results");
    QTest::addColumn<QStringList>("load_and_floors");
    QTest::addColumn<QStringList>("width_length_diameter_bars");
    QTest::newRow("defaults: today's results")
        << 30 << 16 << 250.0 << true << QStringList{u"100"_s, u"7"_s}
        << QStringList{u"30"_s, u"230"_s, u"16"_s, u"34"_s};
    QTest::newRow("b 25: the least length is 25")
        << 25 << 16 << 250.0 << true << QStringList{u"10"_s, u"5"_s}
        << QStringList{u"25"_s, u"25"_s, u"16"_s, u"4"_s};
    QTest::newRow("d 20: bars of 3.1 cm²")
        << 30 << 20 << 250.0 << false << QStringList{u"100"_s, u"7"_s}
        << QStringList{u"30"_s, u"230"_s, u"20"_s, u"22"_s};
    QTest::newRow("fcu 300: a stress of 129.12")
        << 30 << 16 << 300.0 << false << QStringList{u"100"_s, u"7"_s}
        << QStringList{u"30"_s, u"200"_s, u"16"_s, u"30"_s};
  }

  void designWindowUsesTheChosenMaterials() {
    QFETCH(int, width);
    QFETCH(int, diameter);
    QFETCH(double, fcu);
    QFETCH(bool, before_results);
    QFETCH(QStringList, load_and_floors);
    QFETCH(QStringList, width_length_diameter_bars);
    const DesignMaterials materials{
        .concrete_strength_kg_per_cm2 = fcu, .width_cm = width, .bar_diameter_mm = diameter};
    DesignWindow window;
    window.show();
    if (before_results) window.setMaterials(materials);
    Design(window, load_and_floors[0], load_and_floors[1]);
    if (!before_results) window.setMaterials(materials);
    QStringList shown;
    for (const QString& name : {u"Text4"_s, u"Text5"_s, u"Text7"_s, u"Text8"_s}) {
      shown.append(FieldText(window, name));
    }
    QCOMPARE(shown, width_length_diameter_bars);
  }

  // Chosen through the context menu's entry, kept for the next run.
  void theChoiceIsKeptBetweenRuns() {
    {
      ProgramWindows program([](int) {});
      DesignWindow* window = program.designWindow();
      QAction* entry = nullptr;
      for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == u"المواد والاختيارات…"_s) entry = action;
      }
      QVERIFY(entry != nullptr);
      QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<MaterialsDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        dialog->findChild<QLineEdit*>(u"SectionWidth"_s)->setText(u"٤٠"_s);
        dialog->accept();
      });
      entry->trigger();
      QCOMPARE(window->materials().width_cm, 40);
    }
    QCOMPARE(RememberedMaterials().width_cm, 40);
    ProgramWindows next_run([](int) {});
    QCOMPARE(FieldText(*next_run.designWindow(), u"Text4"_s), u"40"_s);
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::MaterialsDialogTest)
#include "materials_dialog_test.moc"
