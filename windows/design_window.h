#pragma once

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <utility>

#include "calculation/design_materials.h"
#include "sheet/sheet_content.h"
#include "skin/skin_label.h"
#include "windows/moments_dialog.h"

namespace coldesign {

class SheetActions;

// The program's first window: the load and the floor count go in, the column section and its
// bars come out. Its fields hold all the program's data.
class DesignWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DesignWindow(QWidget* parent = nullptr);

  // The materials Results designs with; the width and diameter fields show them, and a design
  // on show is worked out again with them.
  void setMaterials(const DesignMaterials& materials);
  [[nodiscard]] const DesignMaterials& materials() const { return materials_; }

 signals:
  void notesRequested();
  void exitRequested();
  // After Results: the design of the inputs, or the calculation failed.
  void designed(const coldesign::SheetContent& design);
  void designFailed();
  void materialsChanged(const coldesign::DesignMaterials& materials);
  void scheduleRequested();

 protected:
  // Closing the window asks the same question as Exit; the answer decides.
  void closeEvent(QCloseEvent* event) override;
  // A change of the program's language retranslates the window.
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void showContextMenu(QPoint position);
  void switchLanguage();
  void showResults();
  void chooseMaterials();
  void chooseMoments();
  bool inputsAccepted();
  void revealResultsArea();
  void writeResult(const ColumnDesignResult& result);
  // A design that failed: no result stays on show, and the message says why.
  void refuseDesign(const QString& message);

  // What the results on show were designed for.
  struct ResultsInputs {
    QString load;
    QString floors;
    ColumnBending bending;
    friend bool operator==(const ResultsInputs&, const ResultsInputs&) = default;
  };
  [[nodiscard]] ResultsInputs currentInputs() const;
  // Results on show belong to `inputs`, or there are none.
  void setResultsInputs(std::optional<ResultsInputs> inputs);
  // Greys the results and shows the note while the inputs differ from those of the results;
  // otherwise the note shows the moments that governed them, if they did.
  void markStaleResults();

  SkinLabel* load_label_;
  SkinLabel* floors_label_;
  QLineEdit* load_field_;
  QLineEdit* floors_field_;
  QLineEdit* required_area_field_;
  QGroupBox* dimensions_frame_;
  QLineEdit* width_field_;
  QLineEdit* length_field_;
  QLineEdit* steel_area_field_;
  SkinLabel* diameter_label_;
  SkinLabel* bar_count_label_;
  QLineEdit* diameter_field_;
  QLineEdit* bar_count_field_;
  QPushButton* results_button_;
  QPushButton* exit_button_;
  QPushButton* notes_button_;
  QAction* materials_action_;
  QAction* moments_action_;
  QAction* schedule_action_;
  QAction* language_;
  SheetActions* sheet_actions_;
  SkinLabel* stale_note_;
  bool results_stale_ = false;
  // Of the results on show: Mx, My and the utilisation; empty when the moments did not govern.
  QStringList governing_figures_;
  std::optional<ResultsInputs> results_inputs_;
  ColumnBending bending_;  // for the session: a moment belongs to one column, not to the next
  DesignMaterials materials_;
};

}  // namespace coldesign
