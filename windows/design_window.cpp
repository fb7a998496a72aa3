#include "windows/design_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QStyle>

#include "calculation/bending_design.h"
#include "calculation/design_calculation.h"
#include "calculation/input_check.h"
#include "calculation/numeric_text.h"
#include "sheet/report_text.h"
#include "skin/skin.h"
#include "translations/program_language.h"
#include "translations/texts.h"
#include "windows/after_first_paint.h"
#include "windows/controls.h"
#include "windows/input_guard.h"
#include "windows/language_choice.h"
#include "windows/materials_dialog.h"
#include "windows/message_boxes.h"
#include "windows/moments_dialog.h"
#include "windows/program_fonts.h"
#include "windows/program_icon.h"
#include "windows/sheet_actions.h"
#include "windows/twips.h"
#include "windows/window_frame.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QLineEdit* PlaceField(QWidget* window, const char* name, QRect geometry) {
  auto* field = new QLineEdit(window);
  field->setObjectName(QString::fromLatin1(name));
  field->setGeometry(geometry);
  field->setFont(FieldFont());
  field->setAlignment(Qt::AlignCenter);
  return field;
}

// A field the calculation writes and the user only reads.
QLineEdit* PlaceResultField(QWidget* window, const char* name, QRect geometry,
                            const QString& text = {}) {
  QLineEdit* field = PlaceField(window, name, geometry);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setText(text);
  field->hide();
  return field;
}

SkinLabel* PlaceDesignLabel(QWidget* window, const char* name, QRect geometry) {
  SkinLabel* label = PlaceLabel(window, name, {}, DesignLabelFont(), geometry);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QString InputProblemText(InputProblem problem) {
  switch (problem) {
    case InputProblem::Negative:
      return Texts::tr("لا يمكن أن تكون القيمة سالبة", "message.negative");
    case InputProblem::Unfinished:
      return Texts::tr("الرقم المدخل غير مكتمل", "message.unfinished-number");
    case InputProblem::LoadEmpty:
    case InputProblem::FloorsEmpty:
      break;
  }
  return Texts::tr("لا يمكن ترك هذا الحقل فارغا", "message.empty-field");
}

}  // namespace

DesignWindow::DesignWindow(QWidget* parent) : QWidget(parent, kFixedWindowFlags) {
  setObjectName(u"columns"_s);
  FixWindowSize(this, FromTwips(0, 0, 3600, 4410).size());
  // Reading the icon makes Qt look through its image plugins, which the first frame can do
  // without.
  AfterFirstPaint(this, [this] { setWindowIcon(ProgramIcon(devicePixelRatioF())); });

  load_label_ = PlaceDesignLabel(this, "SkinLabel2", FromTwips(360, 480, 1095, 255));
  floors_label_ = PlaceDesignLabel(this, "SkinLabel1", FromTwips(2280, 480, 855, 255));
  load_field_ = PlaceField(this, "Text1", FromTwips(240, 720, 1215, 375));
  floors_field_ = PlaceField(this, "Text3", FromTwips(1800, 720, 1335, 375));

  required_area_field_ = PlaceResultField(this, "Text2", FromTwips(-240, 1320, 615, 375));
  steel_area_field_ = PlaceResultField(this, "Text6", FromTwips(-240, 2040, 735, 375));

  // Made before the width and length fields, which stand in front of it.
  dimensions_frame_ = new QGroupBox(this);
  dimensions_frame_->setObjectName(u"Frame1"_s);
  dimensions_frame_->setGeometry(FromTwips(720, 1320, 2295, 1215));
  dimensions_frame_->hide();
  width_field_ = PlaceResultField(this, "Text4", FromTwips(960, 1800, 735, 375),
                                  QString::fromStdString(FormatInteger(materials_.width_cm)));
  length_field_ = PlaceResultField(this, "Text5", FromTwips(2040, 1800, 735, 375));

  diameter_label_ = PlaceDesignLabel(this, "SkinLabel4", FromTwips(600, 2640, 1095, 255));
  bar_count_label_ = PlaceDesignLabel(this, "SkinLabel3", FromTwips(2160, 2640, 855, 255));
  diameter_label_->hide();
  bar_count_label_->hide();
  diameter_field_ =
      PlaceResultField(this, "Text7", FromTwips(720, 2880, 975, 375),
                       QString::fromStdString(FormatInteger(materials_.bar_diameter_mm)));
  bar_count_field_ = PlaceResultField(this, "Text8", FromTwips(2040, 2880, 975, 375));

  // Between the bar fields and Results, in the window's one free strip.
  stale_note_ =
      PlaceLabel(this, "StaleResultsNote", {}, StaleNoteFont(), FromTwips(0, 3255, 3600, 225));
  stale_note_->setAlignment(Qt::AlignCenter);
  stale_note_->hide();

  results_button_ = PlaceButton(this, "Command1", {}, FromTwips(1200, 3480, 1095, 375));
  exit_button_ = PlaceButton(this, "Command2", {}, FromTwips(120, 3960, 1095, 375));
  notes_button_ = PlaceButton(this, "Command3", {}, FromTwips(2400, 3960, 1095, 375));

  setTabOrder(load_field_, floors_field_);
  setTabOrder(floors_field_, results_button_);
  setTabOrder(results_button_, exit_button_);
  setTabOrder(exit_button_, notes_button_);
  load_field_->setFocus();

  GuardNumericInput(load_field_);
  GuardNumericInput(floors_field_);
  connect(load_field_, &QLineEdit::returnPressed, results_button_, &QPushButton::click);
  connect(floors_field_, &QLineEdit::returnPressed, results_button_, &QPushButton::click);
  connect(load_field_, &QLineEdit::textChanged, this, &DesignWindow::markStaleResults);
  connect(floors_field_, &QLineEdit::textChanged, this, &DesignWindow::markStaleResults);
  connect(results_button_, &QPushButton::clicked, this, &DesignWindow::showResults);
  connect(exit_button_, &QPushButton::clicked, this, &DesignWindow::exitRequested);
  connect(notes_button_, &QPushButton::clicked, this, &DesignWindow::notesRequested);

  new Skin(this);
  sheet_actions_ = new SheetActions(this, results_button_);
  connect(this, &DesignWindow::designed, sheet_actions_, &SheetActions::takeDesign);
  connect(this, &DesignWindow::designFailed, sheet_actions_, &SheetActions::forgetDesign);

  materials_action_ = new QAction(this);
  connect(materials_action_, &QAction::triggered, this, &DesignWindow::chooseMaterials);
  moments_action_ = new QAction(this);
  moments_action_->setObjectName(u"moments"_s);
  connect(moments_action_, &QAction::triggered, this, &DesignWindow::chooseMoments);
  schedule_action_ = new QAction(this);
  schedule_action_->setShortcut(QKeySequence(u"Ctrl+B"_s));
  schedule_action_->setShortcutVisibleInContextMenu(true);
  addAction(schedule_action_);
  connect(schedule_action_, &QAction::triggered, this, &DesignWindow::scheduleRequested);

  language_ = new QAction(this);
  language_->setObjectName(u"language"_s);
  connect(language_, &QAction::triggered, this, &DesignWindow::switchLanguage);
  // The fields keep their own menus; everywhere else on the window, this one.
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, &DesignWindow::showContextMenu);
  retranslate();
}

