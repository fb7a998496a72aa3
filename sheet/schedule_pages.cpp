#include "sheet/schedule_pages.h"

#include <QPainter>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/schedule_rows.h"
#include "resources/fonts/embedded_fonts.h"
#include "sheet/calculation_sheet.h"
#include "sheet/drawing_pages.h"
#include "sheet/left_to_right.h"
#include "sheet/page_output.h"
#include "sheet/page_painter.h"
#include "sheet/pdf_page.h"
#include "sheet/program_version.h"
#include "sheet/report_text.h"
#include "translations/program_language.h"
#include "translations/texts.h"

using namespace Qt::Literals::StringLiterals;

namespace coldesign {
namespace {

constexpr int kPdfResolution = 300;
constexpr qreal kMargin = 36;  // points
constexpr qreal kRowHeight = 14;
constexpr qreal kTextSize = 8;
constexpr qreal kPadding = 3;
const QColor kRuleColour(0x80, 0x80, 0x80);
const QColor kHeaderFill(0xE8, 0xE8, 0xE8);
const QColor kFailureColour(0xB0, 0x00, 0x20);

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString Figure(double value) { return Text(FormatNumber(value)); }

// One cell of a row: its text, whether it reads left to right (numbers), and whether it is
// centred in its column (numbers and titles).
struct Cell {
  QString text;
  bool numeric = false;
  bool centred = numeric;
};

struct Column {
  QString title;
  qreal width;  // points
};

// A table: its columns from the right, and its rows.
struct Table {
  QString caption;
  std::vector<Column> columns;
  std::vector<std::vector<Cell>> rows;
  std::vector<bool> failed;  // rows drawn in the failure colour
};

QString SectionTitle() { return Texts::tr("المقطع cm", "schedule-pages.section"); }

// A cell of the schedule's tables as the pages show it: figures left to right and centred.
Cell Shown(const ScheduleCell& cell, const QString& marks = {}) {
  switch (cell.kind) {
    case CellKind::Text:
      return {Said(ReportText{cell.text, {}})};
    case CellKind::Number:
    case CellKind::Figures:
      return cell.text.empty() ? Cell{} : Cell{Text(cell.text), true};
    case CellKind::Mark:
      return {TypedLeftToRight(Text(cell.text)) +
              (cell.note.empty() ? QString() : Said(ReportText{cell.note, {}}))};
    case CellKind::Marks:
      return {marks};
    case CellKind::Empty:
      break;
  }
  return {};
}

// The levels' columns the pages show: width and length, count and diameter, in one cell each.
constexpr std::array kLevelCells = {
    LevelCell::Mark,          LevelCell::Count,        LevelCell::Level,
    LevelCell::FloorsCarried, LevelCell::RequiredArea, LevelCell::Section,
    LevelCell::SteelArea,     LevelCell::BarSet,       LevelCell::Status};

Table LevelsTable(const Schedule& schedule) {
  Table table{LevelsTitle(),
              {{MarkTitle(), 70},
               {CountTitle(), 34},
               {LevelTitle(), 34},
               {FloorsCarriedTitle(), 60},
               {Texts::tr("المساحة المطلوبة cm²", "schedule-pages.required-area"), 84},
               {SectionTitle(), 58},
               {Texts::tr("الحديد cm²", "schedule-pages.steel-area"), 84},
               {BarsTitle(), 49},
               {StatusTitle(), 50}},
              {},
              {}};
  for (const ScheduleColumn& column : schedule.columns) {
    for (int number = 1; number <= static_cast<int>(column.levels.size()); ++number) {
      std::vector<Cell> row;
      row.reserve(kLevelCells.size());
      for (const LevelCell cell : kLevelCells) {
        row.push_back(Shown(LevelCellOf(schedule, column, number, cell)));
      }
      table.rows.push_back(std::move(row));
      table.failed.push_back(schedule.Level(column, number).failure.has_value());
    }
  }
  return table;
}

Table TypesTable(const Schedule& schedule) {
  Table table{Texts::tr("الأنواع والكميات (دون وصلات أو هالك)", "schedule-pages.types"),
              {{TypeTitle(), 34},
               {ColumnsTitle(), 120},
               {CountTitle(), 40},
               {LevelsTitle(), 50},
               {SectionTitle(), 62},
               {BarsTitle(), 55},
               {Texts::tr("الخرسانة m³", "schedule-pages.concrete"), 80},
               {Texts::tr("الحديد kg", "schedule-pages.steel"), 82}},
              {},
              {}};
  const QString separator = InProgramLanguage(kListSeparator);
  for (const TypesRow& row : TypesRows(schedule)) {
    QStringList marks;
    if (row[TypeCell::Columns].kind == CellKind::Marks) {
      for (const std::string_view mark : TypeMarks(schedule, schedule.types[row.type])) {
        marks.push_back(TypedLeftToRight(Text(mark)));
      }
    }
    const QString marks_text = marks.join(separator);
    std::vector<Cell> cells;
    cells.reserve(row.cells.size());
    for (const ScheduleCell& cell : row.cells) cells.push_back(Shown(cell, marks_text));
    table.rows.push_back(std::move(cells));
    table.failed.push_back(row.failed);
  }
  return table;
}

QString MaterialsText(const Schedule& schedule) {
  const DesignMaterials& m = schedule.materials;
  return Texts::tr(
             "الخرسانة %1، الحديد %2، العرض %3، الأسياخ %4، معامل زيادة الحمل %5، ارتفاع "
             "الدور %6، كثافة الحديد %7",
             "schedule-pages.materials")
      .arg(LeftToRightIsolate(u"fcu = "_s + Figure(m.concrete_strength_kg_per_cm2) + u" kg/cm²"_s),
           LeftToRightIsolate(u"fy = "_s + Figure(m.steel_yield_kg_per_cm2) + u" kg/cm²"_s),
           LeftToRightIsolate(Figure(m.width_cm) + u" cm"_s),
           LeftToRightIsolate(u"Φ"_s + Figure(m.bar_diameter_mm)),
           LeftToRightIsolate(Figure(m.load_factor)),
           LeftToRightIsolate(Figure(schedule.floor_height_m) + u" m"_s),
           LeftToRightIsolate(Figure(rules::kSteelDensityKgPerM3) + u" kg/m³"_s));
}

// Lays the tables out on pages: a page's title, the running table's caption and header, its
// rows, and the page number at the foot.
class SchedulePainter {
 public:
  SchedulePainter(PagePainter& page, const Schedule& schedule, std::function<void()> next_page)
      : page_(page), schedule_(schedule), next_page_(std::move(next_page)) {}

