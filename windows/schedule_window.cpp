#include "windows/schedule_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "calculation/materials_text.h"
#include "calculation/schedule_csv.h"
#include "sheet/schedule_pages.h"
#include "skin/skin.h"
#include "translations/messages.h"
#include "translations/texts.h"
#include "windows/controls.h"
#include "windows/input_guard.h"
#include "windows/message_boxes.h"
#include "windows/print_preview.h"
#include "windows/program_fonts.h"
#include "windows/schedule_files.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString Figure(double value) { return Text(FormatNumber(value)); }

QTableView* MakeView(QAbstractItemModel* model, const char* name) {
  auto* view = new QTableView;
  view->setObjectName(QLatin1StringView(name));
  view->setModel(model);
  // Rows of one height are laid out without measuring each: thousands of rows stay quick.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view->horizontalHeader()->setStretchLastSection(true);
  view->setAlternatingRowColors(true);
  return view;
}

QString EmptyTableMessage() {
  return Texts::tr("الجدول فارغ: اكتب الأعمدة أو الصقها أو افتح ملف CSV.", "schedule.empty");
}

}  // namespace

ScheduleWindow::ScheduleWindow(const DesignMaterials& materials, QWidget* parent)
    : QMainWindow(parent),
      columns_(new ColumnsModel(this)),
      levels_(new LevelsModel(this)),
      types_(new TypesModel(this)),
      columns_view_(MakeView(columns_, "ColumnsTable")),
      levels_view_(MakeView(levels_, "LevelsTable")),
      types_view_(MakeView(types_, "TypesTable")),
      edits_(new ColumnsTableEdits(columns_, columns_view_, this)),
      floor_height_(new QLineEdit(Text(FormatNumber(rules::kFloorHeightM)))),
      materials_label_(new QLabel),
      floor_height_label_(new QLabel),
      results_(new QTabWidget),
      tools_(new QToolBar),
      summary_(new QLabel),
      materials_(materials),
      schedule_(std::make_shared<const Schedule>()),
      ask_file_name_(AskWithFileDialog) {
  setObjectName(u"ScheduleWindow"_s);
  setFont(FiguresFont());
  resize(960, 680);

  QAction* open = NamedAction(this, "OpenCsv", QKeySequence(u"Ctrl+O"_s));
  QAction* save = NamedAction(this, "SaveCsv", QKeySequence(u"Ctrl+S"_s));
  QAction* save_pdf = NamedAction(this, "SavePdf");
  QAction* save_drawing = NamedAction(this, "SaveDrawing");
  QAction* print = NamedAction(this, "PrintSchedule", QKeySequence(u"Ctrl+P"_s));
  QAction* export_levels = NamedAction(this, "ExportLevels");
  // Taken back to the table as saved or opened, it has nothing to save.
  connect(edits_->steps(), &QUndoStack::cleanChanged, this, [this](bool clean) {
    if (clean) setWindowModified(false);
  });
  connect(open, &QAction::triggered, this, &ScheduleWindow::openTable);
  connect(save, &QAction::triggered, this, &ScheduleWindow::saveTable);
  connect(save_pdf, &QAction::triggered, this, &ScheduleWindow::savePdf);
  connect(save_drawing, &QAction::triggered, this, &ScheduleWindow::saveDrawing);
  connect(print, &QAction::triggered, this, &ScheduleWindow::printSchedule);
  connect(export_levels, &QAction::triggered, this, &ScheduleWindow::exportLevels);

  addToolBar(tools_);
  tools_->setObjectName(u"ScheduleTools"_s);
  tools_->setMovable(false);
  tools_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools_->addActions({open, save, save_pdf, save_drawing, print, export_levels});
  tools_->addSeparator();
  tools_->addActions(edits_->tools());

  columns_view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

  floor_height_->setObjectName(u"FloorHeight"_s);
  floor_height_->setLayoutDirection(Qt::LeftToRight);
  floor_height_->setMaximumWidth(80);
  GuardNumericInput(floor_height_);
  materials_label_->setObjectName(u"ScheduleMaterials"_s);
  summary_->setObjectName(u"ScheduleSummary"_s);
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  results_->addTab(levels_view_, QString());
  types_view_->horizontalHeader()->setMaximumSectionSize(320);  // a type's marks, in its tip
  results_->addTab(types_view_, QString());
  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(columns_view_);
  splitter->addWidget(results_);

  auto* settings = new QHBoxLayout;
  settings->addWidget(materials_label_, 1);
  settings->addWidget(floor_height_label_);
  settings->addWidget(floor_height_);
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(settings);
  layout->addWidget(splitter, 1);
  layout->addWidget(summary_);
  setCentralWidget(central);
  new Skin(this);

  recompute_timer_.setSingleShot(true);
  connect(&recompute_timer_, &QTimer::timeout, this, &ScheduleWindow::recompute);
  connect(columns_, &QAbstractItemModel::rowsInserted, this, &ScheduleWindow::scheduleRecompute);
  connect(columns_, &QAbstractItemModel::rowsRemoved, this, &ScheduleWindow::scheduleRecompute);
  connect(columns_, &QAbstractItemModel::dataChanged, this, &ScheduleWindow::scheduleRecompute);
  connect(columns_, &QAbstractItemModel::modelReset, this, &ScheduleWindow::scheduleRecompute);
  connect(floor_height_, &QLineEdit::textChanged, this, &ScheduleWindow::scheduleRecompute);

  columns_->setEntries(std::vector<ColumnEntry>(1));
  setWindowModified(false);
  retranslate();
  recompute();
  columns_view_->setCurrentIndex(columns_->index(0, 0));
  columns_view_->setFocus();
}

