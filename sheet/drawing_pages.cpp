#include "sheet/drawing_pages.h"

#include <QDate>
#include <QPolygonF>
#include <algorithm>
#include <numbers>

#include "calculation/schedule_drawing.h"
#include "sheet/drawing_texts.h"
#include "sheet/page_painter.h"
#include "translations/program_language.h"

namespace coldesign {
namespace {

constexpr double kPointsPerMillimetre = kPointsPerInch / 25.4;
// A font's capitals are this share of its size.
constexpr double kCapitalsShare = 0.7;
// Texts are laid out in a box this wide, points, anchored at their point.
constexpr qreal kTextBoxWidth = 600;
constexpr double kArcPiece = std::numbers::pi / 16;
constexpr qreal kThinnest = 0.4;  // points: a line no thinner, a bar no smaller than twice this

const QColor kGrid(0x70, 0x70, 0x70);
const QColor kOutline(0x00, 0x00, 0x00);
const QColor kTie(0x1B, 0x7A, 0x2E);
const QColor kSteel(0xB0, 0x10, 0x20);

class SheetPainter {
 public:
  SheetPainter(PagePainter& page, const DrawingSheet& sheet, int scale, QSizeF page_points)
      : page_(page),
        unit_(kPointsPerMillimetre / scale),
        height_(sheet.height),
        offset_((page_points.width() - sheet.width * unit_) / 2,
                (page_points.height() - sheet.height * unit_) / 2) {}

  void paint(const DrawingSheet& sheet) {
    for (const DrawingLine& line : sheet.lines) page_.line(at(line.from), at(line.to), 0.5, kGrid);
    for (const DrawingPolyline& polyline : sheet.polylines) {
      QPolygonF points;
      for (const DrawingPoint& point : FlattenedPolyline(polyline, kArcPiece)) {
        points.push_back(at(point));
      }
      const bool tie = polyline.layer == DrawingLayer::Ties;
      page_.polyline(points, tie ? kThinnest : 2 * kThinnest, tie ? kTie : kOutline);
    }
    for (const DrawingCircle& circle : sheet.circles) {
      page_.disc(at(circle.centre), std::max<qreal>(2 * circle.radius * unit_, 2 * kThinnest),
                 kSteel);
    }
    for (const DrawingText& text : sheet.texts) this->text(text);
  }

 private:
  [[nodiscard]] QPointF at(DrawingPoint point) const {
    return offset_ + QPointF(point.x * unit_, (height_ - point.y) * unit_);
  }

  void text(const DrawingText& text) {
    const qreal size = text.height * unit_ / kCapitalsShare;
    const QPointF point = at(text.at);
    const qreal left = text.anchor == TextAnchor::Left     ? point.x()
                       : text.anchor == TextAnchor::Centre ? point.x() - kTextBoxWidth / 2
                                                           : point.x() - kTextBoxWidth;
    const Qt::Alignment along = text.anchor == TextAnchor::Left     ? Qt::AlignLeft
                                : text.anchor == TextAnchor::Centre ? Qt::AlignHCenter
                                                                    : Qt::AlignRight;
    const bool figures = text.words == DrawingWords::Figures;
    const bool right_to_left = !figures && CurrentLanguage() == Language::Arabic;
    page_.text(QRectF(left, point.y() - size, kTextBoxWidth, 2 * size),
               DrawingTextWords(text, true), SheetFont(size), along | Qt::AlignVCenter,
               right_to_left ? Qt::RightToLeft : Qt::LeftToRight, Qt::black, QTextOption::NoWrap);
  }

  PagePainter& page_;
  qreal unit_;  // points per millimetre of the building
  double height_;
  QPointF offset_;
};

}  // namespace

void AppendDrawingPages(const Schedule& schedule, PdfPage& pdf, int dots_per_inch) {
  const DrawingPaper paper{.most_width = kA3LongSideMm,
                           .most_height = kA3ShortSideMm,
                           .date_text = QDate::currentDate().toString(Qt::ISODate).toStdString()};
  const ScheduleDrawing drawing = DrawSchedule(schedule, paper);
  const QSizeF page(kA3LongSideMm * kPointsPerMillimetre, kA3ShortSideMm * kPointsPerMillimetre);
  for (const DrawingSheet& sheet : drawing.sheets) {
    pdf.newPage(page);
    PagePainter painter(pdf, QRectF(QPointF(0, 0), page * (dots_per_inch / kPointsPerInch)),
                        dots_per_inch);
    SheetPainter(painter, sheet, drawing.scale, page).paint(sheet);
    painter.draw();
  }
}

}  // namespace coldesign
