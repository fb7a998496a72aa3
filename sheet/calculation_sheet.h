#pragma once

#include <QIODevice>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "sheet/sheet_content.h"

namespace coldesign {

// An A4 page in points.
inline constexpr QSizeF kSheetPageSize(595.28, 841.89);

// Paints the calculation sheet on any paint device (a PDF writer, a printer): each of its pages
// on a device that has pages, the first alone on another (an image). `page` is the whole sheet
// of paper in device pixels; the A4 page is shrunk to fit a smaller one.
void PaintCalculationSheet(QPainter& painter, const QRectF& page, qreal dots_per_inch,
                           const SheetContent& content);

// The title of the sheet's document: "ورقة حساب عمود خرساني مسلح 30 × 230 cm".
QString SheetTitle(const SheetContent& content);

// How writing the sheet's PDF ended.
enum class SheetPdfResult {
  Written,
  NotMade,      // the file could not be made: a font of the sheet could not be embedded
  WriteFailed,  // the device did not take the whole file
};

// Writes the sheet as an A4 PDF with its fonts embedded, one page for a column designed for its
// load alone and two where the moments need them; nothing when it cannot be made.
SheetPdfResult WriteCalculationSheetPdf(const SheetContent& content, QIODevice& device);

}  // namespace coldesign