ScheduleWindow::~ScheduleWindow() {
  // A cell still being edited is let go as the window goes: what it holds has no table to go to.
  disconnect(columns_, nullptr, this, nullptr);
}

void ScheduleWindow::retranslate() {
  setWindowTitle(ScheduleTitle() + u"[*]"_s);
  const std::pair<const char*, QString> actions[] = {
      {"OpenCsv", Texts::tr("فتح…", "schedule.open")},
      {"SaveCsv", Texts::tr("حفظ…", "schedule.save")},
      {"SavePdf", Texts::tr("حفظ بصيغة PDF…", "schedule.save-pdf")},
      {"SaveDrawing", Texts::tr("حفظ الرسم DXF…", "schedule.save-drawing")},
      {"PrintSchedule", Texts::tr("طباعة…", "schedule.print")},
      {"ExportLevels", Texts::tr("حفظ المستويات CSV…", "schedule.export-levels")}};
  for (const auto& [name, text] : actions) {
    findChild<QAction*>(QLatin1StringView(name))->setText(text);
  }
  findChild<QAction*>(u"OpenCsv"_s)
      ->setToolTip(Texts::tr("فتح جدول أعمدة من ملف CSV (Ctrl+O)", "schedule.open-tip"));
  findChild<QAction*>(u"SaveCsv"_s)
      ->setToolTip(Texts::tr("حفظ جدول الأعمدة في ملف CSV (Ctrl+S)", "schedule.save-tip"));
  edits_->retranslate();
  tools_->setWindowTitle(Texts::tr("الملف", "schedule.file"));
  results_->setTabText(0, LevelsTitle());
  results_->setTabText(1, Texts::tr("الأنواع والكميات", "schedule.types"));
  floor_height_label_->setText(Texts::tr("ارتفاع الدور (m)", "schedule.floor-height"));
  showMaterials();
}

void ScheduleWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslate();
    columns_->headerDataChanged(Qt::Horizontal, 0, columns_->columnCount({}) - 1);
    recompute();  // the results' titles and words, and the summary
  }
  QMainWindow::changeEvent(event);
}

void ScheduleWindow::setMaterials(const DesignMaterials& materials) {
  if (materials == materials_) return;
  materials_ = materials;
  showMaterials();
  scheduleRecompute();
}

void ScheduleWindow::showMaterials() {
  materials_label_->setText(
      Texts::tr("الخرسانة fcu = %1 kg/cm²، الحديد fy = %2 kg/cm²، العرض %3 cm، الأسياخ Φ%4، "
                "معامل زيادة الحمل %5 (من «المواد والاختيارات» في نافذة التصميم)",
                "schedule.materials")
          .arg(Figure(materials_.concrete_strength_kg_per_cm2),
               Figure(materials_.steel_yield_kg_per_cm2), Figure(materials_.width_cm),
               Figure(materials_.bar_diameter_mm), Figure(materials_.load_factor)));
}

// Edits come in bursts (a paste, a reset, typing): the schedule is worked out once after them.
void ScheduleWindow::scheduleRecompute() {
  if (sender() == columns_) setWindowModified(true);
  recompute_timer_.start(0);
}

void ScheduleWindow::recompute() {
  recompute_timer_.stop();
  read_ = columns_->readColumns();
  const auto height = ReadFloorHeight(floor_height_->text().toStdString());
  floor_height_m_.reset();
  if (height) floor_height_m_ = *height;
  auto schedule = std::make_shared<const Schedule>(
      DesignSchedule(floor_height_m_ ? read_.columns : std::vector<ColumnInput>{}, materials_,
                     floor_height_m_.value_or(rules::kFloorHeightM)));
  schedule_ = schedule;
  const int scrolled = levels_view_->verticalScrollBar()->value();
  levels_->setSchedule(std::move(schedule));
  levels_view_->verticalScrollBar()->setValue(scrolled);
  types_->setSchedule(*schedule_);
  // Every figure whole: measured on the rows in view and a sample of the others.
  levels_view_->resizeColumnsToContents();
  types_view_->resizeColumnsToContents();
  showSummary();
}

void ScheduleWindow::showSummary() {
  summary_->setText(ScheduleSummary(*schedule_, floor_height_m_.has_value(), read_, *columns_));
}

void ScheduleWindow::tell(const QString& text) {
  AskUser(this, QMessageBox::NoIcon, ScheduleTitle(), text);
}

bool ScheduleWindow::openCsv(const QString& path) {
  auto entries = ReadColumnsFile(path);
  if (!entries) {
    tell(entries.error());
    return false;
  }
  columns_->setEntries(std::move(*entries));
  recompute();
  setWindowModified(false);
  edits_->steps()->setClean();
  folder_ = QFileInfo(path).absolutePath();
  return true;
}

