#include "sheet/interaction_drawing.h"

#include <QPolygonF>
#include <algorithm>

#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

const QColor kAxis(0x44, 0x44, 0x44);
const QColor kGrid(0xD5, 0xDA, 0xE0);
const QColor kContour(0x12, 0x2C, 0x4A);
const QColor kLoad(0xB0, 0x24, 0x24);
constexpr qreal kTick = 3;
constexpr qreal kLabelHeight = 11;
constexpr qreal kLabelWidth = 30;

// Where a point of the diagram (t·m) falls on the page.
class DiagramScale {
 public:
  DiagramScale(const QRectF& plot, double extent_t_m)
      : centre_(plot.center()), points_per_t_m_(plot.width() / 2 / extent_t_m) {}

  [[nodiscard]] QPointF at(double moment_x_t_m, double moment_y_t_m) const {
    return {centre_.x() + moment_x_t_m * points_per_t_m_,
            centre_.y() - moment_y_t_m * points_per_t_m_};
  }

 private:
  QPointF centre_;
  qreal points_per_t_m_;
};

// A moment of a load point, t·m.
QString Figure(double moment_t_m) { return QString::fromStdString(FormatFixed(moment_t_m, 1)); }

}  // namespace

void DrawInteractionDiagram(PagePainter& page, const QRectF& box,
                            const InteractionDiagram& diagram) {
  if (diagram.extent_t_m <= 0 || diagram.contour.empty()) return;
  const QFont label_font = SheetFont(7.5);
  // The ticks' labels on the left of the plot and under it, and the axes' names under those
  // and above the plot.
  const qreal left = kTick + 2 + kLabelWidth;
  const qreal below = kTick + 1 + 2 * kLabelHeight + 2;
  const qreal above = kLabelHeight + 3;
  const qreal side = std::min(box.width() - 2 * left, box.height() - below - above);
  const QRectF plot(box.center().x() - side / 2, box.top() + above, side, side);
  const DiagramScale scale(plot, diagram.extent_t_m);
  const double extent = diagram.extent_t_m;

  page.rect(plot, 0.5, kGrid, Qt::transparent);
  for (const DiagramTick& tick : diagram.ticks) {
    page.line(scale.at(tick.at_t_m, -extent), scale.at(tick.at_t_m, extent), 0.3, kGrid);
    page.line(scale.at(-extent, tick.at_t_m), scale.at(extent, tick.at_t_m), 0.3, kGrid);
  }
  page.line(scale.at(-extent, 0), scale.at(extent, 0), 0.8, kAxis);
  page.line(scale.at(0, -extent), scale.at(0, extent), 0.8, kAxis);

  for (const DiagramTick& tick : diagram.ticks) {
    const QString label = QString::fromStdString(tick.label);
    // On the foot of the plot under each tick of Mx, and left of the plot beside each of My.
    const QPointF foot = scale.at(tick.at_t_m, -extent);
    page.line(foot, foot + QPointF(0, kTick), 0.5, kAxis);
    page.text({foot.x() - kLabelWidth / 2, foot.y() + kTick + 1, kLabelWidth, kLabelHeight}, label,
              label_font, Qt::AlignHCenter | Qt::AlignTop, Qt::LeftToRight, kAxis);
    const QPointF side_point = scale.at(-extent, tick.at_t_m);
    page.line(side_point, side_point - QPointF(kTick, 0), 0.5, kAxis);
    page.text({plot.left() - kTick - 2 - kLabelWidth, side_point.y() - kLabelHeight / 2,
               kLabelWidth, kLabelHeight},
              label, label_font, Qt::AlignRight | Qt::AlignVCenter, Qt::LeftToRight, kAxis);
  }
  const QFont axis_font = SheetFont(8.5);
  page.text({plot.right() - 60, plot.bottom() + kTick + 1 + kLabelHeight, 60, kLabelHeight + 2},
            u"Mx (t·m)"_s, axis_font, Qt::AlignRight | Qt::AlignTop, Qt::LeftToRight, kAxis);
  const QPointF y_end = scale.at(0, extent);
  page.text({y_end.x() - 30, box.top(), 60, kLabelHeight + 2}, u"My (t·m)"_s, axis_font,
            Qt::AlignHCenter | Qt::AlignTop, Qt::LeftToRight, kAxis);

  QPolygonF contour;
  for (const MomentPoint& point : diagram.contour) {
    contour << scale.at(point.moment_x_t_m, point.moment_y_t_m);
  }
  contour << contour.front();  // closed
  page.polyline(contour, 1.2, kContour);

  // The highest point is labelled above, any other below, so that two close labels part.
  qreal highest = box.bottom();
  for (const MomentPoint& point : diagram.loads) {
    highest = std::min(highest, scale.at(point.moment_x_t_m, point.moment_y_t_m).y());
  }
  for (const MomentPoint& point : diagram.loads) {
    const QPointF load = scale.at(point.moment_x_t_m, point.moment_y_t_m);
    page.line(scale.at(0, 0), load, 0.5, kLoad);
    page.disc(load, 4.5, kLoad);
    const bool above = load.y() == highest;
    const QString label = u"(%1, %2)"_s.arg(Figure(point.moment_x_t_m), Figure(point.moment_y_t_m));
    page.text({load.x() + 4, above ? load.y() - kLabelHeight - 3 : load.y() + 3, 90, kLabelHeight},
              label, label_font, Qt::AlignLeft | Qt::AlignTop, Qt::LeftToRight, kLoad);
  }
}

}  // namespace coldesign
