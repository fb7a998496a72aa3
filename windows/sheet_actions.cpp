#include "windows/sheet_actions.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QToolTip>

#include "sheet/calculation_sheet.h"
#include "sheet/program_version.h"
#include "sheet/results_text.h"
#include "translations/texts.h"
#include "windows/message_boxes.h"
#include "windows/print_preview.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString AskWithSaveDialog(QWidget* window, const QString& suggested) {
  return QFileDialog::getSaveFileName(window, Texts::tr("حفظ ورقة الحساب", "sheet.save-title"),
                                      suggested, u"PDF (*.pdf)"_s);
}

// Less room than this is a full disk: the sheet takes a few tens of kilobytes.
constexpr qint64 kRoomForASheet = qint64{64} * 1024;

// Why a file could not be written, in words the user can act on, with the system's reason.
QString FailureReason(const QSaveFile& file, const QString& path) {
  const QFileInfo folder(QFileInfo(path).absolutePath());
  QString reason;
  if (!folder.exists()) {
    reason = Texts::tr("المجلد غير موجود.", "file.no-folder");
  } else if (!folder.isDir()) {
    reason = Texts::tr("المسار لا يشير إلى مجلد.", "file.not-a-folder");
  } else if (file.error() == QFileDevice::ResourceError ||
             QStorageInfo(folder.absoluteFilePath()).bytesAvailable() < kRoomForASheet) {
    // Qt reports a full disk as a resource error, but a write the disk cut short as no error.
    reason = Texts::tr("القرص ممتلئ، ولا مكان فيه لورقة الحساب.", "file.disk-full");
  } else if (file.error() == QFileDevice::WriteError) {
    reason = Texts::tr("تعذرت الكتابة، وقد يكون القرص ممتلئا.", "file.write-failed");
  } else if (!folder.isWritable()) {
    reason = Texts::tr("لا توجد صلاحية للكتابة في هذا المجلد.", "file.no-permission");
  } else {
    reason = FileNotCreated();
  }
  return file.error() == QFileDevice::NoError ? reason
                                              : reason + u"\n("_s + file.errorString() + u')';
}

// Writes the sheet in full or not at all. Gives the reason of a failure, empty on success.
QString WriteSheetFile(const SheetContent& content, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return FailureReason(file, path);
  }
  const SheetPdfResult written = WriteCalculationSheetPdf(content, file);
  if (written != SheetPdfResult::Written) {
    QString reason = written == SheetPdfResult::NotMade
                         ? Texts::tr("تعذر إنشاء ورقة الحساب.", "file.sheet-not-made")
                         : FailureReason(file, path);
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) {
    return FailureReason(file, path);
  }
  return {};
}

// "trail.pdf " is meant as "trail.pdf": blanks pasted or typed after a name are not part of it.
QString WithoutTrailingBlanks(const QString& path) {
  qsizetype end = path.size();
  while (end > 0 && path[end - 1].isSpace()) --end;
  return path.first(end);
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

void SheetActions::takeDesign(const ColumnDesignInput& input, const ColumnDesignResult& result) {
  design_ = SheetContent{.input = input, .result = result};
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
  QString path = WithoutTrailingBlanks(asked);
  const QString name = QFileInfo(path).fileName();
  if (name.isEmpty() || name.contains(QRegularExpression(u"[\\x{0}-\\x{1F}\\x{7F}]"_s))) {
    AskUser(window_, QMessageBox::NoIcon, ProgramName(),
            Texts::tr("تعذر حفظ ورقة الحساب: اسم الملف فارغ، أو فيه سطر جديد أو رمز تحكم. اختر "
                      "اسما غيره.",
                      "file.bad-name"));
    return;
  }
  if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive)) {
    path += u".pdf"_s;
  }
  // The dialog asked about the name as typed, not about this one.
  if (path != asked && QFileInfo::exists(path) &&
      AskUser(window_, QMessageBox::NoIcon, ProgramName(),
              ReplaceFileQuestion().arg(QFileInfo(path).fileName()),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  const QString reason = WriteSheetFile(design, path);
  if (!reason.isEmpty()) {
    AskUser(window_, QMessageBox::NoIcon, ProgramName(),
            Texts::tr("تعذر حفظ ورقة الحساب في\n%1\n\n%2", "file.save-failed")
                .arg(QDir::toNativeSeparators(path), reason));
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