  void paint(const std::vector<Table>& tables) {
    page_count_ = countPages(tables);
    startPage();
    for (const Table& table : tables) {
      if (y_ + 3 * kRowHeight > bottom()) newPage();
      tableHeader(table);
      for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (y_ + kRowHeight > bottom()) {
          newPage();
          tableHeader(table);
        }
        row(table, table.rows[r], table.failed[r]);
      }
      y_ += kRowHeight;
    }
  }

 private:
  [[nodiscard]] static qreal bottom() { return kSheetPageSize.height() - kMargin - kRowHeight; }
  [[nodiscard]] static qreal top() { return kMargin + 44; }

  // The same walk as paint(), without drawing.
  static int countPages(const std::vector<Table>& tables) {
    int pages = 1;
    qreal y = top();
    for (const Table& table : tables) {
      if (y + 3 * kRowHeight > bottom()) ++pages, y = top();
      y += 2 * kRowHeight;
      for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (y + kRowHeight > bottom()) ++pages, y = top() + 2 * kRowHeight;
        y += kRowHeight;
      }
      y += kRowHeight;
    }
    return pages;
  }

  void newPage() {
    next_page_();
    startPage();
  }

  void startPage() {
    ++page_number_;
    const qreal width = kSheetPageSize.width() - 2 * kMargin;
    page_.text({kMargin, kMargin, width, 20}, ScheduleTitle(), SheetFont(14));
    page_.text({kMargin, kMargin + 22, width, 14}, MaterialsText(schedule_), SheetFont(kTextSize));
    page_.text({kMargin, kSheetPageSize.height() - kMargin - 10, width, 12},
               Texts::tr("صفحة %1 من %2", "schedule-pages.page")
                   .arg(Figure(page_number_), Figure(page_count_)),
               SheetFont(kTextSize), Qt::AlignHCenter | Qt::AlignTop);
    y_ = top();
  }

