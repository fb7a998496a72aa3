#include "sheet/calculation_sheet.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "calculation/design_report.h"
#include "resources/fonts/embedded_fonts.h"
#include "sheet/page_painter.h"
#include "sheet/pdf_page.h"
#include "sheet/program_version.h"
#include "sheet/report_text.h"
#include "sheet/sheet_painter.h"
#include "translations/program_language.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

constexpr int kPdfResolution = 1200;

}  // namespace

QString SheetTitle(const SheetContent& content) {
  return SaidOf(SheetReport(content), ReportPart::DocumentTitle);
}

namespace {

// The sheet is laid out right to left; a left-to-right language reads it mirrored.
void MirrorForLanguage(PagePainter& painter) {
  if (CurrentLanguage() == Language::English) painter.mirror(kSheetPageSize.width());
}

// Lays the sheet out on its pages and draws them, each but the first after `new_page`, which
// says whether the output took a new page.
void PaintSheet(PageOutput& output, const QRectF& page, qreal dots_per_inch,
                const SheetContent& content, const std::function<bool()>& new_page) {
  RegisterEmbeddedFonts();  // the sheet looks the same where no Noto font is installed
  const qreal points_per_pixel = kPointsPerInch / dots_per_inch;
  const qreal paper_fit = std::min({1.0, page.width() * points_per_pixel / kSheetPageSize.width(),
                                    page.height() * points_per_pixel / kSheetPageSize.height()});
  const DesignReport report = SheetReport(content);
  std::deque<PagePainter> pages;
  const auto lay_out = [&](const QRectF& paper, qreal scale, qreal page_height,
                           std::optional<qreal> drawing_height) {
    pages.clear();
    const auto add_page = [&]() -> PagePainter& {
      PagePainter& added = pages.emplace_back(output, paper, dots_per_inch, scale);
      MirrorForLanguage(added);
      return added;
    };
    SheetPainter sheet(add_page(), add_page, content, report, page_height, drawing_height);
    const qreal height = sheet.paint() + kSheetMargin;
    return std::pair(height, sheet.drawingHeight());
  };
  const auto [height, drawing_height] = lay_out(page, paper_fit, kSheetPageSize.height(), {});
  if (height > kSheetPageSize.height()) {
    // Inputs of many digits, wrapped in their cells, made the sheet taller than its page: it is
    // laid out again smaller, centred.
    const qreal shrink = kSheetPageSize.height() / height;
    const qreal unit = paper_fit / points_per_pixel;  // device pixels per point of the sheet
    lay_out(page.translated(kSheetPageSize.width() * (1 - shrink) / 2 * unit, 0),
            paper_fit * shrink, kSheetPageSize.height() / shrink, drawing_height);
  }
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !new_page()) return;
    pages[i].draw();
  }
}

}  // namespace

void PaintCalculationSheet(QPainter& painter, const QRectF& page, qreal dots_per_inch,
                           const SheetContent& content) {
  PainterPageOutput output(painter);
  auto* paged = dynamic_cast<QPagedPaintDevice*>(painter.device());
  PaintSheet(output, page, dots_per_inch, content,
             [paged] { return paged != nullptr && paged->newPage(); });
}

SheetPdfResult WriteCalculationSheetPdf(const SheetContent& content, QIODevice& device) {
  PdfPage pdf(kSheetPageSize, kPdfResolution);
  PaintSheet(pdf, QRectF(QPointF(0, 0), kSheetPageSize * (kPdfResolution / kPointsPerInch)),
             kPdfResolution, content, [&pdf] {
               pdf.newPage();
               return true;
             });
  const QByteArray file =
      pdf.document({SheetTitle(content), ProgramName() + u' ' + kProgramVersion.toString()});
  if (file.isEmpty()) return SheetPdfResult::NotMade;
  return device.write(file) == file.size() ? SheetPdfResult::Written : SheetPdfResult::WriteFailed;
}

}  // namespace coldesign
