#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <expected>
#include <optional>
#include <vector>

#include "calculation/schedule_entry.h"

namespace coldesign {

// The schedule's columns as the engineer types them: mark, load per floor, floors and count, one
// row each. Every value is kept as typed; each row is read by the engine once when it changes,
// never while the table is painted.
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
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  bool insertRows(int row, int count, const QModelIndex& parent) override;
  bool removeRows(int row, int count, const QModelIndex& parent) override;

  void setEntries(std::vector<ColumnEntry> entries);
  [[nodiscard]] const std::vector<ColumnEntry>& entries() const { return entries_; }

  // Rows copied from a spreadsheet (values separated by tabs, rows by line breaks) written over
  // the table from `at` on, rows added below as needed; at the end of the table without `at`.
  void paste(const QString& text, const QModelIndex& at);
  // Empties the cells' texts.
  void clearCells(const QModelIndexList& cells);

  // A row the engine refused, counted from 0, and why.
  struct RefusedRow {
    int row = 0;
    EntryError error;
  };
  // The columns of the rows the engine read, in order, rows left wholly blank skipped; and the
  // first row it refused.
  struct ReadColumns {
    std::vector<ColumnInput> columns;
    std::vector<ColumnEntry> entries;  // the same rows as typed
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
