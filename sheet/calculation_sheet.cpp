#include "sheet/calculation_sheet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "calculation/design_report.h"
#include "calculation/design_rules.h"
#include "calculation/section_layout.h"
#include "resources/fonts/embedded_fonts.h"
#include "sheet/page_painter.h"
#include "sheet/pdf_page.h"
#include "sheet/program_version.h"
#include "sheet/report_text.h"
#include "sheet/section_drawing.h"
#include "translations/program_language.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr qreal kMargin = 42;
constexpr qreal kWidth = kSheetPageSize.width() - 2 * kMargin;
constexpr qreal kGap = 6;
constexpr int kPdfResolution = 1200;

const QColor kBand(0xEC, 0xEF, 0xF3);
const QColor kRule(0x9A, 0xA3, 0xAE);
const QColor kNote(0x44, 0x44, 0x44);
const QColor kEmphasis(0x12, 0x2C, 0x4A);  // headings and results, in place of a bold face
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

class SheetPainter {
 public:
  // `page_height` in points: taller than A4 when the sheet is shrunk to fit its page.
  // `drawing_height` keeps the section drawing as tall as in an earlier laying out.
  SheetPainter(PagePainter& page, const SheetContent& content, const DesignReport& report,
               qreal page_height, std::optional<qreal> drawing_height = std::nullopt)
      : page_(page),
        content_(content),
        report_(report),
        page_height_(page_height),
        drawing_height_(drawing_height) {}

  // Lays the sheet out on the page painter, which holds it until drawn. Gives the foot of its
  // last text, in points from the top of the page.
  qreal paint() {
    heading();
    inputs();
    steps();
    chosenSection();
    drawing();
    limits();
    return y_;
  }

  [[nodiscard]] qreal drawingHeight() const { return drawing_height_.value_or(0); }

 private:
  void heading() {
    const qreal title = page_.text({kMargin, y_, kWidth, 40}, SaidOf(report_, ReportPart::Title),
                                   SheetFont(22), kRight, Qt::RightToLeft, kEmphasis);
    const qreal subtitle = page_.text({kMargin, y_ + title, kWidth, 30},
                                      SaidOf(report_, ReportPart::Subtitle), SheetFont(13));
    const QFont small = SheetFont(9.5);
    labelledFigure(y_ + 4, Texts::tr("الإصدار", "sheet.version"), kProgramVersion.toString(),
                   small);
    labelledFigure(y_ + 20, Texts::tr("التاريخ", "sheet.date"), content_.date.toString(Qt::ISODate),
                   small);
    y_ += title + subtitle + 4;
    page_.line({kMargin, y_}, {kMargin + kWidth, y_}, 1.2);
    y_ += 10;
  }

  // A label and its figure at the page's left margin: the figure left to right, so that a date
  // keeps its order.
  void labelledFigure(qreal top, const QString& label, const QString& figure, const QFont& font) {
    const qreal figure_width = page_.textWidth(figure, font) + 1;
    page_.text({kMargin, top, figure_width, 16}, figure, font, Qt::AlignLeft | Qt::AlignTop,
               Qt::LeftToRight);
    page_.text({kMargin + figure_width + 4, top, 120, 16}, label, font,
               Qt::AlignLeft | Qt::AlignTop);
  }

  void band(const QString& title) {
    const qreal height = 20;
    page_.rect({kMargin, y_, kWidth, height}, 0, Qt::transparent, kBand);
    page_.text({kMargin + 6, y_ + 1, kWidth - 12, height}, title, SheetFont(12),
               Qt::AlignRight | Qt::AlignVCenter, Qt::RightToLeft, kEmphasis);
    y_ += height + kGap;
  }

  // A label on the right of its half of the row, [left, right], and the value to its left:
  // smaller when it is too long for its cell, and wrapped inside it when even that is not enough.
  // Gives the row's height.
  qreal labelledValue(qreal left, qreal right, const QString& label, const QString& value) {
    const qreal label_width = 150;
    const QRectF cell(left + 4, y_, right - label_width - 5 - (left + 4), 18);
    constexpr qreal kValueSize = 11;
    constexpr qreal kSmallestValueSize = 8;
    const qreal fits = cell.width() / page_.textWidth(value, SheetFont(kValueSize));
    const QFont value_font = SheetFont(
        fits >= 1 ? kValueSize
                  : std::max(kSmallestValueSize, std::floor(kValueSize * fits * 10) / 10));
    const qreal label_height =
        page_.text({right - label_width, y_, label_width, 18}, label, SheetFont(10.5));
    const qreal value_height =
        page_.text(cell, value, value_font, kRight, Qt::LeftToRight, kEmphasis,
                   QTextOption::WrapAnywhere);  // full lines of digits
    return std::max({label_height, value_height + 4, qreal{20}});
  }