void DesignWindow::retranslate() {
  setWindowTitle(ProgramName());
  const QString load_caption = Texts::tr("(ton)حمل العمود", "design.load");
  const QString diameter_caption = Texts::tr("(mm) قطر السيخ", "design.bar-diameter");
  load_label_->setText(load_caption);
  load_field_->setAccessibleName(load_caption);
  floors_label_->setText(FloorsCaption());
  floors_field_->setAccessibleName(FloorsCaption());
  required_area_field_->setAccessibleName(
      Texts::tr("مساحة الخرسانة المطلوبة (cm²)", "design.required-area"));
  steel_area_field_->setAccessibleName(Texts::tr("مساحة حديد التسليح (cm²)", "design.steel-area"));
  dimensions_frame_->setTitle(Texts::tr(" (cm) أبعاد العمود ", "design.dimensions"));
  width_field_->setAccessibleName(Texts::tr("عرض العمود (cm)", "design.width"));
  length_field_->setAccessibleName(Texts::tr("طول العمود (cm)", "design.length"));
  diameter_label_->setText(diameter_caption);
  diameter_field_->setAccessibleName(diameter_caption);
  bar_count_label_->setText(BarCountCaption());
  bar_count_field_->setAccessibleName(BarCountCaption());
  results_button_->setText(Texts::tr("النتائج", "design.results"));
  exit_button_->setText(ExitTitle());
  notes_button_->setText(NotesTitle());
  markStaleResults();
  materials_action_->setText(Texts::tr("المواد والاختيارات…", "design.materials"));
  moments_action_->setText(Texts::tr("العزوم وارتفاع العمود…", "design.moments"));
  schedule_action_->setText(Texts::tr("جدول الأعمدة…", "design.schedule"));
  // The other language, named in its own words.
  language_->setText(Texts::tr("English", "language.other"));
}

void DesignWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void DesignWindow::showContextMenu(QPoint position) {
  QMenu menu(this);
  menu.addActions({sheet_actions_->saveAction(), sheet_actions_->printAction()});
  menu.addSeparator();
  menu.addAction(sheet_actions_->copyAction());
  menu.addSeparator();
  menu.addActions({materials_action_, moments_action_, schedule_action_});
  menu.addSeparator();
  menu.addAction(language_);
  menu.exec(mapToGlobal(position));
}

void DesignWindow::switchLanguage() {
  const Language other =
      CurrentLanguage() == Language::Arabic ? Language::English : Language::Arabic;
  UseLanguage(other);
  RememberLanguage(other);
}

