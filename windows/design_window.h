#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "calculation/design_materials.h"
#include "skin/skin_label.h"

namespace coldesign {

struct ColumnDesignInput;
struct ColumnDesignResult;

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
  void designed(const coldesign::ColumnDesignInput& input,
                const coldesign::ColumnDesignResult& result);
  void designFailed();
  void materialsChanged(const coldesign::DesignMaterials& materials);
  void scheduleRequested();

 protected:
  // Closing the window asks the same question as Exit; the answer decides.
  void closeEvent(QCloseEvent* event) override;

 private:
  void showResults();
  void chooseMaterials();
  bool inputsAccepted();
  void revealResultsArea();
  void writeResult(const ColumnDesignResult& result);

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
  DesignMaterials materials_;
};

}  // namespace coldesign
