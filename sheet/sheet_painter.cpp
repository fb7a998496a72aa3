#include "sheet/sheet_painter.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "calculation/bending_report.h"
#include "calculation/design_rules.h"
#include "calculation/section_layout.h"
#include "sheet/calculation_sheet.h"
#include "sheet/interaction_drawing.h"
#include "sheet/program_version.h"
#include "sheet/report_text.h"
#include "sheet/section_drawing.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr qreal kMargin = kSheetMargin;
constexpr qreal kWidth = kSheetPageSize.width() - 2 * kMargin;
constexpr qreal kGap = 6;
constexpr qreal kBandHeight = 20;
constexpr qreal kDiagramSide = 200;   // tall, and as wide with the ticks' labels
constexpr qreal kDiagramWidth = 240;  // on the left of its row
constexpr qreal kLimitsHeight = 80;   // under the section drawing

const QColor kBand(0xEC, 0xEF, 0xF3);
const QColor kRule(0x9A, 0xA3, 0xAE);
const QColor kNote(0x44, 0x44, 0x44);
const QColor kEmphasis(0x12, 0x2C, 0x4A);  // headings and results, in place of a bold face
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;

}  // namespace

SheetPainter::SheetPainter(PagePainter& first_page, std::function<PagePainter&()> next_page,
                           const SheetContent& content, const DesignReport& report,
                           qreal page_height, std::optional<qreal> drawing_height)
    : page_(&first_page),
      next_page_(std::move(next_page)),
      content_(content),
      report_(report),
      page_height_(page_height),
      moments_(!LinesOf(report, ReportPart::MomentsTitle).empty()),
      drawing_height_(drawing_height) {}

qreal SheetPainter::paint() {
  heading();
  inputs();
  steps(ReportPart::Step, ReportPart::Formula, ReportPart::Note);
  moments();
  if (!chosen_beside_diagram_) chosenSection();
  drawing();
  limits();
  return std::max(tallest_, y_);
}

void SheetPainter::room(qreal height) {
  if (!moments_ || y_ + height <= page_height_ - kMargin) return;
  tallest_ = std::max(tallest_, y_);
  page_ = &next_page_();
  y_ = kMargin;
}

void SheetPainter::heading() {
  const qreal title = page_->text({kMargin, y_, kWidth, 40}, SaidOf(report_, ReportPart::Title),
                                  SheetFont(22), kRight, Qt::RightToLeft, kEmphasis);
  const qreal subtitle = page_->text({kMargin, y_ + title, kWidth, 30},
                                     SaidOf(report_, ReportPart::Subtitle), SheetFont(13));
  const QFont small = SheetFont(9.5);
  labelledFigure(y_ + 4, Texts::tr("الإصدار", "sheet.version"), kProgramVersion.toString(), small);
  labelledFigure(y_ + 20, Texts::tr("التاريخ", "sheet.date"), content_.date.toString(Qt::ISODate),
                 small);
  y_ += title + subtitle + 4;
  page_->line({kMargin, y_}, {kMargin + kWidth, y_}, 1.2);
  y_ += 10;
}

// A label and its figure at the page's left margin: the figure left to right, so that a date
// keeps its order.
void SheetPainter::labelledFigure(qreal top, const QString& label, const QString& figure,
                                  const QFont& font) {
  const qreal figure_width = page_->textWidth(figure, font) + 1;
  page_->text({kMargin, top, figure_width, 16}, figure, font, Qt::AlignLeft | Qt::AlignTop,
              Qt::LeftToRight);
  page_->text({kMargin + figure_width + 4, top, 120, 16}, label, font,
              Qt::AlignLeft | Qt::AlignTop);
}

void SheetPainter::band(const QString& title) {
  page_->rect({kMargin, y_, kWidth, kBandHeight}, 0, Qt::transparent, kBand);
  page_->text({kMargin + 6, y_ + 1, kWidth - 12, kBandHeight}, title, SheetFont(12),
              Qt::AlignRight | Qt::AlignVCenter, Qt::RightToLeft, kEmphasis);
  y_ += kBandHeight + kGap;
}

