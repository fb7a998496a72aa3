// A subset font keeps the glyphs a page uses, drawn exactly as in the font, at their own ids, and
// the hinting of a hinted font.

#include "sheet/font_subset.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainterPath>
#include <cmath>

#include "resources/fonts/embedded_fonts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr qreal kPixelSize = 1000;

QRawFont FontFile(const QString& path) {
  RegisterEmbeddedFonts();
  QFile font(path);
  return font.open(QIODevice::ReadOnly)
             ? QRawFont(font.readAll(), kPixelSize, QFont::PreferNoHinting)
             : QRawFont();
}

// The same outline, each point within two thousandths of the em: FreeType may fit the points of
// one font file and not another's a little differently.
bool SameOutline(const QPainterPath& a, const QPainterPath& b) {
  if (a.elementCount() != b.elementCount() || a.isEmpty()) return false;
  for (int i = 0; i < a.elementCount(); ++i) {
    const QPainterPath::Element p = a.elementAt(i);
    const QPainterPath::Element q = b.elementAt(i);
    if (p.type != q.type || std::abs(p.x - q.x) > 2 || std::abs(p.y - q.y) > 2) return false;
  }
  return true;
}

quint32 GlyphOf(const QRawFont& font, const QString& character) {
  return font.glyphIndexesForString(character).value(0);
}

TEST(FontSubset, KeepsTheGlyphsAskedForAsTheyAreDrawnAndNoOthers) {
  struct Case {
    QString file;
    QString text;       // with letters built of other glyphs: أ, إ, Á, ·
    QString component;  // a glyph only a letter of the text is built of
    QString left_out;   // a letter the text does not use
    bool hinted;        // with the programs and values that hint its glyphs
  };
  const QString installed = QStringLiteral(COLDESIGN_NOTO_DIR) + u'/';
  for (const Case& c : {Case{u":/coldesign/fonts/NotoNaskhArabic-Regular.ttf"_s, u"أساس إنشائي ﻻ"_s,
                             u"\u0654"_s, u"ك"_s, false},
                        Case{installed + u"NotoNaskhArabic-Regular.ttf"_s, u"أساس إنشائي ﻻ"_s,
                             u"\u0654"_s, u"ك"_s, true},
                        Case{u":/coldesign/fonts/NotoSans-Regular.ttf"_s, u"As = 68.98 cm² Á b·t"_s,
                             u"´"_s, u"z"_s, false}}) {
    SCOPED_TRACE(c.file.toStdString());
    const QRawFont font = FontFile(c.file);
    ASSERT_TRUE(font.isValid());
    const QList<quint32> text_glyphs = font.glyphIndexesForString(c.text);
    const std::set<quint32> glyphs(text_glyphs.begin(), text_glyphs.end());
    const auto subset = SubsetFont(font, glyphs);
    ASSERT_TRUE(subset);
    const QRawFont kept(subset->program, kPixelSize, QFont::PreferNoHinting);
    ASSERT_TRUE(kept.isValid());
    for (const quint32 glyph : glyphs) {
      if (glyph != GlyphOf(font, u" "_s)) {
        EXPECT_TRUE(SameOutline(font.pathForGlyph(glyph), kept.pathForGlyph(glyph))) << glyph;
      }
    }
    EXPECT_FALSE(kept.pathForGlyph(GlyphOf(font, c.component)).isEmpty());
    ASSERT_FALSE(font.pathForGlyph(GlyphOf(font, c.left_out)).isEmpty());
    EXPECT_TRUE(kept.pathForGlyph(GlyphOf(font, c.left_out)).isEmpty());
    for (const char* table : {"fpgm", "prep", "cvt "}) {
      ASSERT_EQ(c.hinted, !font.fontTable(table).isEmpty()) << table;
      EXPECT_EQ(c.hinted, !kept.fontTable(table).isEmpty()) << table;
    }
  }
}

TEST(FontSubset, NothingFromAFontWithoutTrueTypeOutlines) {
  EXPECT_FALSE(SubsetFont(QRawFont(), {1, 2}));
}

}  // namespace
}  // namespace coldesign