  void tableHeader(const Table& table) {
    const qreal width = kSheetPageSize.width() - 2 * kMargin;
    page_.text({kMargin, y_, width, kRowHeight}, table.caption, SheetFont(10));
    y_ += kRowHeight;
    page_.rect({kMargin, y_, width, kRowHeight}, 0.5, kRuleColour, kHeaderFill);
    std::vector<Cell> titles;
    titles.reserve(table.columns.size());
    for (const Column& column : table.columns) titles.push_back({column.title, false, true});
    cells(table, titles, Qt::black);
    y_ += kRowHeight;
  }

  void row(const Table& table, const std::vector<Cell>& row, bool failed) {
    const qreal width = kSheetPageSize.width() - 2 * kMargin;
    page_.line({kMargin, y_ + kRowHeight}, {kMargin + width, y_ + kRowHeight}, 0.3, kRuleColour);
    cells(table, row, failed ? kFailureColour : Qt::black);
    y_ += kRowHeight;
  }

  // The cells from the right, each cut to its width.
  void cells(const Table& table, const std::vector<Cell>& row, const QColor& colour) {
    const QFont font = SheetFont(kTextSize);
    qreal right = kSheetPageSize.width() - kMargin;
    for (std::size_t c = 0; c < table.columns.size() && c < row.size(); ++c) {
      const qreal width = table.columns[c].width;
      const QRectF box(right - width + kPadding, y_ + 2, width - 2 * kPadding, kRowHeight - 2);
      const Cell& cell = row[c];
      page_.text(box, fitted(cell.text, font, box.width()), font,
                 (cell.centred ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignTop,
                 cell.numeric ? Qt::LeftToRight : Qt::RightToLeft, colour);
      right -= width;
    }
  }

  // The text, or as much of it as fits with "…" (inside the island the cut falls in).
  QString fitted(const QString& text, const QFont& font, qreal width) {
    if (page_.textWidth(text, font) <= width) return text;
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {  // the longest start that fits with the ellipsis
      const qsizetype middle = (low + high + 1) / 2;
      const QString start = text.left(middle);
      if (page_.textWidth(start + u'…' + ClosingIsolates(start), font) <= width) {
        low = middle;
      } else {
        high = middle - 1;
      }
    }
    const QString start = text.left(low);
    return start + u'…' + ClosingIsolates(start);
  }

  PagePainter& page_;
  const Schedule& schedule_;
  std::function<void()> next_page_;
  int page_number_ = 0;
  int page_count_ = 0;
  qreal y_ = 0;
};

}  // namespace

namespace {

// The pages on `output`, each `page` pixels at `dots_per_inch`; `next_page` starts a new one.
void PaintPages(const Schedule& schedule, PageOutput& output, const QRectF& page,
                qreal dots_per_inch, const std::function<void()>& next_page) {
  RegisterEmbeddedFonts();  // the pages look the same where no Noto font is installed
  const qreal points_per_pixel = kPointsPerInch / dots_per_inch;
  const qreal scale = std::min({1.0, page.width() * points_per_pixel / kSheetPageSize.width(),
                                page.height() * points_per_pixel / kSheetPageSize.height()});
  PagePainter page_painter(output, page, dots_per_inch, scale);
  // Laid out right to left; a left-to-right language reads the pages mirrored.
  if (CurrentLanguage() == Language::English) page_painter.mirror(kSheetPageSize.width());
  // Each page goes to the output whole before the next one starts.
  SchedulePainter(page_painter, schedule, [&page_painter, &next_page] {
    page_painter.draw();
    next_page();
  }).paint({LevelsTable(schedule), TypesTable(schedule)});
  page_painter.draw();
}

}  // namespace

void PaintSchedulePages(const Schedule& schedule, QPagedPaintDevice& device) {
  QPainter painter(&device);
  PainterPageOutput output(painter);
  PaintPages(schedule, output, QRectF(0, 0, device.width(), device.height()), device.logicalDpiX(),
             [&device] { device.newPage(); });
}

QByteArray SchedulePdf(const Schedule& schedule) {
  PdfPage pdf(kSheetPageSize, kPdfResolution);
  PaintPages(schedule, pdf,
             QRectF(QPointF(0, 0), kSheetPageSize * (kPdfResolution / kPointsPerInch)),
             kPdfResolution, [&pdf] { pdf.newPage(); });
  AppendDrawingPages(schedule, pdf, kPdfResolution);
  return pdf.document({ScheduleTitle(), ProgramName() + u' ' + kProgramVersion.toString()});
}

}  // namespace coldesign
