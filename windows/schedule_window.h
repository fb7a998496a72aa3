#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <memory>
#include <optional>

#include "calculation/column_schedule.h"
#include "windows/columns_model.h"
#include "windows/columns_table_edits.h"
#include "windows/schedule_files.h"
#include "windows/schedule_models.h"

namespace coldesign {

// The building's columns: an editable table of marks, loads per floor, floors and counts (typed,
// pasted from a spreadsheet or opened from CSV), and below it every column's levels, the types
// and their quantities, worked out again once after each change. Saves the table as CSV, the
// schedule as CSV or PDF, and prints it.
class ScheduleWindow : public QMainWindow {
  Q_OBJECT

 public:
  using FileQuestion = coldesign::FileQuestion;
  using AskFileName = coldesign::AskFileName;

  explicit ScheduleWindow(const DesignMaterials& materials, QWidget* parent = nullptr);
  ~ScheduleWindow() override;
  ScheduleWindow(const ScheduleWindow&) = delete;
  ScheduleWindow& operator=(const ScheduleWindow&) = delete;

  void setMaterials(const DesignMaterials& materials);
  void setAskFileName(AskFileName ask) { ask_file_name_ = std::move(ask); }

  [[nodiscard]] ColumnsModel* columnsModel() const { return columns_; }
  [[nodiscard]] ColumnsTableEdits* edits() const { return edits_; }
  // The schedule of the table as last worked out.
  [[nodiscard]] const Schedule& schedule() const { return *schedule_; }

  // Reads the table from a CSV file; on a bad file says why and keeps the table as it was.
  bool openCsv(const QString& path);

  // Before the program ends: asks whether to save a table with changes not saved (as typed,
  // whatever it holds). True when the program may end (nothing to save, saved, or let go), false
  // when the user cancels or the table was not saved.
  bool settleUnsavedTable();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Gives every text its words in the program's language.
  void retranslate();
  void scheduleRecompute();
  void recompute();
  void showSummary();
  void showMaterials();

  void openTable();
  // True when the table was saved.
  bool saveTable();
  void exportLevels();
  void savePdf();
  // The drawing as a DXF file (schedule_drawing_save.cpp).
  void saveDrawing();
  void printSchedule();

  // Ends the editing of a cell, keeping what it holds, and works the schedule out if due.
  void commitEditedCell();
  // The table has rows with changes not saved.
  [[nodiscard]] bool hasUnsavedTable() const;
  // The schedule worked out from every row of the table, or false after saying what stops it.
  bool readyToWrite();
  // A path from the user ending in `extension`; empty when cancelled or not to be replaced.
  QString askSavePath(const QString& caption, const QString& file_name, const QString& extension);
  bool writeFile(const QString& path, const QByteArray& bytes);
  void tell(const QString& text);

  ColumnsModel* columns_;
  LevelsModel* levels_;
  TypesModel* types_;
  QTableView* columns_view_;
  QTableView* levels_view_;
  QTableView* types_view_;
  ColumnsTableEdits* edits_;
  QLineEdit* floor_height_;
  QLabel* materials_label_;
  QLabel* floor_height_label_;
  QTabWidget* results_;
  QToolBar* tools_;
  QLabel* summary_;
  QTimer recompute_timer_;
  DesignMaterials materials_;
  std::shared_ptr<const Schedule> schedule_;
  ColumnsModel::ReadColumns read_;        // the table as the schedule was worked out from it
  std::optional<double> floor_height_m_;  // none when the field holds no height in range
  QString folder_;                        // where the last file was opened or saved
  AskFileName ask_file_name_;
};

}  // namespace coldesign
