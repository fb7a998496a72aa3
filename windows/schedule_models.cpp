#include "windows/schedule_models.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <string_view>
#include <utility>

#include "calculation/schedule_rows.h"
#include "sheet/left_to_right.h"
#include "sheet/report_text.h"
#include "translations/messages.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

const QColor kFailure(0xB0, 0x00, 0x20);

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString Said(std::string_view key) { return Said(ReportText{key, {}}); }

// Each figure and each mark reads left to right inside the Arabic table: "-5", not "5-".
QString Mark(std::string_view mark) { return TypedLeftToRight(Text(mark)); }

// A cell as the window shows it; `marks`, a type's list of marks.
QString Shown(const ScheduleCell& cell, const QString& marks = {}) {
  switch (cell.kind) {
    case CellKind::Text:
      return Said(cell.text);
    case CellKind::Number:
    case CellKind::Figures:
      return LeftToRightIsolate(Text(cell.text));
    case CellKind::Mark:
      return Mark(cell.text) + (cell.note.empty() ? QString() : Said(cell.note));
    case CellKind::Marks:
      return marks;
    case CellKind::Empty:
      break;
  }
  return {};
}

}  // namespace

void LevelsModel::setSchedule(std::shared_ptr<const Schedule> schedule) {
  beginResetModel();
  schedule_ = std::move(schedule);
  first_rows_.assign(1, 0);
  for (const ScheduleColumn& column : schedule_->columns) {
    first_rows_.push_back(first_rows_.back() + static_cast<int>(column.levels.size()));
  }
  endResetModel();
}

int LevelsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || first_rows_.empty() ? 0 : first_rows_.back();
}

int LevelsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kLevelTitles.size());
}

QVariant LevelsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto after = std::ranges::upper_bound(first_rows_, index.row());
  const auto column_index = static_cast<std::size_t>(after - first_rows_.begin() - 1);
  const ScheduleColumn& column = schedule_->columns[column_index];
  const int level_number = index.row() - *(after - 1) + 1;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
  if (role == Qt::ForegroundRole) {
    return schedule_->Level(column, level_number).failure ? QVariant(QBrush(kFailure)) : QVariant();
  }
  if (role != Qt::DisplayRole || index.column() >= columnCount({})) return {};
  return Shown(
      LevelCellOf(*schedule_, column, level_number, static_cast<LevelCell>(index.column())));
}

QVariant LevelsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return Said(kLevelTitles.at(static_cast<std::size_t>(section)));
}

void TypesModel::setSchedule(const Schedule& schedule) {
  beginResetModel();
  rows_.clear();
  const QString separator = InProgramLanguage(kListSeparator);
  for (const TypesRow& row : TypesRows(schedule)) {
    if (row.total) continue;  // the window says the totals under the tables
    QStringList marks;
    if (row[TypeCell::Columns].kind == CellKind::Marks) {
      for (const std::string_view mark : TypeMarks(schedule, schedule.types[row.type])) {
        marks.append(Mark(mark));
      }
    }
    Row& shown = rows_.emplace_back();
    shown.failed = row.failed;
    const QString marks_text = marks.join(separator);
    for (const ScheduleCell& cell : row.cells) shown.cells.append(Shown(cell, marks_text));
  }
  endResetModel();
}

int TypesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TypesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kTypeCells);
}

QVariant TypesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return row.cells.value(index.column());
    case Qt::TextAlignmentRole:  // a list of marks from where a line starts, in either direction
      return QVariant::fromValue(index.column() == std::to_underlying(TypeCell::Columns)
                                     ? Qt::AlignLeading | Qt::AlignVCenter
                                     : Qt::AlignCenter);
    case Qt::ForegroundRole:
      return row.failed ? QVariant(QBrush(kFailure)) : QVariant();
    default:
      return {};
  }
}

QVariant TypesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return Said(kTypeTitles.at(static_cast<std::size_t>(section)));
}

QString ScheduleSummary(const Schedule& schedule, bool floor_height_in_range,
                        const ColumnsModel::ReadColumns& read, const QAbstractItemModel& table) {
  const std::vector<ReportText> summary = ScheduleSummaryLines(schedule);
  QStringList lines;
  lines.append(floor_height_in_range ? Said(summary.front(), FigureMarks::Isolate)
                                     : FloorHeightMessage().in(InProgramLanguage));
  if (read.first_refused) {
    const auto& [row, error] = *read.first_refused;
    lines.append(
        Texts::tr("صفوف لم تقرأ: %1؛ أولها الصف %2، العمود «%3»: %4", "schedule.rows-not-read")
            .arg(LeftToRightIsolate(Text(FormatInteger(read.refused))),
                 LeftToRightIsolate(Text(FormatInteger(row + 1))),
                 table.headerData(static_cast<int>(error.field), Qt::Horizontal).toString(),
                 ProblemMessage(error.problem).in(InProgramLanguage)));
  }
  for (std::size_t i = 1; i < summary.size(); ++i) lines.append(Said(summary[i]));
  return lines.join(u'\n');
}

}  // namespace coldesign