// A label on the right of its half of the row, [left, right], and the value to its left:
// smaller when it is too long for its cell, and wrapped inside it when even that is not enough.
// Gives the row's height.
qreal SheetPainter::labelledValue(qreal left, qreal right, const QString& label,
                                  const QString& value) {
  const qreal label_width = 150;
  const QRectF cell(left + 4, y_, right - label_width - 5 - (left + 4), 18);
  constexpr qreal kValueSize = 11;
  constexpr qreal kSmallestValueSize = 8;
  const qreal fits = cell.width() / page_->textWidth(value, SheetFont(kValueSize));
  const QFont value_font =
      SheetFont(fits >= 1 ? kValueSize
                          : std::max(kSmallestValueSize, std::floor(kValueSize * fits * 10) / 10));
  const qreal label_height =
      page_->text({right - label_width, y_, label_width, 18}, label, SheetFont(10.5));
  const qreal value_height = page_->text(cell, value, value_font, kRight, Qt::LeftToRight,
                                         kEmphasis, QTextOption::WrapAnywhere);  // full lines
  return std::max({label_height, value_height + 4, qreal{20}});
}

// The part's labels and values, two to a line, the first on the right.
void SheetPainter::pairs(ReportPart part) {
  const qreal right = kMargin + kWidth - 6;
  const qreal middle = kMargin + kWidth / 2;
  const std::vector<const ReportLine*> rows = LinesOf(report_, part);
  for (std::size_t i = 0; i < rows.size(); i += 2) {
    // The left one laid out first, so that a page's PDF stays as it has always been written.
    const qreal second =
        i + 1 < rows.size()
            ? labelledValue(kMargin, middle, Said(rows[i + 1]->text), ValueOf(*rows[i + 1]))
            : 0;
    const qreal first = labelledValue(middle, right, Said(rows[i]->text), ValueOf(*rows[i]));
    y_ += std::max(first, second);
  }
}

void SheetPainter::inputs() {
  band(SaidOf(report_, ReportPart::InputsTitle));
  pairs(ReportPart::Input);
  y_ += page_->text({kMargin + 18, y_, kWidth - 24, 20},
                    ValueOf(*LinesOf(report_, ReportPart::StressFormula).front()), SheetFont(9.5),
                    Qt::AlignRight | Qt::AlignTop, Qt::LeftToRight);
  y_ += kGap;
}

// One step: its title with the result on the left, the formula and the numbers put in, one
// line each, and a note under them.
void SheetPainter::step(const QString& title, const QString& result, const QStringList& formula,
                        const QString& note) {
  if (moments_) {
    const qreal note_lines =
        note.isEmpty() ? 0 : std::ceil(page_->textWidth(note, SheetFont(9)) / (kWidth - 24)) + 1;
    room(20 + 14 * static_cast<qreal>(formula.size()) + 13 * note_lines + kGap);
  }
  const QFont emphasis = SheetFont(11);
  const qreal title_height = page_->text({kMargin + 6, y_, kWidth - 12, 20}, title, emphasis,
                                         kRight, Qt::RightToLeft, kEmphasis);
  const qreal result_height = page_->text({kMargin + 6, y_, kWidth / 2, 20}, result, emphasis,
                                          Qt::AlignLeft | Qt::AlignTop, Qt::LeftToRight, kEmphasis);
  y_ += std::max(title_height, result_height);
  for (const QString& line : formula) {
    y_ += page_->text({kMargin + 18, y_, kWidth - 24, 40}, line, SheetFont(9.5),
                      Qt::AlignRight | Qt::AlignTop, Qt::LeftToRight);
  }
  y_ += page_->text({kMargin + 18, y_, kWidth - 24, 60}, note, SheetFont(9),
                    Qt::AlignRight | Qt::AlignTop, Qt::RightToLeft, kNote);
  y_ += kGap;
  page_->line({kMargin + 6, y_ - kGap / 2}, {kMargin + kWidth - 6, y_ - kGap / 2}, 0.3, kRule);
}

// The steps of one kind: each step's lines follow its title, its formula, then the notes said
// as one.
void SheetPainter::steps(ReportPart title_part, ReportPart formula_part, ReportPart note_part) {
  if (title_part == ReportPart::Step) band(SaidOf(report_, ReportPart::StepsTitle));
  const ReportLine* title = nullptr;
  QStringList formula;
  QString note;
  const auto finish = [&] {
    if (title != nullptr) step(Said(title->text), ValueOf(*title), formula, note);
    formula.clear();
    note.clear();
  };
  for (const ReportLine& line : report_) {
    if (line.part == title_part) {
      finish();
      title = &line;
    } else if (line.part == formula_part) {
      formula << ValueOf(line);
    } else if (line.part == note_part) {
      // The moment section's notes are sentences of their own.
      if (note_part == ReportPart::MomentNote && !note.isEmpty()) note += u' ';
      note += Said(line.text);
    }
  }
  finish();
}