  void inputs() {
    band(SaidOf(report_, ReportPart::InputsTitle));
    const qreal right = kMargin + kWidth - 6;
    const qreal middle = kMargin + kWidth / 2;
    // Two to a line, the first on the right.
    const std::vector<const ReportLine*> rows = LinesOf(report_, ReportPart::Input);
    for (std::size_t i = 0; i + 1 < rows.size(); i += 2) {
      y_ +=
          std::max(labelledValue(middle, right, Said(rows[i]->text), ValueOf(*rows[i])),
                   labelledValue(kMargin, middle, Said(rows[i + 1]->text), ValueOf(*rows[i + 1])));
    }
    y_ += page_.text({kMargin + 18, y_, kWidth - 24, 20},
                     ValueOf(*LinesOf(report_, ReportPart::StressFormula).front()), SheetFont(9.5),
                     Qt::AlignRight | Qt::AlignTop, Qt::LeftToRight);
    y_ += kGap;
  }

  // One step: its title with the result on the left, the formula and the numbers put in, one
  // line each, and a note under them.
  void step(const QString& title, const QString& result, const QStringList& formula,
            const QString& note) {
    const QFont emphasis = SheetFont(11);
    const qreal title_height = page_.text({kMargin + 6, y_, kWidth - 12, 20}, title, emphasis,
                                          kRight, Qt::RightToLeft, kEmphasis);
    const qreal result_height =
        page_.text({kMargin + 6, y_, kWidth / 2, 20}, result, emphasis,
                   Qt::AlignLeft | Qt::AlignTop, Qt::LeftToRight, kEmphasis);
    y_ += std::max(title_height, result_height);
    for (const QString& line : formula) {
      y_ += page_.text({kMargin + 18, y_, kWidth - 24, 40}, line, SheetFont(9.5),
                       Qt::AlignRight | Qt::AlignTop, Qt::LeftToRight);
    }
    y_ += page_.text({kMargin + 18, y_, kWidth - 24, 60}, note, SheetFont(9),
                     Qt::AlignRight | Qt::AlignTop, Qt::RightToLeft, kNote);
    y_ += kGap;
    page_.line({kMargin + 6, y_ - kGap / 2}, {kMargin + kWidth - 6, y_ - kGap / 2}, 0.3, kRule);
  }

  void steps() {
    band(SaidOf(report_, ReportPart::StepsTitle));
    // Each step's lines follow its title: its formula, then the notes said as one.
    const ReportLine* title = nullptr;
    QStringList formula;
    QString note;
    const auto finish = [&] {
      if (title != nullptr) step(Said(title->text), ValueOf(*title), formula, note);
      formula.clear();
      note.clear();
    };
    for (const ReportLine& line : report_) {
      if (line.part == ReportPart::Step) {
        finish();
        title = &line;
      } else if (line.part == ReportPart::Formula) {
        formula << ValueOf(line);
      } else if (line.part == ReportPart::Note) {
        note += Said(line.text);
      }
    }
    finish();
  }

  void chosenSection() {
    band(SaidOf(report_, ReportPart::ChosenTitle));
    const std::vector<const ReportLine*> chosen = LinesOf(report_, ReportPart::Chosen);
    const qreal cell = kWidth / 3;
    const QFont big = SheetFont(15);
    const QFont label = SheetFont(9.5);
    for (std::size_t i = 0; i < chosen.size(); ++i) {
      const qreal left = kMargin + kWidth - cell * static_cast<qreal>(i + 1);
      page_.text({left, y_, cell, 16}, Said(chosen[i]->text), label,
                 Qt::AlignHCenter | Qt::AlignTop);
      page_.text({left, y_ + 16, cell, 22}, ValueOf(*chosen[i]), big,
                 Qt::AlignHCenter | Qt::AlignTop, Qt::LeftToRight, kEmphasis);
    }
    y_ += 42 + kGap;
  }