bool ScheduleWindow::hasUnsavedTable() const {
  return isWindowModified() && !columns_->filledEntries().empty();
}

bool ScheduleWindow::settleUnsavedTable() {
  if (!hasUnsavedTable()) return true;
  show();
  raise();
  switch (AskUser(this, QMessageBox::Warning, ScheduleTitle(),
                  Texts::tr("في جدول الأعمدة تغييرات لم تحفظ. هل تريد حفظها قبل الخروج؟",
                            "schedule.save-before-exit"),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
      return saveTable();
    case QMessageBox::Discard:
      return true;
    default:
      return false;
  }
}

void ScheduleWindow::openTable() {
  if (hasUnsavedTable() &&
      AskUser(this, QMessageBox::NoIcon, ScheduleTitle(),
              Texts::tr("في الجدول تغييرات لم تحفظ، وسيحل الملف محله. هل تريد المتابعة؟",
                        "schedule.replace-unsaved"),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  const QString path = ask_file_name_(
      this, {Texts::tr("فتح جدول الأعمدة", "schedule.open-title"), folder_,
             Texts::tr("CSV (*.csv);;كل الملفات (*)", "schedule.csv-filter"), false});
  if (!path.isEmpty()) openCsv(path);
}

void ScheduleWindow::commitEditedCell() {
  // A cell still being edited is part of the table: leaving it commits what it holds.
  if (columns_view_->viewport()->isAncestorOf(QApplication::focusWidget())) {
    columns_view_->setFocus();
  }
  if (recompute_timer_.isActive()) recompute();
}

bool ScheduleWindow::readyToWrite() {
  commitEditedCell();
  if (read_.first_refused) {
    const auto& [row, error] = *read_.first_refused;
    tell(Texts::tr("في الجدول صف لم يقرأ، فصححه أولا: الصف %1، العمود «%2»: %3",
                   "schedule.fix-row-first")
             .arg(Figure(row + 1),
                  columns_
                      ->headerData(static_cast<int>(error.field), Qt::Horizontal, Qt::DisplayRole)
                      .toString(),
                  ProblemMessage(error.problem).in(InProgramLanguage)));
    return false;
  }
  if (!floor_height_m_) {
    tell(FloorHeightMessage().in(InProgramLanguage));
    return false;
  }
  if (read_.columns.empty()) {
    tell(EmptyTableMessage());
    return false;
  }
  return true;
}

QString ScheduleWindow::askSavePath(const QString& caption, const QString& file_name,
                                    const QString& extension) {
  return AskSavePath(this, ask_file_name_, folder_, caption, file_name, extension);
}

bool ScheduleWindow::writeFile(const QString& path, const QByteArray& bytes) {
  const auto written = WriteWholeFile(path, bytes);
  if (!written) {
    tell(written.error());
    return false;
  }
  folder_ = QFileInfo(path).absolutePath();
  return true;
}

// The table as typed, rows the engine refused too, whatever the floor height: nothing typed is
// lost, and the file opens again as it was.
bool ScheduleWindow::saveTable() {
  commitEditedCell();
  const std::vector<ColumnEntry> entries = columns_->filledEntries();
  if (entries.empty()) {
    tell(EmptyTableMessage());
    return false;
  }
  const QString path =
      askSavePath(Texts::tr("حفظ جدول الأعمدة", "schedule.save-title"), u"columns.csv"_s, u"csv"_s);
  if (path.isEmpty()) return false;
  const std::string csv = WriteEntriesCsv(entries);
  if (!writeFile(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())))) return false;
  setWindowModified(false);
  edits_->steps()->setClean();
  return true;
}

void ScheduleWindow::exportLevels() {
  if (!readyToWrite()) return;
  const QString path =
      askSavePath(Texts::tr("حفظ المستويات", "schedule.export-title"), u"schedule.csv"_s, u"csv"_s);
  if (path.isEmpty()) return;
  const std::string csv = WriteScheduleCsv(*schedule_);
  writeFile(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
}

void ScheduleWindow::savePdf() {
  if (!readyToWrite()) return;
  const QString path =
      askSavePath(Texts::tr("حفظ جدول الأعمدة بصيغة PDF", "schedule.save-pdf-title"),
                  u"schedule.pdf"_s, u"pdf"_s);
  if (path.isEmpty()) return;
  writeFile(path, SchedulePdf(*schedule_));
}

void ScheduleWindow::printSchedule() {
  if (!readyToWrite()) return;
  const std::shared_ptr<const Schedule> schedule = schedule_;  // as it is now, whatever follows
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setDocName(ScheduleTitle());
  QPrintPreviewDialog preview(&printer, this);
  preview.setWindowTitle(Texts::tr("معاينة جدول الأعمدة قبل الطباعة", "schedule.print-preview"));
  PlacePrintPreview(preview, *this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&schedule](QPrinter* device) { PaintSchedulePages(*schedule, *device); });
  preview.exec();
}

}  // namespace coldesign
