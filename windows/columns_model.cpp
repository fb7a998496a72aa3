#include "windows/columns_model.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <array>
#include <utility>

#include "cli/command_line_texts.h"
#include "translations/texts.h"

namespace coldesign {
namespace {

constexpr int kFieldCount = 4;  // mark, load, floors, count: the table's columns in this order

// The entry's values in the order of the table's columns: mark, load, floors, count.
constexpr std::array<std::string ColumnEntry::*, kFieldCount> kValues = {
    &ColumnEntry::mark, &ColumnEntry::load_text, &ColumnEntry::floors_text,
    &ColumnEntry::count_text};

std::string& ValueOf(ColumnEntry& entry, int column) {
  return entry.*kValues.at(static_cast<std::size_t>(column));
}
const std::string& ValueOf(const ColumnEntry& entry, int column) {
  return entry.*kValues.at(static_cast<std::size_t>(column));
}

bool IsBlank(const ColumnEntry& entry) {
  return std::ranges::all_of(kValues,
                             [&entry](auto value) { return TrimBlanks(entry.*value).empty(); });
}

const QColor kRefusedCell(0xF8, 0xD7, 0xDA);

}  // namespace

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
    case Qt::EditRole:
      return QString::fromStdString(ValueOf(entries_[row], index.column()));
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
  }
  return {};
}

Qt::ItemFlags ColumnsModel::flags(const QModelIndex& index) const {
  return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool ColumnsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  ValueOf(entries_[static_cast<std::size_t>(index.row())], index.column()) =
      value.toString().toStdString();
  readRows(index.row(), index.row());
  emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(kFieldCount - 1));
  return true;
}

bool ColumnsModel::insertRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || row > rowCount({}) || count < 1) return false;
  beginInsertRows(parent, row, row + count - 1);
  entries_.insert(entries_.begin() + row, static_cast<std::size_t>(count), ColumnEntry{});
  read_.insert(read_.begin() + row, static_cast<std::size_t>(count), ReadEntry(ColumnEntry{}));
  endInsertRows();
  return true;
}

bool ColumnsModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount({})) return false;
  beginRemoveRows(parent, row, row + count - 1);
  entries_.erase(entries_.begin() + row, entries_.begin() + row + count);
  read_.erase(read_.begin() + row, read_.begin() + row + count);
  endRemoveRows();
  return true;
}

void ColumnsModel::setEntries(std::vector<ColumnEntry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  read_.assign(entries_.size(), ReadEntry(ColumnEntry{}));
  readRows(0, rowCount({}) - 1);
  endResetModel();
}

void ColumnsModel::paste(const QString& text, const QModelIndex& at) {
  QStringList lines = text.split(u'\n');
  if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();  // the last line's break
  const int first_row = at.isValid() ? at.row() : rowCount({});
  const int first_column = at.isValid() ? at.column() : 0;
  const int last_row = first_row + static_cast<int>(lines.size()) - 1;
  if (last_row >= rowCount({})) insertRows(rowCount({}), last_row - rowCount({}) + 1, {});
  int last_column = first_column;
  auto entry = entries_.begin() + first_row;
  for (QString& line : lines) {
    if (line.endsWith(u'\r')) line.chop(1);
    const QStringList values = line.split(u'\t');
    for (int c = 0; c < values.size() && first_column + c < kFieldCount; ++c) {
      ValueOf(*entry, first_column + c) = values[c].toStdString();
      last_column = std::max(last_column, first_column + c);
    }
    ++entry;
  }
  readRows(first_row, last_row);
  emit dataChanged(index(first_row, first_column), index(last_row, last_column));
}

void ColumnsModel::clearCells(const QModelIndexList& cells) {
  if (cells.isEmpty()) return;
  int first = rowCount({});
  int last = -1;
  for (const QModelIndex& cell : cells) {
    ValueOf(entries_[static_cast<std::size_t>(cell.row())], cell.column()).clear();
    first = std::min(first, cell.row());
    last = std::max(last, cell.row());
  }
  readRows(first, last);
  emit dataChanged(index(first, 0), index(last, kFieldCount - 1));
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
    read.entries.push_back(entries_[row]);
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
