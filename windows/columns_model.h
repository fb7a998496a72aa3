#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <expected>
#include <optional>
#include <vector>

#include "calculation/schedule_entry.h"

namespace coldesign {

// The table's columns: mark, load, floors, count, Mx, My, in this order.
inline constexpr int kColumnsTableFields = 6;
// The entry's value in the table's `column`.
std::string& ValueInColumn(ColumnEntry& entry, int column);
const std::string& ValueInColumn(const ColumnEntry& entry, int column);

// The schedule's columns as the engineer types them: mark, load per floor, floors, count and the
// moments, one row each. Every value is kept as typed and shown left to right; each row is read by
// the engine once when it changes, never while the table is painted.
class ColumnsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ColumnsModel(QObject* parent = nullptr);

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A new table: what was there is let go (ColumnsTableEdits makes the undoable changes).
  void setEntries(std::vector<ColumnEntry> entries);
  [[nodiscard]] const std::vector<ColumnEntry>& entries() const { return entries_; }
  // The rows not left wholly blank, as typed, refused ones too: what the table's file holds.
  [[nodiscard]] std::vector<ColumnEntry> filledEntries() const;

  // Puts `rows` in the place of the `count` rows from `row` on; rows are added or removed as
  // their numbers differ.
  void replaceRows(int row, int count, std::vector<ColumnEntry> rows);

  // A row the engine refused, counted from 0, and why.
  struct RefusedRow {
    int row = 0;
    EntryError error;
  };
  // The columns of the rows the engine read, in order, rows left wholly blank skipped; and the
  // first row it refused.
  struct ReadColumns {
    std::vector<ColumnInput> columns;
    std::optional<RefusedRow> first_refused;
    int refused = 0;
  };
  [[nodiscard]] ReadColumns readColumns() const;

 private:
  void readRows(int first, int last);

  std::vector<ColumnEntry> entries_;
  std::vector<std::expected<ColumnInput, EntryError>> read_;  // for each row, as ReadEntry gives it
};

}  // namespace coldesign
