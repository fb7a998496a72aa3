#include "windows/design_window.h"

#include <QCloseEvent>
#include <QStyle>

#include "calculation/design_calculation.h"
#include "calculation/input_check.h"
#include "skin/skin.h"
#include "windows/controls.h"
#include "windows/input_guard.h"
#include "windows/message_boxes.h"
#include "windows/program_fonts.h"
#include "windows/program_icon.h"
#include "windows/sheet_actions.h"
#include "windows/twips.h"
#include "windows/window_frame.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QLineEdit* PlaceField(QWidget* window, const char* name, const QString& accessible_name,
                      QRect geometry) {
  auto* field = new QLineEdit(window);
  field->setObjectName(QString::fromLatin1(name));
  field->setAccessibleName(accessible_name);
  field->setGeometry(geometry);
  field->setFont(FieldFont());
  field->setAlignment(Qt::AlignCenter);
  return field;
}

// A field the calculation writes and the user only reads.
QLineEdit* PlaceResultField(QWidget* window, const char* name, const QString& accessible_name,
                            QRect geometry, const QString& text = {}) {
  QLineEdit* field = PlaceField(window, name, accessible_name, geometry);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setText(text);
  field->hide();
  return field;
}

SkinLabel* PlaceDesignLabel(QWidget* window, const char* name, const QString& text,
                            QRect geometry) {
  SkinLabel* label = PlaceLabel(window, name, text, DesignLabelFont(), geometry);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QString InputProblemText(InputProblem problem) {
  switch (problem) {
    case InputProblem::Negative:
      return u"لا يمكن أن تكون القيمة سالبة"_s;
    case InputProblem::Unfinished:
      return u"الرقم المدخل غير مكتمل"_s;  // English: "The number is not complete"
    case InputProblem::LoadEmpty:
    case InputProblem::FloorsEmpty:
      break;
  }
  return u"لا يمكن ترك هذا الحقل فارغا"_s;
}

}  // namespace

DesignWindow::DesignWindow(QWidget* parent) : QWidget(parent, kFixedWindowFlags) {
  setObjectName(u"columns"_s);
  setWindowTitle(kProgramCaption.toString());
  FixWindowSize(this, FromTwips(0, 0, 3600, 4410).size());
  setWindowIcon(ProgramIcon(devicePixelRatioF()));

  const QString load_caption = u"(ton)حمل العمود"_s;
  const QString floors_caption = u"عدد الطوابق"_s;
  const QString diameter_caption = u"(mm) قطر السيخ"_s;
  const QString bar_count_caption = u"عدد الأسياخ"_s;

  PlaceDesignLabel(this, "SkinLabel2", load_caption, FromTwips(360, 480, 1095, 255));
  PlaceDesignLabel(this, "SkinLabel1", floors_caption, FromTwips(2280, 480, 855, 255));
  load_field_ = PlaceField(this, "Text1", load_caption, FromTwips(240, 720, 1215, 375));
  floors_field_ = PlaceField(this, "Text3", floors_caption, FromTwips(1800, 720, 1335, 375));

  required_area_field_ = PlaceResultField(this, "Text2", u"مساحة الخرسانة المطلوبة (cm²)"_s,
                                          FromTwips(-240, 1320, 615, 375));
  steel_area_field_ = PlaceResultField(this, "Text6", u"مساحة حديد التسليح (cm²)"_s,
                                       FromTwips(-240, 2040, 735, 375));

  // Made before the width and length fields, which stand in front of it.
  dimensions_frame_ = new QGroupBox(u" (cm) أبعاد العمود "_s, this);
  dimensions_frame_->setObjectName(u"Frame1"_s);
  dimensions_frame_->setGeometry(FromTwips(720, 1320, 2295, 1215));
  dimensions_frame_->hide();
  width_field_ = PlaceResultField(this, "Text4", u"عرض العمود (cm)"_s,
                                  FromTwips(960, 1800, 735, 375), u"30"_s);
  length_field_ =
      PlaceResultField(this, "Text5", u"طول العمود (cm)"_s, FromTwips(2040, 1800, 735, 375));

  diameter_label_ =
      PlaceDesignLabel(this, "SkinLabel4", diameter_caption, FromTwips(600, 2640, 1095, 255));
  bar_count_label_ =
      PlaceDesignLabel(this, "SkinLabel3", bar_count_caption, FromTwips(2160, 2640, 855, 255));
  diameter_label_->hide();
  bar_count_label_->hide();
  diameter_field_ =
      PlaceResultField(this, "Text7", diameter_caption, FromTwips(720, 2880, 975, 375), u"16"_s);
  bar_count_field_ =
      PlaceResultField(this, "Text8", bar_count_caption, FromTwips(2040, 2880, 975, 375));

  // Between the bar fields and Results, in the window's one free strip.
  stale_note_ =
      PlaceLabel(this, "StaleResultsNote", u"النتائج للقيم السابقة، اضغط «النتائج» للتحديث"_s,
                 StaleNoteFont(), FromTwips(0, 3255, 3600, 225));
  stale_note_->setAlignment(Qt::AlignCenter);
  stale_note_->hide();

  results_button_ = PlaceButton(this, "Command1", u"النتائج"_s, FromTwips(1200, 3480, 1095, 375));
  QPushButton* exit_button =
      PlaceButton(this, "Command2", u"خروج"_s, FromTwips(120, 3960, 1095, 375));
  QPushButton* notes_button =
      PlaceButton(this, "Command3", u"ملاحظات"_s, FromTwips(2400, 3960, 1095, 375));

  setTabOrder(load_field_, floors_field_);
  setTabOrder(floors_field_, results_button_);
  setTabOrder(results_button_, exit_button);
  setTabOrder(exit_button, notes_button);
  load_field_->setFocus();

  GuardNumericInput(load_field_);
  GuardNumericInput(floors_field_);
  connect(load_field_, &QLineEdit::returnPressed, results_button_, &QPushButton::click);
  connect(floors_field_, &QLineEdit::returnPressed, results_button_, &QPushButton::click);
  connect(load_field_, &QLineEdit::textChanged, this, &DesignWindow::markStaleResults);
  connect(floors_field_, &QLineEdit::textChanged, this, &DesignWindow::markStaleResults);
  connect(results_button_, &QPushButton::clicked, this, &DesignWindow::showResults);
  connect(exit_button, &QPushButton::clicked, this, &DesignWindow::exitRequested);
  connect(notes_button, &QPushButton::clicked, this, &DesignWindow::notesRequested);

  new Skin(this);
  auto* sheet_actions = new SheetActions(this, results_button_);
  connect(this, &DesignWindow::designed, sheet_actions, &SheetActions::takeDesign);
  connect(this, &DesignWindow::designFailed, sheet_actions, &SheetActions::forgetDesign);
}

void DesignWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit exitRequested();
}

void DesignWindow::showResults() {
  setResultsInputs(std::nullopt);
  if (!inputsAccepted()) {
    return;
  }
  revealResultsArea();
  const ColumnDesignInput input{.load_text = load_field_->text().toStdString(),
                                .floors_text = floors_field_->text().toStdString(),
                                .width_text = width_field_->text().toStdString()};
  const auto result = DesignColumn(input);
  if (result) {
    writeResult(*result);
    setResultsInputs(std::pair(load_field_->text(), floors_field_->text()));
    emit designed(input, *result);
    return;
  }
  // Fields that the failed calculation did not reach are emptied, so that no earlier result
  // stands beside the new inputs.
  writeResult(result.error().partial);
  emit designFailed();
  AskUser(this, QMessageBox::Information, kProgramCaption.toString(),
          result.error().kind == NumericFailure::Overflow
              ? u"القيم المدخلة كبيرة جدا ولا يمكن حسابها"_s
              : u"القيمة المدخلة ليست رقما"_s);
}

bool DesignWindow::inputsAccepted() {
  const auto problem =
      CheckDesignInputs(load_field_->text().toStdString(), floors_field_->text().toStdString());
  if (!problem) return true;
  writeResult({});  // no earlier result stands beside inputs that were refused
  AskUser(this, QMessageBox::NoIcon, kProgramCaption.toString(), InputProblemText(*problem));
  return false;
}

void DesignWindow::revealResultsArea() {
  for (QWidget* control : std::initializer_list<QWidget*>{
           width_field_, length_field_, diameter_field_, bar_count_field_, dimensions_frame_,
           bar_count_label_, diameter_label_}) {
    control->show();
  }
}

void DesignWindow::writeResult(const ColumnDesignResult& result) {
  required_area_field_->setText(QString::fromStdString(result.required_area_text));
  length_field_->setText(QString::fromStdString(result.length_text));
  steel_area_field_->setText(QString::fromStdString(result.steel_area_text));
  bar_count_field_->setText(QString::fromStdString(result.bar_count_text));
}

void DesignWindow::setResultsInputs(std::optional<std::pair<QString, QString>> inputs) {
  results_inputs_ = std::move(inputs);
  markStaleResults();
}

void DesignWindow::markStaleResults() {
  const bool stale =
      results_inputs_ && *results_inputs_ != std::pair(load_field_->text(), floors_field_->text());
  if (stale != stale_note_->isHidden()) return;
  stale_note_->setVisible(stale);
  for (QLineEdit* field : {required_area_field_, width_field_, length_field_, steel_area_field_,
                           diameter_field_, bar_count_field_}) {
    field->setProperty("stale", stale);  // the skin greys them
    field->setAccessibleDescription(stale ? stale_note_->text() : QString());
    field->style()->unpolish(field);
    field->style()->polish(field);
  }
}

}  // namespace coldesign
