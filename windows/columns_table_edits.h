#pragma once

#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include "windows/columns_model.h"

class QAbstractItemDelegate;

namespace coldesign {

// The changes the engineer makes to the columns table, each one step that Undo takes back and
// Redo makes again: a cell typed, rows pasted (over existing rows too), cells cleared, a row
// added, rows removed. A new table (ColumnsModel::setEntries) starts with no steps.
class ColumnsTableEdits : public QObject {
  Q_OBJECT

 public:
  explicit ColumnsTableEdits(ColumnsModel* model, QObject* parent = nullptr);

  [[nodiscard]] QUndoStack* steps() { return &steps_; }

  // An editor for the table's cells whose typing is a step: numbers are typed in the load, floors
  // and count columns as in the design window's fields; every value reads left to right.
  QAbstractItemDelegate* makeDelegate(QObject* parent);

  void type(const QModelIndex& cell, const QString& text);
  // Rows copied from a spreadsheet (ReadPastedRows) written over the table from `at` on, rows
  // added below as needed; at the end of the table without `at`.
  void paste(const QString& text, const QModelIndex& at);
  // Empties the cells' texts.
  void clear(const QModelIndexList& cells);
  // A blank row at `row`.
  void add(int row);
  void remove(QList<int> rows);

 private:
  ColumnsModel* model_;
  QUndoStack steps_;
};

}  // namespace coldesign
