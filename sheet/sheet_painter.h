#pragma once

#include <QRectF>
#include <functional>
#include <optional>

#include "calculation/design_report.h"
#include "sheet/page_painter.h"
#include "sheet/sheet_content.h"

namespace coldesign {

inline constexpr qreal kSheetMargin = 42;

// Lays the calculation sheet of a report out on page painters, which hold it until drawn: the
// heading, the inputs, the steps, the moment section and its interaction diagram when the report
// has them, the chosen section, its drawing and the limits. An axial sheet is one page; a sheet
// with moments goes on to a new page (`next_page`) where the next part does not fit.
class SheetPainter {
 public:
  // `page_height` in points: taller than A4 when the sheet is shrunk to fit its page.
  // `drawing_height` keeps the section drawing as tall as in an earlier laying out.
  SheetPainter(PagePainter& first_page, std::function<PagePainter&()> next_page,
               const SheetContent& content, const DesignReport& report, qreal page_height,
               std::optional<qreal> drawing_height = std::nullopt);

  // Lays the sheet out. Gives the foot of the tallest page's last text, in points from the top
  // of its page.
  qreal paint();

  [[nodiscard]] qreal drawingHeight() const { return drawing_height_.value_or(0); }

 private:
  void heading();
  void labelledFigure(qreal top, const QString& label, const QString& figure, const QFont& font);
  void band(const QString& title);
  qreal labelledValue(qreal left, qreal right, const QString& label, const QString& value);
  void pairs(ReportPart part);
  void inputs();
  void step(const QString& title, const QString& result, const QStringList& formula,
            const QString& note);
  void steps(ReportPart title_part, ReportPart formula_part, ReportPart note_part);
  void moments();
  void diagram();
  void chosenSection();
  void chosenBeside(qreal left, qreal width);
  void drawing();
  void limits();

  // On a sheet with moments, goes on to a new page unless `height` points fit on this one.
  void room(qreal height);

  PagePainter* page_;
  std::function<PagePainter&()> next_page_;
  const SheetContent& content_;
  const DesignReport& report_;
  const qreal page_height_;
  const bool moments_;
  std::optional<qreal> drawing_height_;
  qreal y_ = kSheetMargin;
  qreal tallest_ = 0;
  bool chosen_beside_diagram_ = false;
};

}  // namespace coldesign
