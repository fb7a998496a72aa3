#pragma once

#include <QAction>
#include <QObject>
#include <QShortcut>
#include <QString>
#include <functional>
#include <optional>

#include "sheet/sheet_content.h"

namespace coldesign {

class DesignWindow;

// What the design window offers to take a design away: save the calculation sheet as PDF
// (Ctrl+S), print it (Ctrl+P) and copy the results (Ctrl+Shift+C), by shortcut and from the
// window's context menu. They work on the last successful Results, whatever was typed since.
class SheetActions : public QObject {
  Q_OBJECT

 public:
  // Asks where to save the sheet, starting from `suggested`; empty when the user cancels.
  using AskFileName = std::function<QString(QWidget* window, const QString& suggested)>;

  explicit SheetActions(DesignWindow* window);

  void setAskFileName(AskFileName ask) { ask_file_name_ = std::move(ask); }

  [[nodiscard]] QAction* saveAction() const { return save_; }
  [[nodiscard]] QAction* printAction() const { return print_; }
  [[nodiscard]] QAction* copyAction() const { return copy_; }

  // The sheet's suggested path: its file name in the Documents folder, or home without one.
  [[nodiscard]] QString suggestedPath() const;

 private:
  void takeDesign();
  void forgetDesign();
  void setAvailable(bool available);
  void showContextMenu(QPoint position);
  void noteResultsFirst();

  void saveSheet();
  void printSheet();
  void copyResults();

  DesignWindow* window_;
  QAction* save_;
  QAction* print_;
  QAction* copy_;
  QList<QShortcut*> before_results_;  // the same keys while there is nothing to take away
  AskFileName ask_file_name_;
  std::optional<SheetContent> design_;
};

}  // namespace coldesign
