#include "windows/columns_table_edits.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QUndoCommand>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "translations/texts.h"
#include "windows/controls.h"
#include "windows/input_guard.h"
#include "windows/pasted_rows.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// Enough to take back a session's edits; each step holds the rows it changed, so a stack without
// end would hold every large paste for good.
constexpr int kMostSteps = 200;

// Every edit is some rows put in the place of others.
class ReplaceRows : public QUndoCommand {
 public:
  ReplaceRows(ColumnsModel* model, int row, std::vector<ColumnEntry> before,
              std::vector<ColumnEntry> after, QUndoCommand* parent = nullptr)
      : QUndoCommand(parent),
        model_(model),
        row_(row),
        before_(std::move(before)),
        after_(std::move(after)) {}

  void redo() override { model_->replaceRows(row_, static_cast<int>(before_.size()), after_); }
  void undo() override { model_->replaceRows(row_, static_cast<int>(after_.size()), before_); }

 private:
  ColumnsModel* model_;
  int row_;
  std::vector<ColumnEntry> before_;
  std::vector<ColumnEntry> after_;
};

std::vector<ColumnEntry> Rows(const ColumnsModel& model, int first, int count) {
  const auto start = model.entries().begin() + first;
  return {start, start + count};
}

// Runs of neighbouring rows, first and last, from the bottom up.
std::vector<std::pair<int, int>> RunsFromTheBottom(QList<int> rows) {
  std::ranges::sort(rows, std::greater{});
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<std::pair<int, int>> runs;
  for (const int row : rows) {
    if (!runs.empty() && runs.back().first == row + 1) {
      runs.back().first = row;
    } else {
      runs.emplace_back(row, row);
    }
  }
  return runs;
}

class TypingDelegate : public QStyledItemDelegate {
 public:
  TypingDelegate(ColumnsTableEdits* edits, QObject* parent)
      : QStyledItemDelegate(parent), edits_(edits) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto* field = qobject_cast<QLineEdit*>(editor);
    if (field != nullptr) {
      field->setLayoutDirection(Qt::LeftToRight);
      if (index.column() != static_cast<int>(ScheduleField::Mark)) GuardNumericInput(field);
    }
    return editor;
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    if (auto* field = qobject_cast<QLineEdit*>(editor); field != nullptr) {
      edits_->type(index, field->text());
    } else {
      QStyledItemDelegate::setModelData(editor, model, index);
    }
  }

 private:
  ColumnsTableEdits* edits_;
};

}  // namespace

