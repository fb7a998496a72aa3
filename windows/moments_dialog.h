#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <optional>

#include "calculation/bending_design.h"
#include "calculation/design_rules.h"
#include "translations/messages.h"

namespace coldesign {

// What the engineer gives of a column's bending beside its load: the ultimate moments, the
// column's height and its bracing. The defaults design the column for its load alone, as the
// window always has.
struct ColumnBending {
  double moment_x_t_m = 0;
  double moment_y_t_m = 0;
  double column_height_m = rules::kFloorHeightM;
  bool unbraced = false;
  std::optional<double> length_factor;  // k; the rules table's for the bracing when none

  friend bool operator==(const ColumnBending&, const ColumnBending&) = default;
};

BendingDesignInput BendingInputOf(const ColumnDesignInput& column, const ColumnBending& bending);

// Why a moment, the column's height or k is refused.
Message BendingInputMessage(BendingInputProblem problem);

// The moments and the column's height and bracing, reached from the design window's context
// menu. OK takes them only when each is a number in its range; otherwise a message names the
// field, and the dialog stays open with everything as typed.
class MomentsDialog : public QDialog {
  Q_OBJECT

 public:
  MomentsDialog(const ColumnBending& bending, QWidget* parent);

  // What OK took.
  [[nodiscard]] const ColumnBending& bending() const { return chosen_; }

  void accept() override;

 private:
  void showBending(const ColumnBending& bending);
  // The empty k field shows the rules table's k for the bracing ticked.
  void showDefaultLengthFactor();
  // Tells what is wrong with the field, and puts the caret in it.
  void refuse(QLineEdit* field, const QString& message);

  QLineEdit* moment_x_;
  QLineEdit* moment_y_;
  QLineEdit* column_height_;
  QCheckBox* unbraced_;
  QLineEdit* length_factor_;
  ColumnBending chosen_;
};

}  // namespace coldesign
