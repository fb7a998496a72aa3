#include "resources/fonts/embedded_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGroupBox>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <QTextLayout>
#include <algorithm>

#include "skin/skin_label.h"
#include "windows/application_setup.h"
#include "windows/design_window.h"
#include "windows/notes_window.h"
#include "windows/program_fonts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

const QSet<QString> kEmbeddedFamilies = {u"Noto Naskh Arabic"_s, u"Noto Sans"_s,
                                         u"Noto Sans Math"_s};
// Names Qt always lists, whatever is installed.
const QSet<QString> kGenericFamilies = {u"Sans Serif"_s, u"Serif"_s, u"Monospace"_s};

// This run sees only the program's own fonts.
bool SystemFontsHidden() { return qEnvironmentVariableIsSet("FONTCONFIG_FILE"); }

// Qt gives a substituted family's name in lower case.
bool IsEmbeddedFamily(const QString& family) {
  return std::ranges::any_of(kEmbeddedFamilies, [&family](const QString& embedded) {
    return family.compare(embedded, Qt::CaseInsensitive) == 0;
  });
}

// The glyph runs of `text` shaped in `font`, with the fallback fonts Qt picks for what it lacks.
QList<QGlyphRun> Shape(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  return layout.glyphRuns();
}

// What a reader would see as a box: a character no font had a glyph for. Where only the
// program's fonts are seen, every run must be set in one of them; otherwise signs the Arabic
// font lacks may come from any installed font, as they always have.
void CheckEveryGlyphDrawn(const QString& text, const QFont& font, const QString& where) {
  const QList<QGlyphRun> runs = Shape(text, font);
  QVERIFY2(!runs.isEmpty(), qPrintable(where));
  for (const QGlyphRun& run : runs) {
    const QString family = run.rawFont().familyName();
    QVERIFY2(!SystemFontsHidden() || IsEmbeddedFamily(family),
             qPrintable(where + u": "_s + family));
    QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(where + u": a missing glyph"_s));
  }
}

QFont Font(const QString& family, QFont::Weight weight) {
  QFont font(family);
  font.setPointSizeF(12);
  font.setWeight(weight);
  return font;
}

}  // namespace

class EmbeddedFontsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(*qApp); }

  // Run with a font configuration that lists no folders, the test proves the program needs no
  // installed font; run with the system's, that the installed Noto fonts do not get in the way.
  void systemFontsHiddenWhenAsked() {
    if (!SystemFontsHidden()) {
      QSKIP("the system's fonts are visible in this run");
    }
    QSet<QString> families;
    for (const QString& family : QFontDatabase::families()) {
      families.insert(family);
    }
    QCOMPARE(families - kGenericFamilies, kEmbeddedFamilies);
  }

  void registeringAgainAddsNoFont() {
    RegisterEmbeddedFonts();
    int registered = 0;
    for (int id = 0; id < 64; ++id) {
      registered += QFontDatabase::applicationFontFamilies(id).isEmpty() ? 0 : 1;
    }
    QCOMPARE(registered, 5);
  }

  void textsHaveEveryGlyph_data() {
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("style");

    QTest::newRow("label with a unit")
        << DesignLabelFont() << u"(ton)حمل العمود"_s << u"Noto Naskh Arabic"_s << u"Regular"_s;
    QTest::newRow("field, Arabic digits and separator")
        << FieldFont() << u"١٢٫٥ ٣٠٬٠٠٠"_s << u"Noto Naskh Arabic"_s << u"Bold"_s;
    QTest::newRow("phone number between isolates")
        << NotesLabelFont() << u"للتواصل :\u2066+44 20 7946 0000\u2069*"_s << u"Noto Naskh Arabic"_s
        << u"Bold"_s;
    QTest::newRow("sheet signs") << Font(u"Noto Sans"_s, QFont::Normal)
                                 << u"As = 0.01 × Ac ÷ 2 ≥ 4 Φ16 cm² 1·5 5% 6‰ 3–7 (ok)"_s
                                 << u"Noto Sans"_s << u"Regular"_s;
    QTest::newRow("sheet heading") << Font(u"Noto Sans"_s, QFont::Bold) << u"Column Design 2026"_s
                                   << u"Noto Sans"_s << u"Bold"_s;
    QTest::newRow("sheet Arabic with units")
        << Font(u"Noto Naskh Arabic"_s, QFont::Bold) << u"مساحة الخرسانة المطلوبة (cm²) = ٤٩٢٫٧"_s
        << u"Noto Naskh Arabic"_s << u"Bold"_s;
  }

  void textsHaveEveryGlyph() {
    QFETCH(QFont, font);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(QString, style);
    const QRawFont raw = QRawFont::fromFont(font);
    QVERIFY2(raw.familyName().compare(family, Qt::CaseInsensitive) == 0,
             qPrintable(raw.familyName()));
    // A weight drawn from its own font, not thickened from the regular one.
    QCOMPARE(raw.styleName(), style);
    CheckEveryGlyphDrawn(text, font, QString::fromLatin1(QTest::currentDataTag()));
  }

  // The letters of an Arabic word take their joined forms: beh at the start, in the middle and
  // at the end of a word are three different glyphs, none of them the letter standing alone.
  void arabicLettersJoin() {
    const QFont font = DesignLabelFont();
    const QList<QGlyphRun> word = Shape(u"ببب"_s, font);
    const QList<QGlyphRun> alone = Shape(u"ب"_s, font);
    QCOMPARE(word.size(), 1);
    QCOMPARE(alone.size(), 1);
    const QList<quint32> forms = word.first().glyphIndexes();
    QCOMPARE(forms.size(), 3);
    const QSet<quint32> distinct(forms.begin(), forms.end());
    QCOMPARE(distinct.size(), 3);
    QVERIFY(!distinct.contains(alone.first().glyphIndexes().first()));
  }

  void windowTextsUseTheArabicFamily() {
    DesignWindow design;
    NotesWindow notes;
    for (const QWidget* window : {static_cast<QWidget*>(&design), static_cast<QWidget*>(&notes)}) {
      QList<std::pair<const QWidget*, QString>> texts;
      for (const SkinLabel* label : window->findChildren<SkinLabel*>()) {
        texts.append({label, label->text()});
      }
      for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        texts.append({button, button->text()});
      }
      for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        texts.append({frame, frame->title()});
      }
      QVERIFY(texts.size() >= 3);
      for (const auto& [control, text] : texts) {
        const QString where = window->objectName() + u' ' + control->objectName();
        QCOMPARE(QFontInfo(control->font()).family(), u"Noto Naskh Arabic"_s);
        CheckEveryGlyphDrawn(text, control->font(), where);
      }
    }
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::EmbeddedFontsTest)
#include "embedded_fonts_test.moc"
