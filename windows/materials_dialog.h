#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "calculation/design_materials.h"

namespace coldesign {

// The engineer's materials and choices: fcu, fy, the section's width, the bar diameter and the
// load factor. OK takes them only when the engine accepts them; otherwise a message names the
// field and its range, and the dialog stays open with everything as typed.
class MaterialsDialog : public QDialog {
  Q_OBJECT

 public:
  MaterialsDialog(const DesignMaterials& materials, QWidget* parent);

  // The materials taken by OK.
  [[nodiscard]] const DesignMaterials& materials() const { return chosen_; }

  void accept() override;

 private:
  void showMaterials(const DesignMaterials& materials);
  void showCarryingStress();
  [[nodiscard]] QWidget* fieldOf(MaterialsChoice choice) const;

  QLineEdit* concrete_strength_;
  QLineEdit* steel_yield_;
  QLineEdit* width_;
  QComboBox* bar_diameter_;
  QLineEdit* load_factor_;
  QLabel* carrying_stress_;
  DesignMaterials chosen_;
};

}  // namespace coldesign
