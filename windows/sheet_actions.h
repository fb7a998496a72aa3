#pragma once

#include <QAction>
#include <QObject>
#include <QShortcut>
#include <QString>
#include <functional>
#include <optional>

#include "sheet/sheet_content.h"

namespace coldesign {

// What the design window offers to take a design away: save the calculation sheet as PDF
// (Ctrl+S), print it (Ctrl+P) and copy the results (Ctrl+Shift+C), by shortcut and, through the
// window, from its context menu. They work on the last successful Results, whatever was typed
// since.
class SheetActions : public QObject {
  Q_OBJECT

 public:
  // Asks where to save the sheet, starting from `suggested`; empty when the user cancels.
  using AskFileName = std::function<QString(QWidget* window, const QString& suggested)>;

  // `window` wears the actions; `results_button` is pointed at while there is no design yet.
  SheetActions(QWidget* window, QWidget* results_button);

  // The design of a successful Results, taken as a value; forgotten when a Results fails.
  void takeDesign(const SheetContent& design);
  void forgetDesign();

  void setAskFileName(AskFileName ask) { ask_file_name_ = std::move(ask); }

  [[nodiscard]] QAction* saveAction() const { return save_; }
  [[nodiscard]] QAction* printAction() const { return print_; }
  [[nodiscard]] QAction* copyAction() const { return copy_; }

  // The sheet's suggested path: its file name in the Documents folder, or home without one.
  [[nodiscard]] QString suggestedPath() const;

 protected:
  // The window passes on a change of the program's language: the actions are retranslated.
  bool event(QEvent* event) override;

 private:
  void retranslate();
  void setAvailable(bool available);
  void noteResultsFirst();

  void saveSheet();
  void printSheet();
  void copyResults();

  QWidget* window_;
  QWidget* results_button_;
  QAction* save_;
  QAction* print_;
  QAction* copy_;
  QList<QShortcut*> before_results_;  // the same keys while there is nothing to take away
  AskFileName ask_file_name_;
  std::optional<SheetContent> design_;
};

}  // namespace coldesign
