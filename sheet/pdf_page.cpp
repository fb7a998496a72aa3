// The PDF writer: pages of paths and laid-out glyphs, and the file around them.
//
// Our own writer rather than Qt's: QPdfWriter scans all 65,536 code points of every font it meets
// and rebuilds each glyph's outline, which made a calculation sheet cost three times a one-line
// PDF. Here the glyphs go where QTextLayout put them, HarfBuzz makes the fonts' subsets
// (font_subset.cpp) and pdf_fonts.cpp maps the glyphs back to their letters.

#include "sheet/pdf_page.h"

#include <QGlyphRun>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "sheet/pdf_syntax.h"

namespace coldesign {
namespace {

using pdf::AppendHex16;
using pdf::AppendNumber;
using pdf::AppendPoint;
using pdf::Colour;
using pdf::Number;
using pdf::Reference;
using pdf::Stream;
using pdf::TextString;

constexpr qreal kMillimetresPerInch = 25.4;
// How far, in device pixels, a glyph may be from where the one before it leaves the pen.
constexpr qreal kTolerance = 0.05;

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

void PdfPage::text(const QTextLayout& layout, QPointF position, const QColor& colour) {
  for (int line = 0; line < layout.lineCount(); ++line) {
    // The runs come left to right; those of right-to-left text are written from the right, in
    // reading order, for readers that take the text in the order it is drawn.
    const QTextLine text_line = layout.lineAt(line);
    QList<QGlyphRun> runs = text_line.glyphRuns();
    if (!fonts_.knowsTexts(runs)) fonts_.learnTexts(layout.text(), text_line);
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

void PdfPage::glyphRun(const QGlyphRun& run, QPointF position, const QColor& colour) {
  const QRawFont raw = run.rawFont();
  PdfFont& font = fonts_.fontFor(raw);
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
  const auto fonts = fonts_.embedded(first_font);
  if (!fonts) return {};
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
                      ' ' + Number(points.height()) + "] /Resources << /Font << " +
                      fonts->resources + ">> >> /Contents " + Reference(5 + 2 * page) + " >>");
    const QByteArray& content = page + 1 < page_count ? finished_pages_[page] : content_;
    objects.push_back(Stream(to_points + content));
  }
  objects.insert(objects.end(), fonts->objects.begin(), fonts->objects.end());

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
