#pragma once

#include <QByteArray>
#include <QRawFont>
#include <QRectF>
#include <QtGlobal>
#include <optional>
#include <set>

namespace coldesign {

// What a PDF needs of a TrueType font to show some of its glyphs.
struct FontSubset {
  // A TrueType font file with just those glyphs (and the parts of composite ones), each at its
  // own glyph id, so that the ids a page was laid out with stay valid; a hinted font keeps its
  // hinting.
  QByteArray program;
  int units_per_em = 0;
  QRectF bounds;  // of the glyphs kept, in font units, y upwards
  int ascent = 0;
  int descent = 0;  // negative below the baseline
};

// The subset of `font` for `glyphs`, made by HarfBuzz; nothing when the font has no TrueType
// outlines or HarfBuzz cannot subset it.
std::optional<FontSubset> SubsetFont(const QRawFont& font, const std::set<quint32>& glyphs);

}  // namespace coldesign
