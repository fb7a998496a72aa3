#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "skin/skin_label.h"
#include "windows/application_setup.h"
#include "windows/design_window.h"
#include "windows/notes_window.h"
#include "windows/program_icon.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

std::unique_ptr<QWidget> MakeWindow(const QString& window_name) {
  if (window_name == u"columns"_s) {
    return std::make_unique<DesignWindow>();
  }
  return std::make_unique<NotesWindow>();
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(*qApp); }

  void windowsHaveAFixedSizeAndNoMinimizeOrMaximize_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::newRow("design") << u"columns"_s << u"زركولت"_s << QSize(240, 294);
    QTest::newRow("notes") << u"Form1"_s << u"ملاحظات"_s << QSize(372, 430);
  }

  void windowsHaveAFixedSizeAndNoMinimizeOrMaximize() {
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    const auto made = MakeWindow(window);
    QCOMPARE(made->objectName(), window);
    QCOMPARE(made->windowTitle(), title);
    QCOMPARE(made->minimumSize(), size);
    QCOMPARE(made->maximumSize(), size);
    const Qt::WindowFlags flags = made->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(made->findChild<QObject*>(u"Skin1"_s, Qt::FindDirectChildrenOnly) != nullptr, true);
  }

  // Read once the window has painted: its first frame does not wait for the image plugins.
  void onlyTheDesignWindowCarriesTheProgramIcon() {
    DesignWindow design;
    QVERIFY(design.windowIcon().isNull());
    design.show();
    QTRY_VERIFY(!design.windowIcon().isNull());
    QCOMPARE(design.windowIcon().availableSizes(),
             ProgramIcon(design.devicePixelRatioF()).availableSizes());
    QVERIFY(!design.windowIcon().pixmap(32).isNull());
    const NotesWindow notes;
    QVERIFY(notes.windowIcon().isNull());
  }

  // Each size is read from its own picture; a picture that failed to read would be missing.
  void programIconSizesFollowTheScale_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QList<int>>("sides");
    QTest::newRow("1") << 1.0 << QList<int>{16, 32, 48};
    QTest::newRow("1.25") << 1.25 << QList<int>{16, 32, 48, 64};
    QTest::newRow("2") << 2.0 << QList<int>{16, 32, 48, 64, 128};
    QTest::newRow("3") << 3.0 << QList<int>{16, 32, 48, 64, 128, 256};
  }

  void programIconSizesFollowTheScale() {
    QFETCH(qreal, ratio);
    QFETCH(QList<int>, sides);
    QList<QSize> sizes;
    for (const int side : sides) {
      sizes.append(QSize(side, side));
    }
    QCOMPARE(ProgramIcon(ratio).availableSizes(), sizes);
  }

  // Positions are the twips of the window definitions divided by 15.
  void controlsSitWhereTheyBelong_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    const QString design = u"columns"_s;
    const QString notes = u"Form1"_s;
    const QString label = u"coldesign::SkinLabel"_s;
    const QString field = u"QLineEdit"_s;
    const QString button = u"QPushButton"_s;
    QTest::newRow("design SkinLabel2")
        << design << u"SkinLabel2"_s << label << QRect(24, 32, 73, 17);
    QTest::newRow("design SkinLabel1")
        << design << u"SkinLabel1"_s << label << QRect(152, 32, 57, 17);
    QTest::newRow("design Text1") << design << u"Text1"_s << field << QRect(16, 48, 81, 25);
    QTest::newRow("design Text3") << design << u"Text3"_s << field << QRect(120, 48, 89, 25);
    QTest::newRow("design Frame1")
        << design << u"Frame1"_s << u"QGroupBox"_s << QRect(48, 88, 153, 81);
    QTest::newRow("design Text4") << design << u"Text4"_s << field << QRect(64, 120, 49, 25);
    QTest::newRow("design Text5") << design << u"Text5"_s << field << QRect(136, 120, 49, 25);
    QTest::newRow("design SkinLabel4")
        << design << u"SkinLabel4"_s << label << QRect(40, 176, 73, 17);
    QTest::newRow("design SkinLabel3")
        << design << u"SkinLabel3"_s << label << QRect(144, 176, 57, 17);
    QTest::newRow("design Text7") << design << u"Text7"_s << field << QRect(48, 192, 65, 25);
    QTest::newRow("design Text8") << design << u"Text8"_s << field << QRect(136, 192, 65, 25);
    QTest::newRow("design Command1") << design << u"Command1"_s << button << QRect(80, 232, 73, 25);
    QTest::newRow("design Command2") << design << u"Command2"_s << button << QRect(8, 264, 73, 25);
    QTest::newRow("design Command3")
        << design << u"Command3"_s << button << QRect(160, 264, 73, 25);
    QTest::newRow("design Text2") << design << u"Text2"_s << field << QRect(-16, 88, 41, 25);
    QTest::newRow("design Text6") << design << u"Text6"_s << field << QRect(-16, 136, 49, 25);
    QTest::newRow("notes SkinLabel6")
        << notes << u"SkinLabel6"_s << label << QRect(208, 16, 145, 25);
    QTest::newRow("notes SkinLabel7")
        << notes << u"SkinLabel7"_s << label << QRect(216, 96, 161, 57);
    QTest::newRow("notes Picture1")
        << notes << u"Picture1"_s << u"QLabel"_s << QRect(-32, 0, 233, 273);
    QTest::newRow("notes SkinLabel1")
        << notes << u"SkinLabel1"_s << label << QRect(48, 288, 313, 25);
    QTest::newRow("notes SkinLabel2")
        << notes << u"SkinLabel2"_s << label << QRect(64, 328, 297, 25);
    QTest::newRow("notes SkinLabel3")
        << notes << u"SkinLabel3"_s << label << QRect(112, 360, 281, 17);
    QTest::newRow("notes SkinLabel4")
        << notes << u"SkinLabel4"_s << label << QRect(144, 392, 281, 17);
    QTest::newRow("notes Command1") << notes << u"Command1"_s << button << QRect(0, 392, 81, 33);
  }

  void controlsSitWhereTheyBelong() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    const auto made = MakeWindow(window);
    made->show();
    const auto* widget = made->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->geometry(), geometry);
  }

  void fieldsStandInFrontOfTheFrame() {
    const DesignWindow design;
    const QList<QWidget*> order = design.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const auto position = [&](const QString& name) {
      return order.indexOf(design.findChild<QWidget*>(name));
    };
    QVERIFY(position(u"Frame1"_s) < position(u"Text4"_s));
    QVERIFY(position(u"Frame1"_s) < position(u"Text5"_s));
  }

  void textsAndFonts_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    const QString design = u"columns"_s;
    const QString notes = u"Form1"_s;
    QTest::newRow("load label") << design << u"SkinLabel2"_s << u"(ton)حمل العمود"_s << 8.25
                                << false;
    QTest::newRow("floors label") << design << u"SkinLabel1"_s << u"عدد الطوابق"_s << 8.25 << false;
    QTest::newRow("diameter label")
        << design << u"SkinLabel4"_s << u"(mm) قطر السيخ"_s << 8.25 << false;
    QTest::newRow("bars label") << design << u"SkinLabel3"_s << u"عدد الأسياخ"_s << 8.25 << false;
    QTest::newRow("load") << design << u"Text1"_s << u""_s << 12.0 << true;
    QTest::newRow("floors") << design << u"Text3"_s << u""_s << 12.0 << true;
    QTest::newRow("width") << design << u"Text4"_s << u"30"_s << 12.0 << true;
    QTest::newRow("length") << design << u"Text5"_s << u""_s << 12.0 << true;
    QTest::newRow("diameter") << design << u"Text7"_s << u"16"_s << 12.0 << true;
    QTest::newRow("bars") << design << u"Text8"_s << u""_s << 12.0 << true;
    QTest::newRow("release") << notes << u"SkinLabel6"_s << u"الاصدار رقم 1 لسنة 2013"_s << 9.75
                             << true;
    QTest::newRow("coming release")
        << notes << u"SkinLabel7"_s
        << u"قريبا سيتم اصدار  لزركولت وسيكون مضافا اليها احمال الرياح والزلازل"_s << 9.75 << true;
    QTest::newRow("floor limit") << notes << u"SkinLabel1"_s
                                 << u"عدد الأدوار المسموح بها في هذا البرنامج هو 7 ادوار*"_s << 9.75
                                 << true;
    QTest::newRow("no wind") << notes << u"SkinLabel2"_s
                             << u"لم يتم اضافة احمال الرياح والزلازل في التصميم*"_s << 9.75 << true;
  }

  void textsAndFonts() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    const auto made = MakeWindow(window);
    const auto* widget = made->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      QCOMPARE(label->text(), text);
      QCOMPARE(label->textFormat(), Qt::PlainText);
    } else {
      QCOMPARE(qobject_cast<const QLineEdit*>(widget)->text(), text);
    }
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().family(), u"MS Sans Serif"_s);
    // The family asked for is absent here; the one drawn must be the Arabic one behind it.
    QCOMPARE(QFontInfo(widget->font()).family(), u"Noto Naskh Arabic"_s);
  }

  void captionsAndAccessibleNames_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const QString design = u"columns"_s;
    QTest::newRow("load") << design << u"Text1"_s << u"(ton)حمل العمود"_s;
    QTest::newRow("floors") << design << u"Text3"_s << u"عدد الطوابق"_s;
    QTest::newRow("width") << design << u"Text4"_s << u"عرض العمود (cm)"_s;
    QTest::newRow("length") << design << u"Text5"_s << u"طول العمود (cm)"_s;
    QTest::newRow("diameter") << design << u"Text7"_s << u"(mm) قطر السيخ"_s;
    QTest::newRow("bars") << design << u"Text8"_s << u"عدد الأسياخ"_s;
    QTest::newRow("results") << design << u"Command1"_s << u"النتائج"_s;
    QTest::newRow("exit") << design << u"Command2"_s << u"خروج"_s;
    QTest::newRow("notes") << design << u"Command3"_s << u"ملاحظات"_s;
    QTest::newRow("back") << u"Form1"_s << u"Command1"_s << u"رجوع"_s;
  }

  void captionsAndAccessibleNames() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    const auto made = MakeWindow(window);
    const auto* widget = made->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
      QCOMPARE(button->text(), name);
    } else {
      QCOMPARE(widget->accessibleName(), name);
    }
  }

  void frameCaptionKeepsItsBlanks() {
    const DesignWindow design;
    QCOMPARE(design.findChild<QGroupBox*>(u"Frame1"_s)->title(), u" (cm) أبعاد العمود "_s);
  }

  void onlyTheInputsAndButtonsTakeTheFocus() {
    DesignWindow design;
    design.show();
    design.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&design));
    QCOMPARE(QApplication::focusWidget()->objectName(), u"Text1"_s);
    // Revealed result fields are read-only and stay out of the chain.
    for (QWidget* result : design.findChildren<QLineEdit*>()) {
      result->setVisible(result->objectName() != u"Text2"_s && result->objectName() != u"Text6"_s);
    }
    const QStringList chain = {u"Text3"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Text1"_s};
    for (const QString& next : chain) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
  }

  void resultFieldsAreReadOnly() {
    const DesignWindow design;
    for (const QString& name :
         {u"Text2"_s, u"Text4"_s, u"Text5"_s, u"Text6"_s, u"Text7"_s, u"Text8"_s}) {
      const auto* field = design.findChild<QLineEdit*>(name);
      QVERIFY2(field->isReadOnly() && field->isEnabled(), qPrintable(name));
      QCOMPARE(field->focusPolicy(), Qt::NoFocus);
    }
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::WindowLayoutTest)
#include "window_layout_test.moc"