ColumnsTableEdits::ColumnsTableEdits(ColumnsModel* model, QTableView* view, QWidget* window)
    : QObject(window),
      model_(model),
      view_(view),
      undo_(NamedAction(window, "Undo", QKeySequence::Undo)),
      redo_(NamedAction(window, "Redo")),
      add_row_(NamedAction(window, "AddRow")),
      remove_rows_(NamedAction(window, "RemoveRows")) {
  steps_.setUndoLimit(kMostSteps);
  connect(model_, &QAbstractItemModel::modelReset, &steps_, &QUndoStack::clear);

  redo_->setShortcuts({QKeySequence(u"Ctrl+Shift+Z"_s), QKeySequence(u"Ctrl+Y"_s)});
  undo_->setEnabled(false);
  redo_->setEnabled(false);
  connect(undo_, &QAction::triggered, &steps_, &QUndoStack::undo);
  connect(redo_, &QAction::triggered, &steps_, &QUndoStack::redo);
  connect(&steps_, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
  connect(&steps_, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
  connect(add_row_, &QAction::triggered, this, &ColumnsTableEdits::addRowAndEdit);
  connect(remove_rows_, &QAction::triggered, this, &ColumnsTableEdits::removeSelectedRows);

  QAction* paste = NamedAction(view_, "PasteRows", QKeySequence::Paste);
  QAction* clear = NamedAction(view_, "ClearCells", QKeySequence::Delete);
  for (QAction* action : {paste, clear}) action->setShortcutContext(Qt::WidgetShortcut);
  connect(paste, &QAction::triggered, this, [this] {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty()) this->paste(text, view_->currentIndex());
  });
  connect(clear, &QAction::triggered, this,
          [this] { this->clear(view_->selectionModel()->selectedIndexes()); });
  view_->setItemDelegate(new TypingDelegate(this, view_));
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void ColumnsTableEdits::retranslate() {
  const std::pair<QAction*, QString> texts[] = {
      {undo_, Texts::tr("تراجع", "schedule.undo")},
      {redo_, Texts::tr("إعادة", "schedule.redo")},
      {add_row_, Texts::tr("إضافة صف", "schedule.add-row")},
      {remove_rows_, Texts::tr("حذف الصفوف المحددة", "schedule.remove-rows")},
      {view_->findChild<QAction*>(u"PasteRows"_s), Texts::tr("لصق", "schedule.paste")},
      {view_->findChild<QAction*>(u"ClearCells"_s), Texts::tr("مسح", "schedule.clear")}};
  for (const auto& [action, text] : texts) action->setText(text);
  undo_->setToolTip(Texts::tr("التراجع عن آخر تغيير في الجدول (Ctrl+Z)", "schedule.undo-tip"));
  redo_->setToolTip(
      Texts::tr("إعادة التغيير الذي تم التراجع عنه (Ctrl+Shift+Z أو Ctrl+Y)", "schedule.redo-tip"));
}

void ColumnsTableEdits::addRowAndEdit() {
  const int row = model_->rowCount({});
  add(row);
  const QModelIndex mark = model_->index(row, 0);
  view_->setCurrentIndex(mark);
  view_->edit(mark);
}

void ColumnsTableEdits::removeSelectedRows() {
  QList<int> rows;
  for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
    rows.append(index.row());
  }
  if (rows.isEmpty() && view_->currentIndex().isValid()) rows.append(view_->currentIndex().row());
  remove(std::move(rows));
}

void ColumnsTableEdits::type(const QModelIndex& cell, const QString& text) {
  if (!cell.isValid()) return;
  ColumnEntry entry = model_->entries()[static_cast<std::size_t>(cell.row())];
  std::string& value = ValueInColumn(entry, cell.column());
  std::string typed = text.toStdString();
  if (value == typed) return;
  value = std::move(typed);
  steps_.push(new ReplaceRows(model_, cell.row(), Rows(*model_, cell.row(), 1), {entry}));
}

void ColumnsTableEdits::paste(const QString& text, const QModelIndex& at) {
  const QList<QStringList> pasted = ReadPastedRows(text);
  if (pasted.isEmpty()) return;
  const int first_row = at.isValid() ? at.row() : model_->rowCount({});
  const int first_column = at.isValid() ? at.column() : 0;
  const int over = std::min(static_cast<int>(pasted.size()), model_->rowCount({}) - first_row);
  std::vector<ColumnEntry> before = Rows(*model_, first_row, over);
  std::vector<ColumnEntry> after = before;
  after.resize(static_cast<std::size_t>(pasted.size()));
  for (qsizetype r = 0; r < pasted.size(); ++r) {
    const QStringList& values = pasted[r];
    for (int c = 0; c < values.size() && first_column + c < kColumnsTableFields; ++c) {
      ValueInColumn(after[static_cast<std::size_t>(r)], first_column + c) = values[c].toStdString();
    }
  }
  steps_.push(new ReplaceRows(model_, first_row, std::move(before), std::move(after)));
}

void ColumnsTableEdits::clear(const QModelIndexList& cells) {
  std::map<int, std::vector<int>> columns_of_row;
  for (const QModelIndex& cell : cells) columns_of_row[cell.row()].push_back(cell.column());
  QList<int> rows;
  for (const auto& [row, columns] : columns_of_row) rows.append(row);
  auto step = std::make_unique<QUndoCommand>();
  for (const auto& [first, last] : RunsFromTheBottom(std::move(rows))) {
    std::vector<ColumnEntry> before = Rows(*model_, first, last - first + 1);
    std::vector<ColumnEntry> after = before;
    for (int row = first; row <= last; ++row) {
      for (const int column : columns_of_row[row]) {
        ValueInColumn(after[static_cast<std::size_t>(row - first)], column).clear();
      }
    }
    if (after != before)
      new ReplaceRows(model_, first, std::move(before), std::move(after), step.get());
  }
  if (step->childCount() > 0) steps_.push(step.release());
}

void ColumnsTableEdits::add(int row) {
  steps_.push(new ReplaceRows(model_, row, {}, {ColumnEntry{}}));
}

void ColumnsTableEdits::remove(QList<int> rows) {
  if (rows.isEmpty()) return;
  auto* step = new QUndoCommand;
  for (const auto& [first, last] : RunsFromTheBottom(std::move(rows))) {
    new ReplaceRows(model_, first, Rows(*model_, first, last - first + 1), {}, step);
  }
  steps_.push(step);
}

}  // namespace coldesign
