#include "windows/schedule_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <string_view>

#include "calculation/schedule_csv.h"
#include "output/file_output.h"
#include "translations/messages.h"
#include "translations/texts.h"
#include "windows/message_boxes.h"

namespace coldesign {

using namespace Qt::Literals::StringLiterals;

QString AskWithFileDialog(QWidget* window, const FileQuestion& question) {
  return question.save ? QFileDialog::getSaveFileName(window, question.caption, question.suggested,
                                                      question.filter)
                       : QFileDialog::getOpenFileName(window, question.caption, question.suggested,
                                                      question.filter);
}

std::expected<std::vector<ColumnEntry>, QString> ReadColumnsFile(const QString& path) {
  const std::string name = QFileInfo(path).fileName().toStdString();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return std::unexpected(
        FileMessage(name, file.errorString().toStdString(), false).in(InProgramLanguage));
  }
  if (file.size() > rules::kMostScheduleFileBytes) {
    CsvError too_large;  // refused before it fills memory
    too_large.problem = ScheduleProblem::FileTooLarge;
    return std::unexpected(CsvErrorMessage(name, too_large).in(InProgramLanguage));
  }
  const QByteArray bytes = file.readAll();
  // As typed, rows still to put right too: the table marks them as it does typed rows.
  auto entries = ReadEntriesCsv(std::string_view(bytes.constData(), bytes.size()));
  if (!entries) {
    return std::unexpected(CsvErrorMessage(name, entries.error()).in(InProgramLanguage));
  }
  return std::move(*entries);
}

QString AskSavePath(QWidget* window, const AskFileName& ask, const QString& folder,
                    const QString& caption, const QString& file_name, const QString& extension) {
  QString in = folder;
  if (in.isEmpty()) in = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (in.isEmpty() || !QFileInfo(in).isDir()) in = QDir::homePath();
  QString path = ask(window, {caption, QDir(in).filePath(file_name),
                              extension.toUpper() + u" (*."_s + extension + u')', true})
                     .trimmed();
  if (path.isEmpty()) return {};
  if (!path.endsWith(u'.' + extension, Qt::CaseInsensitive)) {
    path += u'.' + extension;
    // The dialog asked about the name as typed, not about this one.
    if (QFileInfo::exists(path) &&
        AskUser(window, QMessageBox::NoIcon, ScheduleTitle(),
                ReplaceFileQuestion().arg(QFileInfo(path).fileName()),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
      return {};
    }
  }
  return path;
}

std::expected<void, QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  const std::string shown = QDir::toNativeSeparators(path).toStdString();
  if (bytes.isEmpty()) {
    return std::unexpected(
        FileMessage(shown, FileNotCreated().toStdString(), true).in(InProgramLanguage));
  }
  // The command line's writer: a link's file replaced, a device refused, the system's reason.
  const auto written =
      WriteWholeFile(QFile::encodeName(path).toStdString(), [&bytes](const WritePiece& write) {
        return write(std::string_view(bytes.constData(), bytes.size()));
      });
  if (written) return {};
  return std::unexpected((written.error().not_regular_file
                              ? NotRegularFileMessage(shown)
                              : FileMessage(shown, written.error().reason, true))
                             .in(InProgramLanguage));
}

}  // namespace coldesign
