#include "windows/moments_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <expected>
#include <utility>

#include "calculation/numeric_text.h"
#include "translations/messages.h"
#include "translations/texts.h"
#include "windows/input_guard.h"
#include "windows/message_boxes.h"
#include "windows/program_fonts.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString Figure(double value) { return QString::fromStdString(FormatNumber(value)); }

}  // namespace

BendingDesignInput BendingInputOf(const ColumnDesignInput& column, const ColumnBending& bending) {
  return {.column = column,
          .moment_x_t_m = bending.moment_x_t_m,
          .moment_y_t_m = bending.moment_y_t_m,
          .column_height_m = bending.column_height_m,
          .unbraced = bending.unbraced,
          .length_factor = bending.length_factor};
}

Message BendingInputMessage(BendingInputProblem problem) {
  switch (problem) {
    case BendingInputProblem::MomentX:
    case BendingInputProblem::MomentY:
      break;
    case BendingInputProblem::ColumnHeight:
      return FloorHeightMessage();
    case BendingInputProblem::LengthFactor:
      return LengthFactorMessage();
  }
  return NotFiniteMessage();
}

MomentsDialog::MomentsDialog(const ColumnBending& bending, QWidget* parent)
    : QDialog(parent),
      moment_x_(NewNumberField(this, "MomentX")),
      moment_y_(NewNumberField(this, "MomentY")),
      column_height_(NewNumberField(this, "ColumnHeight")),
      unbraced_(new QCheckBox(this)),
      length_factor_(NewNumberField(this, "LengthFactor")),
      chosen_(bending) {
  setObjectName(u"MomentsDialog"_s);
  setFont(FiguresFont());
  setMinimumWidth(380);
  setWindowTitle(Texts::tr("العزوم وارتفاع العمود", "moments.title"));
  unbraced_->setObjectName(u"Unbraced"_s);
  unbraced_->setText(Texts::tr("عمود غير مقيد (تتحرك أطرافه جانبيا)", "moments.unbraced"));

  auto* form = new QFormLayout;
  form->addRow(Texts::tr("العزم Mx حول المحور x (t·m)", "moments.moment-x"), moment_x_);
  form->addRow(Texts::tr("العزم My حول المحور y (t·m)", "moments.moment-y"), moment_y_);
  form->addRow(Texts::tr("ارتفاع العمود H (m)", "moments.column-height"), column_height_);
  form->addRow(QString(), unbraced_);
  form->addRow(Texts::tr("معامل الطول الفعال k", "moments.length-factor"), length_factor_);
  auto* axes = new QLabel(Texts::tr("المحور x يوازي عرض القطاع b، والمحور y يوازي طوله t؛ "
                                    "العزوم قصوى (مصعدة) بأي إشارة",
                                    "moments.axes"),
                          this);
  axes->setObjectName(u"MomentAxes"_s);
  axes->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  buttons->button(QDialogButtonBox::Ok)->setText(OkCaption());
  buttons->button(QDialogButtonBox::Cancel)->setText(Texts::tr("إلغاء", "materials.cancel"));
  QPushButton* defaults = buttons->button(QDialogButtonBox::RestoreDefaults);
  defaults->setText(Texts::tr("القيم الافتراضية", "materials.defaults"));
  defaults->setObjectName(u"RestoreDefaults"_s);
  connect(buttons, &QDialogButtonBox::accepted, this, &MomentsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &MomentsDialog::reject);
  connect(defaults, &QPushButton::clicked, this, [this] { showBending(ColumnBending{}); });
  connect(unbraced_, &QCheckBox::toggled, this, &MomentsDialog::showDefaultLengthFactor);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(axes);
  layout->addWidget(buttons);
  showBending(bending);
}

void MomentsDialog::showBending(const ColumnBending& bending) {
  moment_x_->setText(Figure(bending.moment_x_t_m));
  moment_y_->setText(Figure(bending.moment_y_t_m));
  column_height_->setText(Figure(bending.column_height_m));
  unbraced_->setChecked(bending.unbraced);
  length_factor_->setText(bending.length_factor ? Figure(*bending.length_factor) : QString());
  showDefaultLengthFactor();
}

void MomentsDialog::showDefaultLengthFactor() {
  length_factor_->setPlaceholderText(
      Figure(unbraced_->isChecked() ? rules::kUnbracedLengthFactor : rules::kBracedLengthFactor));
}

void MomentsDialog::refuse(QLineEdit* field, const QString& message) {
  AskUser(this, QMessageBox::NoIcon, windowTitle(), message);
  field->setFocus();
  field->selectAll();
}

void MomentsDialog::accept() {
  const auto* form = findChild<QFormLayout*>();
  const auto label_of = [form](QLineEdit* field) {
    const auto* label = qobject_cast<QLabel*>(form->labelForField(field));
    return label != nullptr ? label->text() : QString();
  };
  // A field's number; none when it is empty; the message when it holds no number.
  const auto number_in =
      [&label_of](QLineEdit* field) -> std::expected<std::optional<double>, QString> {
    const QString text = field->text().trimmed();
    if (text.isEmpty()) return std::nullopt;
    const auto number = ParseNumberStrict(text.toStdString());
    if (number) return *number;
    if (number.error() == NumericFailure::Overflow) {
      return std::unexpected(NotFiniteMessage().in(InProgramLanguage));
    }
    return std::unexpected(
        Texts::tr("%1: القيمة المدخلة ليست رقما", "materials.not-a-number").arg(label_of(field)));
  };
  std::optional<double> moment_x;
  std::optional<double> moment_y;
  std::optional<double> column_height;
  std::optional<double> length_factor;
  for (auto [field, value] :
       {std::pair(moment_x_, &moment_x), std::pair(moment_y_, &moment_y),
        std::pair(column_height_, &column_height), std::pair(length_factor_, &length_factor)}) {
    const auto number = number_in(field);
    if (!number) {
      refuse(field, number.error());
      return;
    }
    *value = *number;
  }
  if (!column_height) {
    refuse(column_height_, Texts::tr("%1: لا يمكن ترك هذا الحقل فارغا", "materials.empty-field")
                               .arg(label_of(column_height_)));
    return;
  }
  // An empty moment is none; an empty k the rules table's.
  const ColumnBending typed{.moment_x_t_m = moment_x.value_or(0),
                            .moment_y_t_m = moment_y.value_or(0),
                            .column_height_m = *column_height,
                            .unbraced = unbraced_->isChecked(),
                            .length_factor = length_factor};
  if (const auto problem = CheckBendingInput(BendingInputOf({}, typed))) {
    QLineEdit* field = length_factor_;
    if (*problem == BendingInputProblem::MomentX) field = moment_x_;
    if (*problem == BendingInputProblem::MomentY) field = moment_y_;
    if (*problem == BendingInputProblem::ColumnHeight) field = column_height_;
    refuse(field, BendingInputMessage(*problem).in(InProgramLanguage));
    return;
  }
  chosen_ = typed;
  QDialog::accept();
}

}  // namespace coldesign
