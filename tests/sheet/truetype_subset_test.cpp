// A subset font keeps the glyphs a page uses, drawn exactly as in the font, at their own ids.

#include "sheet/truetype_subset.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainterPath>
#include <cmath>

#include "resources/fonts/embedded_fonts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr qreal kPixelSize = 1000;

QRawFont ProgramFont(const QString& file) {
  RegisterEmbeddedFonts();
  QFile font(u":/coldesign/fonts/"_s + file);
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

TEST(TrueTypeSubset, KeepsTheGlyphsAskedForAsTheyAreDrawnAndNoOthers) {
  struct Case {
    QString file;
    QString text;       // with letters built of other glyphs: أ, إ, Á, ·
    QString component;  // a glyph only a letter of the text is built of
    QString left_out;   // a letter the text does not use
  };
  for (const Case& c :
       {Case{u"NotoNaskhArabic-Regular.ttf"_s, u"أساس إنشائي ﻻ"_s, u"\u0654"_s, u"ك"_s},
        Case{u"NotoSans-Regular.ttf"_s, u"As = 68.98 cm² Á b·t"_s, u"´"_s, u"z"_s}}) {
    SCOPED_TRACE(c.file.toStdString());
    const QRawFont font = ProgramFont(c.file);
    ASSERT_TRUE(font.isValid());
    const QList<quint32> text_glyphs = font.glyphIndexesForString(c.text);
    const std::set<quint32> glyphs(text_glyphs.begin(), text_glyphs.end());
    const auto subset = SubsetTrueType(font, glyphs);
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

    // Each glyph reads back as the character of the text it was asked for.
    for (const QChar character : c.text) {
      EXPECT_EQ(subset->characters.at(GlyphOf(font, character)), character.unicode())
          << QString(character).toStdString();
    }
  }
}

TEST(TrueTypeSubset, NothingFromAFontWithoutTrueTypeOutlines) {
  EXPECT_FALSE(SubsetTrueType(QRawFont(), {1, 2}));
}

}  // namespace
}  // namespace coldesign
