#include "windows/columns_model.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "sheet/left_to_right.h"
#include "translations/messages.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

constexpr int kFieldCount = kColumnsTableFields;

// The entry's values in the order of the table's columns: mark, load, floors, count, Mx, My.
constexpr std::array<std::string ColumnEntry::*, kFieldCount> kValues = {
    &ColumnEntry::mark,       &ColumnEntry::load_text,     &ColumnEntry::floors_text,
    &ColumnEntry::count_text, &ColumnEntry::moment_x_text, &ColumnEntry::moment_y_text};

bool IsBlank(const ColumnEntry& entry) {
  return std::ranges::all_of(kValues,
                             [&entry](auto value) { return TrimBlanks(entry.*value).empty(); });
}

const QColor kRefusedCell(0xF8, 0xD7, 0xDA);

}  // namespace

std::string& ValueInColumn(ColumnEntry& entry, int column) {
  return entry.*kValues.at(static_cast<std::size_t>(column));
}
const std::string& ValueInColumn(const ColumnEntry& entry, int column) {
  return entry.*kValues.at(static_cast<std::size_t>(column));
}

ColumnsModel::ColumnsModel(QObject* parent) : QAbstractTableModel(parent) {}

int ColumnsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int ColumnsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFieldCount;
}

QVariant ColumnsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const auto& read = read_[row];
  const bool refused =
      !read && static_cast<int>(read.error().field) == index.column() && !IsBlank(entries_[row]);
  switch (role) {
    case Qt::DisplayRole:
      return TypedLeftToRight(QString::fromStdString(ValueInColumn(entries_[row], index.column())));
    case Qt::EditRole:
      return QString::fromStdString(ValueInColumn(entries_[row], index.column()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignCenter);
    case Qt::BackgroundRole:
      return refused ? QVariant(QBrush(kRefusedCell)) : QVariant();
    case Qt::ToolTipRole:
      return refused ? ProblemMessage(read.error().problem).in(InProgramLanguage) : QVariant();
    default:
      return {};
  }
}

QVariant ColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (static_cast<ScheduleField>(section)) {
    case ScheduleField::Mark:
      return MarkTitle();
    case ScheduleField::Load:
      return Texts::tr("الحمل لكل دور (t)", "schedule.load-per-floor");
    case ScheduleField::Floors:
      return Texts::tr("عدد الأدوار", "schedule.floors");
    case ScheduleField::Count:
      return CountTitle();
    case ScheduleField::MomentX:
      return Texts::tr("عزم x (t.m)", "schedule.moment-x");
    case ScheduleField::MomentY:
      return Texts::tr("عزم y (t.m)", "schedule.moment-y");
  }
  return {};
}

Qt::ItemFlags ColumnsModel::flags(const QModelIndex& index) const {
  return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void ColumnsModel::setEntries(std::vector<ColumnEntry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  read_.assign(entries_.size(), ReadEntry(ColumnEntry{}));
  readRows(0, rowCount({}) - 1);
  endResetModel();
}

std::vector<ColumnEntry> ColumnsModel::filledEntries() const {
  std::vector<ColumnEntry> filled;
  std::ranges::copy_if(entries_, std::back_inserter(filled),
                       [](const ColumnEntry& entry) { return !IsBlank(entry); });
  return filled;
}

void ColumnsModel::replaceRows(int row, int count, std::vector<ColumnEntry> rows) {
  const auto first = static_cast<std::size_t>(row);
  const auto old_count = static_cast<std::size_t>(count);
  const std::size_t kept = std::min(old_count, rows.size());
  std::move(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(kept),
            entries_.begin() + static_cast<std::ptrdiff_t>(first));
  if (kept > 0) {
    readRows(row, row + static_cast<int>(kept) - 1);
    emit dataChanged(index(row, 0), index(row + static_cast<int>(kept) - 1, kFieldCount - 1));
  }
  const int end = row + static_cast<int>(kept);  // where rows are added or removed
  if (rows.size() > old_count) {
    const auto added = static_cast<int>(rows.size() - old_count);
    beginInsertRows({}, end, end + added - 1);
    const auto at = static_cast<std::ptrdiff_t>(end);
    entries_.insert(entries_.begin() + at,
                    std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(kept)),
                    std::make_move_iterator(rows.end()));
    read_.insert(read_.begin() + at, static_cast<std::size_t>(added), ReadEntry(ColumnEntry{}));
    readRows(end, end + added - 1);
    endInsertRows();
  } else if (old_count > rows.size()) {
    const auto removed = static_cast<int>(old_count - rows.size());
    beginRemoveRows({}, end, end + removed - 1);
    const auto at = static_cast<std::ptrdiff_t>(end);
    entries_.erase(entries_.begin() + at, entries_.begin() + at + removed);
    read_.erase(read_.begin() + at, read_.begin() + at + removed);
    endRemoveRows();
  }
}

ColumnsModel::ReadColumns ColumnsModel::readColumns() const {
  ReadColumns read;
  for (std::size_t row = 0; row < entries_.size(); ++row) {
    if (IsBlank(entries_[row])) continue;
    if (!read_[row]) {
      if (read.refused++ == 0) read.first_refused = {static_cast<int>(row), read_[row].error()};
      continue;
    }
    read.columns.push_back(*read_[row]);
  }
  return read;
}

void ColumnsModel::readRows(int first, int last) {
  for (int row = first; row <= last; ++row) {
    const auto r = static_cast<std::size_t>(row);
    read_[r] = ReadEntry(entries_[r]);
  }
}

}  // namespace coldesign