// The moments, the column's slenderness and the section that carries them, as the steps are;
// then the interaction diagram.
void SheetPainter::moments() {
  if (!moments_) return;
  room(2 * (kBandHeight + kGap) + 40);
  band(SaidOf(report_, ReportPart::MomentsTitle));
  pairs(ReportPart::MomentInput);
  y_ += kGap;
  steps(ReportPart::MomentStep, ReportPart::MomentFormula, ReportPart::MomentNote);
  diagram();
}

// The diagram on the left of its row; on the right its note, and the section chosen under it.
void SheetPainter::diagram() {
  const std::vector<const ReportLine*> title = LinesOf(report_, ReportPart::DiagramTitle);
  const std::optional<InteractionDiagram> drawn =
      content_.moments ? DiagramOf(content_.moments->result) : std::nullopt;
  if (title.empty() || !drawn) return;
  room(kBandHeight + kGap + kDiagramSide + kGap);
  band(Said(title.front()->text));
  const QRectF box(kMargin, y_, kDiagramWidth, kDiagramSide);
  page_->upright(box, [this, &drawn](const QRectF& upright) {
    DrawInteractionDiagram(*page_, upright, *drawn);
  });
  const qreal column_left = kMargin + kDiagramWidth + 12;
  const qreal column_width = kMargin + kWidth - column_left;
  const qreal note =
      page_->text({column_left, y_, column_width - 6, 60}, SaidOf(report_, ReportPart::DiagramNote),
                  SheetFont(9), kRight, Qt::RightToLeft, kNote);
  const qreal top = y_;
  y_ += note + 2 * kGap;
  chosenBeside(column_left, column_width);
  y_ = top + kDiagramSide + kGap;
  chosen_beside_diagram_ = true;
}

// The section chosen in a column of the page, [left, left + width]: its heading, then its
// figures one under another.
void SheetPainter::chosenBeside(qreal left, qreal width) {
  page_->rect({left, y_, width, kBandHeight}, 0, Qt::transparent, kBand);
  page_->text({left + 6, y_ + 1, width - 12, kBandHeight}, SaidOf(report_, ReportPart::ChosenTitle),
              SheetFont(12), Qt::AlignRight | Qt::AlignVCenter, Qt::RightToLeft, kEmphasis);
  y_ += kBandHeight + 2;
  for (const ReportLine* chosen : LinesOf(report_, ReportPart::Chosen)) {
    page_->text({left, y_ + 3, width - 6, 16}, Said(chosen->text), SheetFont(9.5));
    page_->text({left + 6, y_, width / 2, 22}, ValueOf(*chosen), SheetFont(15),
                Qt::AlignLeft | Qt::AlignTop, Qt::LeftToRight, kEmphasis);
    y_ += 26;
  }
}

void SheetPainter::chosenSection() {
  room(kBandHeight + kGap + 42 + kGap);
  band(SaidOf(report_, ReportPart::ChosenTitle));
  const std::vector<const ReportLine*> chosen = LinesOf(report_, ReportPart::Chosen);
  const qreal cell = kWidth / 3;
  const QFont big = SheetFont(15);
  const QFont label = SheetFont(9.5);
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    const qreal left = kMargin + kWidth - cell * static_cast<qreal>(i + 1);
    page_->text({left, y_, cell, 16}, Said(chosen[i]->text), label,
                Qt::AlignHCenter | Qt::AlignTop);
    page_->text({left, y_ + 16, cell, 22}, ValueOf(*chosen[i]), big,
                Qt::AlignHCenter | Qt::AlignTop, Qt::LeftToRight, kEmphasis);
  }
  y_ += 42 + kGap;
}

void SheetPainter::drawing() {
  // The least drawing, and the limits under it.
  room(kBandHeight + kGap + 110 + kGap + kLimitsHeight);
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
  const qreal height = drawing_height_.value_or(
      std::clamp(SectionDrawingHeight(section, drawing_width, most), 110.0, std::max(most, 110.0)));
  drawing_height_ = height;
  const SectionDrawing drawn = DrawSection(*page_, {kMargin, y_, drawing_width, height}, section);

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
  page_->text({kMargin + kWidth - legend_width, y_ + 4, legend_width, height}, legend, legend_font,
              Qt::AlignRight | Qt::AlignTop, Qt::RightToLeft, kNote);
  y_ += height + kGap;
}

void SheetPainter::limits() {
  band(SaidOf(report_, ReportPart::LimitsTitle));
  QStringList lines;
  for (const ReportLine& line : report_) {
    if (line.part == ReportPart::Limit) lines << u"• "_s + Said(line.text);
    if (line.part == ReportPart::LimitMore) lines.back() += Said(line.text);
  }
  y_ += page_->text({kMargin + 6, y_, kWidth - 12, 80}, lines.join(u'\n'), SheetFont(10));
}

}  // namespace coldesign
