#include "windows/sheet_actions.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolTip>

#include "sheet/calculation_sheet.h"
#include "sheet/program_version.h"
#include "sheet/results_text.h"
#include "translations/texts.h"
#include "windows/file_saving.h"
#include "windows/message_boxes.h"
#include "windows/print_preview.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString AskWithSaveDialog(QWidget* window, const QString& suggested) {
  return QFileDialog::getSaveFileName(window, Texts::tr("حفظ ورقة الحساب", "sheet.save-title"),
                                      suggested, u"PDF (*.pdf)"_s);
}

// "The calculation sheet could not be saved in PATH: why".
QString SheetNotSaved(const QString& path, const QString& reason) {
  return Texts::tr("تعذر حفظ ورقة الحساب في\n%1\n\n%2", "file.save-failed").arg(path, reason);
}

QAction* MakeAction(QWidget* window, const QKeySequence& keys) {
  auto* action = new QAction(window);
  action->setShortcut(keys);
  action->setShortcutVisibleInContextMenu(true);
  window->addAction(action);
  return action;
}

}  // namespace

SheetActions::SheetActions(QWidget* window, QWidget* results_button)
    : QObject(window),
      window_(window),
      results_button_(results_button),
      save_(MakeAction(window, QKeySequence(u"Ctrl+S"_s))),
      print_(MakeAction(window, QKeySequence(u"Ctrl+P"_s))),
      copy_(MakeAction(window, QKeySequence(u"Ctrl+Shift+C"_s))),
      ask_file_name_(AskWithSaveDialog) {
  setObjectName(u"sheetActions"_s);
  for (QAction* action : {save_, print_, copy_}) {
    auto* shortcut = new QShortcut(action->shortcut(), window);
    connect(shortcut, &QShortcut::activated, this, &SheetActions::noteResultsFirst);
    before_results_.append(shortcut);
  }
  setAvailable(false);
  retranslate();

  connect(save_, &QAction::triggered, this, &SheetActions::saveSheet);
  connect(print_, &QAction::triggered, this, &SheetActions::printSheet);
  connect(copy_, &QAction::triggered, this, &SheetActions::copyResults);
}

void SheetActions::retranslate() {
  save_->setText(Texts::tr("حفظ ورقة الحساب بصيغة PDF…", "sheet.save"));
  print_->setText(Texts::tr("طباعة ورقة الحساب…", "sheet.print"));
  copy_->setText(Texts::tr("نسخ النتائج", "sheet.copy-results"));
}

bool SheetActions::event(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  return QObject::event(event);
}

QString SheetActions::suggestedPath() const {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    folder = QDir::homePath();
  }
  return QDir(folder).filePath(design_ ? SheetFileName(*design_) : u"column.pdf"_s);
}

void SheetActions::takeDesign(const SheetContent& design) {
  design_ = design;
  setAvailable(true);
}

void SheetActions::forgetDesign() {
  design_.reset();
  setAvailable(false);
}

void SheetActions::setAvailable(bool available) {
  for (QAction* action : {save_, print_, copy_}) {
    action->setEnabled(available);
  }
  for (QShortcut* shortcut : before_results_) {
    shortcut->setEnabled(!available);
  }
}

void SheetActions::noteResultsFirst() {
  QToolTip::showText(results_button_->mapToGlobal(results_button_->rect().center()),
                     Texts::tr("اضغط «النتائج» أولا", "sheet.results-first"), window_);
}

void SheetActions::saveSheet() {
  if (!design_) {
    return;
  }
  const SheetContent design = *design_;  // the dialog's events cannot change what is saved
  const QString asked = ask_file_name_(window_, suggestedPath());
  if (asked.isEmpty()) {
    return;
  }
  const FileSaver saver(window_, ProgramName(), SheetNotSaved);
  const QString path = saver.pathFor(asked, u"pdf"_s);
  if (path.isEmpty()) {
    return;
  }
  QByteArray pdf;
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly) ||
      WriteCalculationSheetPdf(design, buffer) != SheetPdfResult::Written) {
    saver.tellNotSaved(path, Texts::tr("تعذر إنشاء ورقة الحساب.", "file.sheet-not-made"));
    return;
  }
  saver.save(path, pdf);
}

void SheetActions::printSheet() {
  if (!design_) {
    return;
  }
  const SheetContent design = *design_;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setDocName(SheetTitle(design));
  printer.setCreator(ProgramName() + u' ' + kProgramVersion.toString());
  QPrintPreviewDialog preview(&printer, window_);
  preview.setWindowTitle(Texts::tr("معاينة ورقة الحساب قبل الطباعة", "sheet.print-preview"));
  PlacePrintPreview(preview, *window_);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&design](QPrinter* device) {
    QPainter painter(device);
    const QRectF paper = device->paperRect(QPrinter::DevicePixel);
    PaintCalculationSheet(painter, QRectF(QPointF(0, 0), paper.size()), device->resolution(),
                          design);
  });
  preview.exec();
}

void SheetActions::copyResults() {
  if (!design_) {
    return;
  }
  auto* data = new QMimeData;
  data->setText(ResultsPlainText(*design_));
  data->setHtml(ResultsHtml(*design_));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace coldesign
