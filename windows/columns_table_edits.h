#pragma once

#include <QAction>
#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QString>
#include <QTableView>
#include <QUndoStack>

#include "windows/columns_model.h"

namespace coldesign {

// The changes the engineer makes to the columns table, each one step that Undo (Ctrl+Z) takes
// back and Redo (Ctrl+Shift+Z, Ctrl+Y) makes again: a cell typed, rows pasted (over existing
// rows too), cells cleared (Delete), a row added, rows removed. A new table
// (ColumnsModel::setEntries) starts with no steps.
class ColumnsTableEdits : public QObject {
  Q_OBJECT

 public:
  // Edits `model` through `view`: gives the view its cell editor, where numbers are typed in the
  // load, floors and count columns as in the design window's fields and every value reads left
  // to right; puts Undo, Redo, AddRow and RemoveRows on `window`, PasteRows and ClearCells on
  // the view (inside a cell being edited, Ctrl+V and Delete act on the cell's text).
  ColumnsTableEdits(ColumnsModel* model, QTableView* view, QWidget* window);

  [[nodiscard]] QUndoStack* steps() { return &steps_; }
  // Undo, Redo, AddRow and RemoveRows, for a tool bar.
  [[nodiscard]] QList<QAction*> tools() const { return {undo_, redo_, add_row_, remove_rows_}; }
  // Gives the actions their words in the program's language.
  void retranslate();

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
  void addRowAndEdit();
  void removeSelectedRows();

  ColumnsModel* model_;
  QTableView* view_;
  QUndoStack steps_;
  QAction* undo_;
  QAction* redo_;
  QAction* add_row_;
  QAction* remove_rows_;
};

}  // namespace coldesign
