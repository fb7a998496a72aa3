#pragma once

#include <QByteArray>
#include <QRawFont>
#include <QRectF>
#include <QtGlobal>
#include <map>
#include <optional>
#include <set>

namespace coldesign {

// What a PDF needs of a TrueType font to show some of its glyphs.
struct TrueTypeSubset {
  // A TrueType font file with just those glyphs (and the parts of composite ones), each at its
  // own glyph id, so that the ids a page was laid out with stay valid.
  QByteArray program;
  int units_per_em = 0;
  QRectF bounds;  // of all glyphs, in font units, y upwards
  int ascent = 0;
  int descent = 0;  // negative below the baseline
  // The character each glyph asked for stands for, the lowest where several map to it; glyphs
  // that no character maps to (contextual forms, marks) are left out.
  std::map<quint32, char32_t> characters;
};

// The subset of `font` for `glyphs`; nothing when the font has no TrueType outlines or its tables
// are not as they should be.
std::optional<TrueTypeSubset> SubsetTrueType(const QRawFont& font, const std::set<quint32>& glyphs);

}  // namespace coldesign
