#include "windows/sheet_actions.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolTip>

#include "sheet/calculation_sheet.h"
#include "sheet/program_version.h"
#include "sheet/results_text.h"
#include "windows/message_boxes.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString AskWithSaveDialog(QWidget* window, const QString& suggested) {
  return QFileDialog::getSaveFileName(window, u"حفظ ورقة الحساب"_s, suggested, u"PDF (*.pdf)"_s);
}

// Why a file could not be written, in words the user can act on, with the system's reason.
QString FailureReason(const QSaveFile& file, const QString& path) {
  const QFileInfo folder(QFileInfo(path).absolutePath());
  QString reason;
  if (!folder.exists()) {
    reason = u"المجلد غير موجود."_s;
  } else if (!folder.isDir()) {
    reason = u"المسار لا يشير إلى مجلد."_s;
  } else if (file.error() == QFileDevice::WriteError) {
    reason = u"تعذرت الكتابة، وقد يكون القرص ممتلئا."_s;
  } else if (!folder.isWritable()) {
    reason = u"لا توجد صلاحية للكتابة في هذا المجلد."_s;
  } else {
    reason = u"تعذر إنشاء الملف."_s;
  }
  return reason + u"\n("_s + file.errorString() + u')';
}

// Writes the sheet in full or not at all. Gives the reason of a failure, empty on success.
QString WriteSheetFile(const SheetContent& content, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return FailureReason(file, path);
  }
  if (!WriteCalculationSheetPdf(content, file)) {
    QString reason = FailureReason(file, path);
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) {
    return FailureReason(file, path);
  }
  return {};
}

QAction* MakeAction(QWidget* window, const QString& text, const QKeySequence& keys) {
  auto* action = new QAction(text, window);
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
      save_(MakeAction(window, u"حفظ ورقة الحساب بصيغة PDF…"_s, QKeySequence(u"Ctrl+S"_s))),
      print_(MakeAction(window, u"طباعة ورقة الحساب…"_s, QKeySequence(u"Ctrl+P"_s))),
      copy_(MakeAction(window, u"نسخ النتائج"_s, QKeySequence(u"Ctrl+Shift+C"_s))),
      ask_file_name_(AskWithSaveDialog) {
  setObjectName(u"sheetActions"_s);
  for (QAction* action : {save_, print_, copy_}) {
    auto* shortcut = new QShortcut(action->shortcut(), window);
    connect(shortcut, &QShortcut::activated, this, &SheetActions::noteResultsFirst);
    before_results_.append(shortcut);
  }
  setAvailable(false);

  connect(save_, &QAction::triggered, this, &SheetActions::saveSheet);
  connect(print_, &QAction::triggered, this, &SheetActions::printSheet);
  connect(copy_, &QAction::triggered, this, &SheetActions::copyResults);

  // The fields keep their own menus; everywhere else on the window, this one.
  window->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(window, &QWidget::customContextMenuRequested, this, &SheetActions::showContextMenu);
}

QString SheetActions::suggestedPath() const {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    folder = QDir::homePath();
  }
  return QDir(folder).filePath(design_ ? SheetFileName(*design_) : u"column.pdf"_s);
}

void SheetActions::takeDesign(const ColumnDesignInput& input, const ColumnDesignResult& result) {
  design_ = SheetContent{.input = input,
                         .result = result,
                         .bar_diameter_text = FormatInteger(input.materials.bar_diameter_mm)};
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

void SheetActions::showContextMenu(QPoint position) {
  QMenu menu(window_);
  menu.addActions({save_, print_});
  menu.addSeparator();
  menu.addAction(copy_);
  menu.addSeparator();
  menu.addActions(more_actions_);
  menu.exec(window_->mapToGlobal(position));
}

void SheetActions::noteResultsFirst() {
  QToolTip::showText(results_button_->mapToGlobal(results_button_->rect().center()),
                     u"اضغط «النتائج» أولا"_s, window_);
}

void SheetActions::saveSheet() {
  if (!design_) {
    return;
  }
  const SheetContent design = *design_;  // the dialog's events cannot change what is saved
  QString path = ask_file_name_(window_, suggestedPath());
  if (path.isEmpty()) {
    return;
  }
  if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive)) {
    path += u".pdf"_s;
    // The dialog asked about the name as typed, not about this one.
    if (QFileInfo::exists(path) &&
        AskUser(window_, QMessageBox::NoIcon, kProgramCaption.toString(),
                u"الملف "_s + QFileInfo(path).fileName() + u" موجود. هل تريد استبداله؟"_s,
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
      return;
    }
  }
  const QString reason = WriteSheetFile(design, path);
  if (!reason.isEmpty()) {
    AskUser(window_, QMessageBox::NoIcon, kProgramCaption.toString(),
            u"تعذر حفظ ورقة الحساب في\n"_s + QDir::toNativeSeparators(path) + u"\n\n"_s + reason);
  }
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
  printer.setCreator(u"زركولت "_s + kProgramVersion.toString());
  QPrintPreviewDialog preview(&printer, window_);
  preview.setWindowTitle(u"معاينة ورقة الحساب قبل الطباعة"_s);
  preview.resize(760, 900);  // the whole page large enough to read
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
