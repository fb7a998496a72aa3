#include "skin/skin.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "skin/latin_runs.h"
#include "skin/skin_label.h"
#include "skin/skin_palette.h"
#include "windows/application_setup.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString SkinResource(const QString& name) {
  QFile file(u":/skin/"_s + name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class SkinTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(*qApp); }

  void paletteLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused_line");  // empty when the text is read
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("highlight");
    const QColor base_window = QPalette().color(QPalette::Window);
    const QColor base_highlight = QPalette().color(QPalette::Highlight);
    QTest::newRow("one role") << u"Window = #102030"_s << u""_s << QColor(0x10, 0x20, 0x30)
                              << base_highlight;
    QTest::newRow("comments, blanks, two roles")
        << u"; colours\n\n  Highlight=#a0b0c0  \nWindow = #010203\n"_s << u""_s << QColor(1, 2, 3)
        << QColor(0xa0, 0xb0, 0xc0);
    QTest::newRow("a later line wins")
        << u"Window = #000000\nWindow = #ffffff"_s << u""_s << QColor(Qt::white) << base_highlight;
    QTest::newRow("nothing") << u""_s << u""_s << base_window << base_highlight;
    QTest::newRow("unknown role") << u"Window = #000000\nWindw = #ffffff"_s << u"Windw = #ffffff"_s
                                  << QColor() << QColor();
    QTest::newRow("not a colour") << u"Window = greyish"_s << u"Window = greyish"_s << QColor()
                                  << QColor();
    QTest::newRow("no equals sign")
        << u"Window #000000"_s << u"Window #000000"_s << QColor() << QColor();
    QTest::newRow("the count of roles")
        << u"NColorRoles = #000000"_s << u"NColorRoles = #000000"_s << QColor() << QColor();
  }

  void paletteLines() {
    QFETCH(QString, text);
    QFETCH(QString, refused_line);
    QFETCH(QColor, window);
    QFETCH(QColor, highlight);
    const auto palette = ParsePalette(text, QPalette());
    if (!refused_line.isEmpty()) {
      QVERIFY(!palette.has_value());
      QCOMPARE(palette.error(), refused_line);
      return;
    }
    QVERIFY(palette.has_value());
    QCOMPARE(palette->color(QPalette::Window), window);
    QCOMPARE(palette->color(QPalette::Highlight), highlight);
  }

  void ourPaletteIsReadWhole() {
    const QString text = SkinResource(u"palette.txt"_s);
    QVERIFY(!text.isEmpty());
    const auto palette = ParsePalette(text, QPalette());
    const QString refused_line = palette ? QString() : palette.error();
    QVERIFY2(palette.has_value(), qPrintable(refused_line));
  }

  void skinDressesItsWindow() {
    QWidget window;
    const auto* skin = new Skin(&window);
    QCOMPARE(skin->objectName(), u"Skin1"_s);
    QCOMPARE(skin->parent(), &window);
    QCOMPARE(window.styleSheet(), SkinResource(u"skin.qss"_s));
    const auto palette = ParsePalette(SkinResource(u"palette.txt"_s), QPalette());
    QCOMPARE(window.palette().color(QPalette::Window), palette->color(QPalette::Window));
    QCOMPARE(window.palette().color(QPalette::Text), palette->color(QPalette::Text));
  }

  void latinWordsOfArabicTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<TextRun>>("runs");
    QTest::newRow("unit before Arabic") << u"(ton)حمل العمود"_s << QList<TextRun>{{0, 5}};
    QTest::newRow("unit and blank before Arabic") << u"(mm) قطر السيخ"_s << QList<TextRun>{{0, 4}};
    QTest::newRow("unit after Arabic") << u"عرض العمود (cm)"_s << QList<TextRun>{{11, 4}};
    QTest::newRow("blanks around") << u" (cm) أبعاد العمود "_s << QList<TextRun>{{1, 4}};
    QTest::newRow("two words") << u"x حمل y"_s << QList<TextRun>{{0, 1}, {6, 1}};
    QTest::newRow("digits inside a Latin stretch") << u"ab 12 cd"_s << QList<TextRun>{{0, 8}};
    QTest::newRow("Arabic only") << u"عدد الطوابق"_s << QList<TextRun>{};
    QTest::newRow("digits among Arabic") << u"الاصدار رقم 1 لسنة 2013"_s << QList<TextRun>{};
    QTest::newRow("signs and digits") << u"للتواصل :+44 20 7946 0000*"_s << QList<TextRun>{};
    QTest::newRow("empty") << u""_s << QList<TextRun>{};
  }

  void latinWordsOfArabicTexts() {
    QFETCH(QString, text);
    QFETCH(QList<TextRun>, runs);
    QCOMPARE(LatinRuns(text), runs);
  }

  // Qt reports a style sheet it cannot parse only as a warning, when it first draws with it.
  void styleSheetParses() {
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    QWidget window;
    new QLineEdit(&window);
    new QPushButton(u"x"_s, &window);
    new QGroupBox(u"x"_s, &window);
    new SkinLabel(u"x"_s, QFont(), &window);
    new Skin(&window);
    QVERIFY(!window.grab().isNull());
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::SkinTest)
#include "skin_test.moc"
