#include "sheet/section_drawing.h"

#include <QLocale>
#include <array>
#include <cmath>

#include "translations/texts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr double kPointsPerMillimetre = 72 / 25.4;
constexpr std::array kUsualScales = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
// Room around the section for the dimension lines and their figures.
constexpr qreal kDimensionRoom = 30;
constexpr qreal kFigureRoom = 50;  // left of the section, for the width and its figure
constexpr qreal kDimensionOffset = 12;
constexpr qreal kTick = 3;

const QColor kConcrete(0xEE, 0xEE, 0xEE);
const QColor kSteel(0x20, 0x20, 0x20);
const QColor kTie(0x55, 0x55, 0x55);
const QColor kDimension(0x30, 0x30, 0x30);

QString Centimetres(double millimetres) {
  // Plain ASCII figures whatever the process locale.
  return QLocale::c().toString(millimetres / 10, 'g', 6) + u" cm"_s;
}

// A dimension line between two points, with slanted ticks at the ends.
void DimensionLine(PagePainter& page, QPointF from, QPointF to) {
  page.line(from, to, 0.5, kDimension);
  for (const QPointF end : {from, to}) {
    page.line(end + QPointF(-kTick, kTick), end + QPointF(kTick, -kTick), 0.8, kDimension);
  }
}

}  // namespace

int DrawingScale(double length_mm, double width_mm, double box_width_pt, double box_height_pt) {
  const double needed = std::max(length_mm * kPointsPerMillimetre / box_width_pt,
                                 width_mm * kPointsPerMillimetre / box_height_pt);
  for (const int scale : kUsualScales) {
    if (scale >= needed) return scale;
  }
  return static_cast<int>(std::ceil(needed));
}

qreal SectionDrawingHeight(const SectionLayoutInput& input, qreal width, qreal most_height) {
  const double length_mm = input.length_cm * 10;
  const double width_mm = input.width_cm * 10;
  const int scale =
      DrawingScale(length_mm, width_mm, width - kFigureRoom, most_height - kDimensionRoom);
  return width_mm * kPointsPerMillimetre / scale + 2 * kDimensionRoom;
}

SectionDrawing DrawSection(PagePainter& page, const QRectF& box, const SectionLayoutInput& input) {
  const auto layout = LayOutSection(input);
  if (!layout) {
    page.text(box,
              Texts::tr("لا تتسع الأسياخ في هذا القطاع بالتباعد الأدنى، فلم يرسم",
                        "sheet.bars-do-not-fit"),
              SheetFont(10), Qt::AlignCenter);
    return {};
  }
  const double length_mm = input.length_cm * 10;
  const double width_mm = input.width_cm * 10;
  const QRectF room = box.adjusted(kFigureRoom, 0, 0, -kDimensionRoom);
  const int scale = DrawingScale(length_mm, width_mm, room.width(), room.height());
  const double unit = kPointsPerMillimetre / scale;  // points per millimetre of the section

  // The section centred in the room left by the dimension lines; y grows upwards in the section.
  const QSizeF size(length_mm * unit, width_mm * unit);
  const QRectF section(
      QPointF(room.center().x() - size.width() / 2, room.center().y() - size.height() / 2), size);
  const auto at = [&](double x_mm, double y_mm) {
    return QPointF(section.left() + x_mm * unit, section.bottom() - y_mm * unit);
  };

  page.rect(section, 1.2, Qt::black, kConcrete);
  const double tie_inset = input.clear_cover_mm + input.tie_diameter_mm / 2;
  const double bend_radius = rules::TieCornerRadiusMm(input.bar_diameter_mm, input.tie_diameter_mm);
  page.roundedRect(
      QRectF(at(tie_inset, width_mm - tie_inset), at(length_mm - tie_inset, tie_inset)),
      bend_radius * unit, std::max(input.tie_diameter_mm * unit, 0.4), kTie);
  for (const BarCentre& bar : layout->bars) {
    page.disc(at(bar.x_mm, bar.y_mm), std::max(input.bar_diameter_mm * unit, 0.8), kSteel);
  }

  const QFont figures = SheetFont(9);
  const qreal below = section.bottom() + kDimensionOffset;
  DimensionLine(page, {section.left(), below}, {section.right(), below});
  page.text(QRectF(section.left(), below + 2, section.width(), 14), Centimetres(length_mm), figures,
            Qt::AlignHCenter | Qt::AlignTop, Qt::LeftToRight);
  const qreal beside = section.left() - kDimensionOffset;
  DimensionLine(page, {beside, section.top()}, {beside, section.bottom()});
  const qreal figure_width = page.textWidth(Centimetres(width_mm), figures) + 2;
  page.text(QRectF(beside - 3 - figure_width, section.center().y() - 7, figure_width, 14),
            Centimetres(width_mm), figures, Qt::AlignRight | Qt::AlignVCenter, Qt::LeftToRight);
  return {scale, layout->clear_spacing_mm};
}

}  // namespace coldesign
