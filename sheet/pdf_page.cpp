#include "sheet/pdf_page.h"

#include <QGlyphRun>
#include <QHash>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <map>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "sheet/font_subset.h"

namespace coldesign {
namespace {

constexpr qreal kMillimetresPerInch = 25.4;
// How far, in device pixels, a glyph may be from where the one before it leaves the pen.
constexpr qreal kTolerance = 0.05;

// Appends a number as PDF writes it: at most three decimals, no exponent, whatever the locale.
void AppendNumber(QByteArray& out, qreal value) {
  if (!std::isfinite(value)) value = 0;
  std::array<char, 48> text{};
  const auto [end, error] =
      std::to_chars(text.begin(), text.end(), value, std::chars_format::fixed, 3);
  const char* last = error == std::errc() ? end : text.begin();
  while (last > text.begin() && last[-1] == '0') --last;
  if (last > text.begin() && last[-1] == '.') --last;
  const QByteArrayView number(text.begin(), last);
  out += number.isEmpty() || number == "-" || number == "-0" ? "0" : number;
}

QByteArray Number(qreal value) {
  QByteArray text;
  AppendNumber(text, value);
  return text;
}

void AppendPoint(QByteArray& out, QPointF point) {
  AppendNumber(out, point.x());
  out += ' ';
  AppendNumber(out, point.y());
}

QByteArray Colour(const QColor& colour) {
  return Number(colour.redF()) + ' ' + Number(colour.greenF()) + ' ' + Number(colour.blueF());
}

void AppendHex16(QByteArray& out, quint32 value) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

// A text string of the document's information: UTF-16 with its byte order mark.
QByteArray TextString(const QString& text) {
  QByteArray hex = "<FEFF";
  for (const QChar c : text) AppendHex16(hex, c.unicode());
  return hex + '>';
}

// A stream object's body, its data compressed.
QByteArray Stream(const QByteArray& data, const QByteArray& entries = {}) {
  const QByteArray compressed = qCompress(data).sliced(4);  // without Qt's length prefix
  return "<< /Length " + QByteArray::number(compressed.size()) + " /Filter /FlateDecode" + entries +
         " >>\nstream\n" + compressed + "\nendstream";
}

// The order a run's glyphs are written in: the run's own, which keeps the letters of a word in
// reading order for text extraction, except that a glyph of no width drawn where the one before
// it stands (the alef that a lam draws over) comes first. Readers of the text take glyphs that
// start at the same place in the order they come, and a line reads on only from the narrow one
// to the one it lies over.
std::vector<qsizetype> WritingOrder(const QList<QPointF>& positions,
                                    const QList<QPointF>& advances) {
  std::vector<qsizetype> order;
  for (qsizetype i = 0; i < positions.size(); ++i) {
    auto at = order.end();
    while (advances.value(i).x() == 0 && at != order.begin() && advances.value(at[-1]).x() != 0 &&
           (positions[i] - positions[at[-1]]).manhattanLength() <= kTolerance) {
      --at;
    }
    order.insert(at, i);
  }
  return order;
}

QByteArray Reference(int object) { return QByteArray::number(object) + " 0 R"; }

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

PdfLayoutDevice::PdfLayoutDevice(QSizeF points, int dots_per_inch)
    : points_(points), dots_per_inch_(dots_per_inch) {}

int PdfLayoutDevice::metric(PaintDeviceMetric metric) const {
  const qreal pixels_per_point = dots_per_inch_ / kPointsPerInch;
  switch (metric) {
    case PdmWidth:
      return qRound(points_.width() * pixels_per_point);
    case PdmHeight:
      return qRound(points_.height() * pixels_per_point);
    case PdmWidthMM:
      return qRound(points_.width() / kPointsPerInch * kMillimetresPerInch);
    case PdmHeightMM:
      return qRound(points_.height() / kPointsPerInch * kMillimetresPerInch);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return dots_per_inch_;
    default:
      return QPaintDevice::metric(metric);
  }
}

PdfPage::PdfPage(QSizeF points, int dots_per_inch)
    : device_(points, dots_per_inch), page_sizes_{points} {}

void PdfPage::appendPath(const QPainterPath& path) {
  QPointF start;
  QPointF last;
  const auto close = [&] {
    if (last == start) content_ += "h\n";
  };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element element = path.elementAt(i);
    switch (element.type) {
      case QPainterPath::MoveToElement:
        if (i > 0) close();
        start = last = element;
        AppendPoint(content_, element);
        content_ += " m\n";
        break;
      case QPainterPath::LineToElement:
        last = element;
        AppendPoint(content_, element);
        content_ += " l\n";
        break;
      case QPainterPath::CurveToElement:
        last = path.elementAt(i + 2);
        AppendPoint(content_, element);
        content_ += ' ';
        AppendPoint(content_, path.elementAt(i + 1));
        content_ += ' ';
        AppendPoint(content_, last);
        content_ += " c\n";
        i += 2;
        break;
      case QPainterPath::CurveToDataElement:
        break;
    }
  }
  close();
}

void PdfPage::fill(const QPainterPath& path, const QColor& colour) {
  if (colour.alpha() == 0 || path.isEmpty()) return;
  content_ += Colour(colour) + " rg\n";
  appendPath(path);
  content_ += path.fillRule() == Qt::OddEvenFill ? "f*\n" : "f\n";
}

void PdfPage::stroke(const QPainterPath& path, const QPen& pen) {
  const char* const cap = pen.capStyle() == Qt::FlatCap    ? "0"
                          : pen.capStyle() == Qt::RoundCap ? "1"
                                                           : "2";
  const char* const join = pen.joinStyle() == Qt::MiterJoin   ? "0"
                           : pen.joinStyle() == Qt::RoundJoin ? "1"
                                                              : "2";
  content_ +=
      Colour(pen.color()) + " RG " + Number(pen.widthF()) + " w " + cap + " J " + join + " j\n";
  appendPath(path);
  content_ += "S\n";
}

PdfPage::Font& PdfPage::fontFor(const QRawFont& raw) {
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
  auto font = std::make_unique<Font>();
  font->key = key;
  font->index = static_cast<int>(fonts_.size());
  font->raw = raw;
  font->sizes = {raw};
  font->outlines = !raw.fontTable("loca").isEmpty();
  fonts_.push_back(std::move(font));
  return *fonts_.back();
}

void PdfPage::text(const QTextLayout& layout, QPointF position, const QColor& colour) {
  for (int line = 0; line < layout.lineCount(); ++line) {
    // The runs come left to right; those of right-to-left text are written from the right, in
    // reading order, for readers that take the text in the order it is drawn.
    const QTextLine text_line = layout.lineAt(line);
    QList<QGlyphRun> runs = text_line.glyphRuns();
    if (!knowsTexts(runs)) learnTexts(layout.text(), text_line);
    for (auto run = runs.begin(); run != runs.end();) {
      const auto end = std::find_if(run, runs.end(), [&](const QGlyphRun& next) {
        return next.isRightToLeft() != run->isRightToLeft();
      });
      if (run->isRightToLeft()) std::reverse(run, end);
      run = end;
    }
    for (const QGlyphRun& run : runs) glyphRun(run, position, colour);
  }
}

bool PdfPage::knowsTexts(const QList<QGlyphRun>& runs) {
  return std::ranges::all_of(runs, [&](const QGlyphRun& run) {
    const Font& font = fontFor(run.rawFont());
    return !font.outlines || std::ranges::all_of(run.glyphIndexes(), [&](quint32 glyph) {
      return font.texts.contains(glyph);
    });
  });
}

void PdfPage::learnTexts(const QString& text, const QTextLine& line) {
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

void PdfPage::learnClusters(const QString& text, const QTextLine& line, int from, int end) {
  // The shaping's clusters, from the glyphs of each character: those of a cluster's characters
  // start at the same glyph. Its characters go to its glyphs one by one in order and the rest to
  // the last, so that a ligature stands for all its letters, and a glyph that only adds to
  // another (the second part of a letter) for none.
  struct Placed {  // a glyph where it stands
    Font* font;
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
      Font& font = fontFor(run.rawFont());
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

void PdfPage::glyphRun(const QGlyphRun& run, QPointF position, const QColor& colour) {
  const QRawFont raw = run.rawFont();
  Font& font = fontFor(raw);
  const QList<quint32> glyphs = run.glyphIndexes();
  const QList<QPointF> positions = run.positions();
  if (!font.outlines) {  // a font that cannot be embedded: its glyphs drawn as shapes
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      fill(raw.pathForGlyph(glyphs[i]).translated(position + positions[i]), colour);
    }
    return;
  }
  // Each glyph placed by the width of the one before it where it can be.
  const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
  const qreal size = raw.pixelSize();
  content_ += Colour(colour) + " rg\nBT\n/F" + QByteArray::number(font.index) + ' ' + Number(size) +
              " Tf\n";
  bool placed = false;
  qreal pen = 0;  // where the last glyph's width leaves the next
  qreal baseline = 0;
  for (const qsizetype i : WritingOrder(positions, advances)) {
    const QPointF at = position + positions[i];
    if (!placed || std::abs(at.y() - baseline) > kTolerance) {
      content_ += placed ? "] TJ\n1 0 0 -1 " : "1 0 0 -1 ";
      AppendPoint(content_, at);
      content_ += " Tm [";
      placed = true;
      pen = at.x();
      baseline = at.y();
    } else if (std::abs(at.x() - pen) > kTolerance) {
      AppendNumber(content_, (pen - at.x()) * 1000 / size);
      pen = at.x();
    }
    content_ += '<';
    AppendHex16(content_, glyphs[i]);
    content_ += '>';
    const qreal width = std::round(advances.value(i).x() * 1000 / size * 1000) / 1000;
    font.widths.try_emplace(glyphs[i], width);
    pen += width * size / 1000;
  }
  content_ += placed ? "] TJ\nET\n" : "ET\n";
}

void PdfPage::newPage() { newPage(page_sizes_.back()); }

void PdfPage::newPage(QSizeF points) {
  finished_pages_.push_back(std::exchange(content_, {}));
  page_sizes_.push_back(points);
}

QByteArray PdfPage::document(const PdfInfo& info) const {
  // The objects in order from 1: catalogue, page tree, information, each page and its content,
  // fonts.
  const int page_count = static_cast<int>(finished_pages_.size()) + 1;
  const int first_font = 4 + 2 * page_count;
  QByteArray resources;
  std::vector<QByteArray> font_objects;
  for (const auto& font_pointer : fonts_) {
    const Font& font = *font_pointer;
    if (!font.outlines || font.widths.empty()) continue;
    std::set<quint32> glyphs;
    for (const auto& [glyph, width] : font.widths) glyphs.insert(glyph);
    const auto subset = SubsetFont(font.raw, glyphs);
    if (!subset) return {};
    const int first = first_font + static_cast<int>(font_objects.size());
    resources += "/F" + QByteArray::number(font.index) + ' ' + Reference(first) + ' ';
    for (QByteArray& object : FontObjects(font.raw, *subset, font.widths, font.texts, first)) {
      font_objects.push_back(std::move(object));
    }
  }
  const qreal scale = kPointsPerInch / device_.dotsPerInch();
  QByteArray kids;
  for (int page = 0; page < page_count; ++page) kids += Reference(4 + 2 * page) + ' ';
  std::vector<QByteArray> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(page_count) + " >>",
      "<< /Title " + TextString(info.title) + " /Creator " + TextString(info.creator) +
          " /CreationDate (D:" + info.created.toUTC().toString(u"yyyyMMddHHmmss").toLatin1() +
          "Z) >>",
  };
  for (int page = 0; page < page_count; ++page) {
    const QSizeF points = page_sizes_[page];
    const QByteArray to_points =
        Number(scale) + " 0 0 " + Number(-scale) + " 0 " + Number(points.height()) + " cm\n";
    objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(points.width()) +
                      ' ' + Number(points.height()) + "] /Resources << /Font << " + resources +
                      ">> >> /Contents " + Reference(5 + 2 * page) + " >>");
    const QByteArray& content = page + 1 < page_count ? finished_pages_[page] : content_;
    objects.push_back(Stream(to_points + content));
  }
  objects.insert(objects.end(), font_objects.begin(), font_objects.end());

  QByteArray file = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<qsizetype> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(file.size());
    file += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const qsizetype xref = file.size();
  file += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (const qsizetype offset : offsets) {
    file += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
  }
  file += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
          " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
  return file;
}

}  // namespace coldesign