  void drawing() {
    band(SaidOf(report_, ReportPart::DrawingTitle));
    const qreal legend_width = 170;
    const QFont legend_font = SheetFont(9);
    SectionLayoutInput section;
    section.width_cm = ParseLeadingNumber(content_.input.width_text);
    section.length_cm = ParseLeadingNumber(content_.result.length_text);
    section.bar_count = static_cast<int>(ParseLeadingNumber(content_.result.bar_count_text));
    section.bar_diameter_mm = content_.input.materials.bar_diameter_mm;
    section.tie_diameter_mm = rules::kTieDiameterMm;
    section.clear_cover_mm = rules::kClearCoverMm;
    const qreal drawing_width = kWidth - legend_width - 10;
    const qreal most = page_height_ - kMargin - 95 - y_;
    const qreal height = drawing_height_.value_or(std::clamp(
        SectionDrawingHeight(section, drawing_width, most), 110.0, std::max(most, 110.0)));
    drawing_height_ = height;
    const SectionDrawing drawn = DrawSection(page_, {kMargin, y_, drawing_width, height}, section);

    QString legend;
    for (const ReportLine* line : LinesOf(report_, ReportPart::Assumption)) {
      legend += Said(line->text) + u'\n';
    }
    if (drawn.scale > 0) {
      legend += Texts::tr("• أقل تباعد صاف بين الأسياخ %1", "sheet.drawing-spacing")
                    .arg(LeftToRight(QString::number(drawn.clear_spacing_mm, 'f', 1) + u" mm"_s)) +
                u'\n' +
                Texts::tr("• مقياس الرسم %1", "sheet.drawing-scale")
                    .arg(LeftToRight(u"1:"_s + QString::number(drawn.scale)));
    }
    page_.text({kMargin + kWidth - legend_width, y_ + 4, legend_width, height}, legend, legend_font,
               Qt::AlignRight | Qt::AlignTop, Qt::RightToLeft, kNote);
    y_ += height + kGap;
  }

  void limits() {
    band(SaidOf(report_, ReportPart::LimitsTitle));
    QStringList lines;
    for (const ReportLine& line : report_) {
      if (line.part == ReportPart::Limit) lines << u"• "_s + Said(line.text);
      if (line.part == ReportPart::LimitMore) lines.back() += Said(line.text);
    }
    y_ += page_.text({kMargin + 6, y_, kWidth - 12, 80}, lines.join(u'\n'), SheetFont(10));
  }

  PagePainter& page_;
  const SheetContent& content_;
  const DesignReport& report_;
  const qreal page_height_;
  std::optional<qreal> drawing_height_;
  qreal y_ = kMargin;
};

}  // namespace

QString SheetTitle(const SheetContent& content) {
  return SaidOf(ReportDesign(content.input, content.result), ReportPart::DocumentTitle);
}

namespace {

// The sheet is laid out right to left; a left-to-right language reads it mirrored.
void MirrorForLanguage(PagePainter& painter) {
  if (CurrentLanguage() == Language::English) painter.mirror(kSheetPageSize.width());
}

void PaintSheet(PageOutput& output, const QRectF& page, qreal dots_per_inch,
                const SheetContent& content) {
  RegisterEmbeddedFonts();  // the sheet looks the same where no Noto font is installed
  const qreal points_per_pixel = kPointsPerInch / dots_per_inch;
  const qreal paper_fit = std::min({1.0, page.width() * points_per_pixel / kSheetPageSize.width(),
                                    page.height() * points_per_pixel / kSheetPageSize.height()});
  PagePainter page_painter(output, page, dots_per_inch, paper_fit);
  MirrorForLanguage(page_painter);
  const DesignReport report = ReportDesign(content.input, content.result);
  SheetPainter sheet(page_painter, content, report, kSheetPageSize.height());
  const qreal height = sheet.paint() + kMargin;
  if (height <= kSheetPageSize.height()) {
    page_painter.draw();
    return;
  }
  // Inputs of many digits, wrapped in their cells, made the sheet taller than its page: it is
  // laid out again smaller, centred.
  const qreal shrink = kSheetPageSize.height() / height;
  const qreal unit = paper_fit / points_per_pixel;  // device pixels per point of the sheet
  const QRectF shrunk_page = page.translated(kSheetPageSize.width() * (1 - shrink) / 2 * unit, 0);
  PagePainter shrunk_painter(output, shrunk_page, dots_per_inch, paper_fit * shrink);
  MirrorForLanguage(shrunk_painter);
  SheetPainter(shrunk_painter, content, report, kSheetPageSize.height() / shrink,
               sheet.drawingHeight())
      .paint();
  shrunk_painter.draw();
}

}  // namespace

void PaintCalculationSheet(QPainter& painter, const QRectF& page, qreal dots_per_inch,
                           const SheetContent& content) {
  PainterPageOutput output(painter);
  PaintSheet(output, page, dots_per_inch, content);
}

SheetPdfResult WriteCalculationSheetPdf(const SheetContent& content, QIODevice& device) {
  PdfPage pdf(kSheetPageSize, kPdfResolution);
  PaintSheet(pdf, QRectF(QPointF(0, 0), kSheetPageSize * (kPdfResolution / kPointsPerInch)),
             kPdfResolution, content);
  const QByteArray file =
      pdf.document({SheetTitle(content), ProgramName() + u' ' + kProgramVersion.toString()});
  if (file.isEmpty()) return SheetPdfResult::NotMade;
  return device.write(file) == file.size() ? SheetPdfResult::Written : SheetPdfResult::WriteFailed;
}

}  // namespace coldesign
