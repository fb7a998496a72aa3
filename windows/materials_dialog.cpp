#include "windows/materials_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "calculation/materials_text.h"
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

std::optional<double> NumberIn(const QLineEdit* field) {
  const auto number = ParseNumberStrict(field->text().toStdString());
  return number ? std::optional(*number) : std::nullopt;
}

}  // namespace

MaterialsDialog::MaterialsDialog(const DesignMaterials& materials, QWidget* parent)
    : QDialog(parent),
      concrete_strength_(NewNumberField(this, "ConcreteStrength")),
      steel_yield_(NewNumberField(this, "SteelYield")),
      width_(NewNumberField(this, "SectionWidth")),
      bar_diameter_(new QComboBox(this)),
      load_factor_(NewNumberField(this, "LoadFactor")),
      carrying_stress_(new QLabel(this)),
      chosen_(materials) {
  setObjectName(u"MaterialsDialog"_s);
  setFont(FiguresFont());
  setMinimumWidth(380);
  setWindowTitle(Texts::tr("المواد والاختيارات", "materials.title"));
  bar_diameter_->setObjectName(u"BarDiameter"_s);
  for (const int diameter : rules::kBarDiametersMm) {
    bar_diameter_->addItem(Figure(diameter), diameter);
  }
  carrying_stress_->setObjectName(u"CarryingStress"_s);
  carrying_stress_->setLayoutDirection(Qt::LeftToRight);  // a formula

  auto* form = new QFormLayout;
  form->addRow(Texts::tr("مقاومة الخرسانة fcu (kg/cm²)", "materials.concrete-strength"),
               concrete_strength_);
  form->addRow(Texts::tr("إجهاد خضوع الحديد fy (kg/cm²)", "materials.steel-yield"), steel_yield_);
  form->addRow(Texts::tr("عرض القطاع b (cm)", "materials.width"), width_);
  form->addRow(Texts::tr("قطر السيخ d (mm)", "materials.bar-diameter"), bar_diameter_);
  form->addRow(InProgramLanguage(kLoadFactorCaption), load_factor_);
  form->addRow(CarryingStressCaption(), carrying_stress_);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
  buttons->button(QDialogButtonBox::Ok)->setText(OkCaption());
  buttons->button(QDialogButtonBox::Cancel)->setText(Texts::tr("إلغاء", "materials.cancel"));
  QPushButton* defaults = buttons->button(QDialogButtonBox::RestoreDefaults);
  defaults->setText(Texts::tr("القيم الافتراضية", "materials.defaults"));
  defaults->setObjectName(u"RestoreDefaults"_s);
  connect(buttons, &QDialogButtonBox::accepted, this, &MaterialsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &MaterialsDialog::reject);
  connect(defaults, &QPushButton::clicked, this, [this] { showMaterials(DesignMaterials{}); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  connect(concrete_strength_, &QLineEdit::textChanged, this, &MaterialsDialog::showCarryingStress);
  connect(steel_yield_, &QLineEdit::textChanged, this, &MaterialsDialog::showCarryingStress);
  showMaterials(materials);
}

void MaterialsDialog::showMaterials(const DesignMaterials& materials) {
  concrete_strength_->setText(Figure(materials.concrete_strength_kg_per_cm2));
  steel_yield_->setText(Figure(materials.steel_yield_kg_per_cm2));
  width_->setText(Figure(materials.width_cm));
  bar_diameter_->setCurrentIndex(bar_diameter_->findData(materials.bar_diameter_mm));
  load_factor_->setText(Figure(materials.load_factor));
}

// The engine's formula, and its value for the figures typed while both are numbers.
void MaterialsDialog::showCarryingStress() {
  const auto fcu = NumberIn(concrete_strength_);
  const auto fy = NumberIn(steel_yield_);
  QString value = u"—"_s;
  if (fcu && fy) {
    value = Figure(CarryingStressKgPerCm2(
                {.concrete_strength_kg_per_cm2 = *fcu, .steel_yield_kg_per_cm2 = *fy})) +
            u" kg/cm²"_s;
  }
  carrying_stress_->setText(u"%1 fcu + %2 fy × %3% = %4"_s.arg(
      Figure(rules::kConcreteStressShare), Figure(rules::kSteelStressShare),
      Figure(rules::kSteelShareOfRequiredArea * 100), value));
}

QWidget* MaterialsDialog::fieldOf(MaterialsChoice choice) const {
  switch (choice) {
    case MaterialsChoice::Fcu:
      return concrete_strength_;
    case MaterialsChoice::Fy:
      return steel_yield_;
    case MaterialsChoice::Width:
      return width_;
    case MaterialsChoice::BarDiameter:
      return bar_diameter_;
    case MaterialsChoice::LoadFactor:
      return load_factor_;
  }
  return nullptr;
}

void MaterialsDialog::accept() {
  const std::string concrete_strength = concrete_strength_->text().toStdString();
  const std::string steel_yield = steel_yield_->text().toStdString();
  const std::string width = width_->text().toStdString();
  const std::string bar_diameter = FormatNumber(bar_diameter_->currentData().toInt());
  const std::string load_factor = load_factor_->text().toStdString();
  const auto materials = ReadMaterials({.concrete_strength = concrete_strength,
                                        .steel_yield = steel_yield,
                                        .width = width,
                                        .bar_diameter = bar_diameter,
                                        .load_factor = load_factor});
  if (materials) {
    chosen_ = *materials;
    QDialog::accept();
    return;
  }
  const auto [choice, problem] = materials.error();
  QWidget* field = fieldOf(choice);
  QString message = MaterialsMessage(choice).in(InProgramLanguage);
  // A fraction for a whole number is told by the range, which says "whole".
  if (problem == ChoiceProblem::NotANumber) {
    const auto* form = findChild<QFormLayout*>();
    const auto* label = qobject_cast<QLabel*>(form->labelForField(field));
    const auto* line = qobject_cast<const QLineEdit*>(field);
    message = (line != nullptr && line->text().trimmed().isEmpty()
                   ? Texts::tr("%1: لا يمكن ترك هذا الحقل فارغا", "materials.empty-field")
                   : Texts::tr("%1: القيمة المدخلة ليست رقما", "materials.not-a-number"))
                  .arg(label != nullptr ? label->text() : QString());
  }
  AskUser(this, QMessageBox::NoIcon, windowTitle(), message);
  field->setFocus();
  if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
}

}  // namespace coldesign