void DesignWindow::setMaterials(const DesignMaterials& materials) {
  if (materials == materials_) return;
  materials_ = materials;
  width_field_->setText(QString::fromStdString(FormatInteger(materials.width_cm)));
  diameter_field_->setText(QString::fromStdString(FormatInteger(materials.bar_diameter_mm)));
  emit materialsChanged(materials);
  // A whole design on show belongs to the materials before: it is worked out again.
  if (!bar_count_field_->text().isEmpty()) showResults();
}

void DesignWindow::chooseMaterials() {
  MaterialsDialog dialog(materials_, this);
  if (dialog.exec() == QDialog::Accepted) setMaterials(dialog.materials());
}

void DesignWindow::chooseMoments() {
  MomentsDialog dialog(bending_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  bending_ = dialog.bending();
  markStaleResults();
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
  const BendingDesignInput input =
      BendingInputOf(DesignInput(load_field_->text().toStdString(),
                                 floors_field_->text().toStdString(), materials_),
                     bending_);
  const auto result = DesignBendingColumn(input);
  if (result && result->status == BendingStatus::Ok) {
    const SheetContent design = SheetOf(input, *result);
    writeResult(design.result);
    governing_figures_.clear();
    if (result->moments_governed) {
      for (const auto& [value, decimals] :
           {std::pair(result->design_moment_x_t_m, 1), std::pair(result->design_moment_y_t_m, 1),
            std::pair(result->utilisation.value_or(0), 2)}) {
        governing_figures_ << QString::fromStdString(FormatFixed(value, decimals));
      }
    }
    setResultsInputs(currentInputs());
    emit designed(design);
    return;
  }
  if (result) {
    refuseDesign((result->status == BendingStatus::Slender
                      ? TooSlenderMessage(result->working.about_y.slenderness,
                                          result->working.most_slenderness)
                      : TooLargeColumnMessage())
                     .in(InProgramLanguage));
    return;
  }
  if (const auto* problem = std::get_if<BendingInputProblem>(&result.error())) {
    refuseDesign(BendingInputMessage(*problem).in(InProgramLanguage));
    return;
  }
  // Fields that the failed calculation did not reach are emptied, so that no earlier result
  // stands beside the new inputs.
  const auto& failure = std::get<DesignFailure>(result.error());
  writeResult(failure.partial);
  emit designFailed();
  AskUser(this, QMessageBox::Information, ProgramName(),
          failure.kind == NumericFailure::Overflow
              ? Texts::tr("القيم المدخلة كبيرة جدا ولا يمكن حسابها", "message.overflow")
              : Texts::tr("القيمة المدخلة ليست رقما", "message.not-a-number"));
}

void DesignWindow::refuseDesign(const QString& message) {
  writeResult({});
  emit designFailed();
  AskUser(this, QMessageBox::Information, ProgramName(), message);
}

bool DesignWindow::inputsAccepted() {
  const auto problem =
      CheckDesignInputs(load_field_->text().toStdString(), floors_field_->text().toStdString());
  if (!problem) return true;
  writeResult({});  // no earlier result stands beside inputs that were refused
  AskUser(this, QMessageBox::NoIcon, ProgramName(), InputProblemText(*problem));
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

DesignWindow::ResultsInputs DesignWindow::currentInputs() const {
  return {.load = load_field_->text(), .floors = floors_field_->text(), .bending = bending_};
}

void DesignWindow::setResultsInputs(std::optional<ResultsInputs> inputs) {
  results_inputs_ = std::move(inputs);
  markStaleResults();
}

void DesignWindow::markStaleResults() {
  const bool stale = results_inputs_ && *results_inputs_ != currentInputs();
  const QString stale_text =
      Texts::tr("النتائج للقيم السابقة، اضغط «النتائج» للتحديث", "design.stale-results");
  // The strip tells that the results are old, or else that the moments governed them.
  if (stale || governing_figures_.isEmpty()) {
    stale_note_->setText(stale_text);
  } else {
    stale_note_->setText(Texts::tr("حكمت العزوم: %1، الاستغلال %2", "design.moments-governed")
                             .arg(LeftToRight(u"Mx %1 · My %2 t·m"_s.arg(governing_figures_[0],
                                                                         governing_figures_[1])),
                                  governing_figures_[2]));
  }
  stale_note_->setVisible(stale || (results_inputs_ && !governing_figures_.isEmpty()));
  if (stale == results_stale_) return;
  results_stale_ = stale;
  for (QLineEdit* field : {required_area_field_, width_field_, length_field_, steel_area_field_,
                           diameter_field_, bar_count_field_}) {
    field->setProperty("stale", stale);  // the skin greys them
    field->setAccessibleDescription(stale ? stale_text : QString());
    field->style()->unpolish(field);
    field->style()->polish(field);
  }
}

}  // namespace coldesign
