#include "sheet/pdf_fonts.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <utility>

#include "sheet/font_subset.h"
#include "sheet/pdf_syntax.h"

namespace coldesign {
namespace {

using pdf::AppendHex16;
using pdf::Number;
using pdf::Reference;
using pdf::Stream;

// The map from glyphs to the text they stand for; glyphs that stand for none are left out.
QByteArray TextMap(const std::map<quint32, QString>& texts) {
  QByteArray map =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  std::vector<std::pair<quint32, QString>> mapped;
  std::ranges::copy_if(texts, std::back_inserter(mapped),
                       [](const auto& glyph) { return !glyph.second.isEmpty(); });
  constexpr std::size_t kMostPerSection = 100;
  for (std::size_t first = 0; first < mapped.size(); first += kMostPerSection) {
    const std::size_t count = std::min(kMostPerSection, mapped.size() - first);
    map += QByteArray::number(count) + " beginbfchar\n";
    for (std::size_t i = first; i < first + count; ++i) {
      map += '<';
      AppendHex16(map, mapped[i].first);
      map += "> <";
      for (const QChar c : mapped[i].second) AppendHex16(map, c.unicode());
      map += ">\n";
    }
    map += "endbfchar\n";
  }
  return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

// Six capital letters that name a subset, the same for the same glyphs.
QByteArray SubsetTag(const std::map<quint32, qreal>& widths) {
  size_t hash = 0;
  for (const auto& [glyph, width] : widths) hash = qHashMulti(hash, glyph);
  QByteArray tag;
  for (int i = 0; i < 6; ++i, hash /= 26) tag += static_cast<char>('A' + hash % 26);
  return tag;
}

// The five objects of an embedded font from `first` on: the font, its glyphs' font, their
// descriptor, the font program and the text map.
std::vector<QByteArray> FontObjects(const QRawFont& raw, const FontSubset& subset,
                                    const std::map<quint32, qreal>& widths,
                                    const std::map<quint32, QString>& texts, int first) {
  const auto thousandths = [&](qreal units) {
    return Number(std::round(units * 1000 / subset.units_per_em));
  };
  const QByteArray name = SubsetTag(widths) + '+' + raw.familyName().remove(u' ').toLatin1() + '-' +
                          raw.styleName().remove(u' ').toLatin1();
  QByteArray width_array = "[";
  for (const auto& [glyph, width] : widths) {
    width_array += QByteArray::number(glyph) + " [" + Number(width) + "] ";
  }
  width_array += ']';
  const QRectF& box = subset.bounds;
  return {
      "<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
          " /Encoding /Identity-H /DescendantFonts [" + Reference(first + 1) + "] /ToUnicode " +
          Reference(first + 4) + " >>",
      "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
          " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
          " /FontDescriptor " +
          Reference(first + 2) + " /CIDToGIDMap /Identity /W " + width_array + " >>",
      "<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [" +
          thousandths(box.left()) + ' ' + thousandths(box.top()) + ' ' + thousandths(box.right()) +
          ' ' + thousandths(box.bottom()) + "] /ItalicAngle 0 /Ascent " +
          thousandths(subset.ascent) + " /Descent " + thousandths(subset.descent) + " /CapHeight " +
          thousandths(subset.ascent) + " /StemV 80 /FontFile2 " + Reference(first + 3) + " >>",
      Stream(subset.program, " /Length1 " + QByteArray::number(subset.program.size())),
      Stream(TextMap(texts)),
  };
}

}  // namespace

PdfFont& PdfFonts::fontFor(const QRawFont& raw) {
  for (const auto& font : fonts_) {
    if (std::ranges::find(font->sizes, raw) != font->sizes.end()) return *font;
  }
  // A size not seen yet: of a font seen at another size, or of a new one.
  const QByteArray key =
      raw.familyName().toUtf8() + '\0' + raw.styleName().toUtf8() + '\0' + raw.fontTable("head");
  for (const auto& font : fonts_) {
    if (font->key == key) {
      font->sizes.push_back(raw);
      return *font;
    }
  }
  auto font = std::make_unique<PdfFont>();
  font->key = key;
  font->index = static_cast<int>(fonts_.size());
  font->raw = raw;
  font->sizes = {raw};
  font->outlines = !raw.fontTable("loca").isEmpty();
  fonts_.push_back(std::move(font));
  return *fonts_.back();
}

bool PdfFonts::knowsTexts(const QList<QGlyphRun>& runs) {
  return std::ranges::all_of(runs, [&](const QGlyphRun& run) {
    const PdfFont& font = fontFor(run.rawFont());
    return !font.outlines || std::ranges::all_of(run.glyphIndexes(), [&](quint32 glyph) {
      return font.texts.contains(glyph);
    });
  });
}

void PdfFonts::learnTexts(const QString& text, const QTextLine& line) {
  // Word by word, each with the blanks after it (no cluster reaches over a blank): only a word with
  // a glyph not known yet is read character by character.
  const int end = line.textStart() + line.textLength();
  for (int from = line.textStart(); from < end;) {
    int to = from;
    while (to < end && !text[to].isSpace()) ++to;
    while (to < end && text[to].isSpace()) ++to;
    if (!knowsTexts(line.glyphRuns(from, to - from))) learnClusters(text, line, from, to);
    from = to;
  }
}

void PdfFonts::learnClusters(const QString& text, const QTextLine& line, int from, int end) {
  // The shaping's clusters, from the glyphs of each character: those of a cluster's characters
  // start at the same glyph. Its characters go to its glyphs one by one in order and the rest to
  // the last, so that a ligature stands for all its letters, and a glyph that only adds to
  // another (the second part of a letter) for none.
  struct Placed {  // a glyph where it stands
    PdfFont* font;
    quint32 glyph;
    QPointF at;
  };
  std::vector<Placed> cluster;
  std::vector<QString> letters;  // of each glyph of the cluster
  std::size_t given = 0;         // characters of the cluster given to its glyphs so far
  // The first letters found for a glyph stay its letters; a glyph never given any has none.
  const auto learn = [&] {
    for (std::size_t i = 0; i < cluster.size(); ++i) {
      QString& known = cluster[i].font->texts.try_emplace(cluster[i].glyph).first->second;
      if (known.isEmpty()) known = letters[i];
    }
  };
  std::vector<Placed> glyphs;
  for (int at = from; at < end;) {
    const int length = text[at].isHighSurrogate() && at + 1 < end ? 2 : 1;
    glyphs.clear();
    for (const QGlyphRun& run : line.glyphRuns(at, length)) {
      PdfFont& font = fontFor(run.rawFont());
      const QList<quint32> indexes = run.glyphIndexes();
      const QList<QPointF> positions = run.positions();
      for (qsizetype i = 0; i < indexes.size(); ++i) {
        glyphs.push_back({&font, indexes[i], positions[i]});
      }
    }
    if (!glyphs.empty()) {
      const Placed& first = glyphs.front();
      if (cluster.empty() || first.font != cluster.front().font ||
          first.glyph != cluster.front().glyph || first.at != cluster.front().at) {
        learn();
        cluster.clear();
        letters.clear();
        given = 0;
      }
      if (glyphs.size() > cluster.size()) {
        cluster = glyphs;
        letters.resize(glyphs.size());
      }
      letters[std::min(given++, letters.size() - 1)] += text.sliced(at, length);
    }
    at += length;
  }
  learn();
}

std::optional<PdfFonts::Embedded> PdfFonts::embedded(int first) const {
  Embedded embedded;
  for (const auto& font_pointer : fonts_) {
    const PdfFont& font = *font_pointer;
    if (!font.outlines || font.widths.empty()) continue;
    std::set<quint32> glyphs;
    for (const auto& [glyph, width] : font.widths) glyphs.insert(glyph);
    const auto subset = SubsetFont(font.raw, glyphs);
    if (!subset) return std::nullopt;
    const int font_first = first + static_cast<int>(embedded.objects.size());
    embedded.resources += "/F" + QByteArray::number(font.index) + ' ' + Reference(font_first) + ' ';
    for (QByteArray& object : FontObjects(font.raw, *subset, font.widths, font.texts, font_first)) {
      embedded.objects.push_back(std::move(object));
    }
  }
  return embedded;
}

}  // namespace coldesign
