#include "windows/schedule_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <string_view>

#include "calculation/schedule_csv.h"
#include "translations/messages.h"
#include "translations/texts.h"
#include "windows/file_saving.h"

namespace coldesign {

using namespace Qt::Literals::StringLiterals;

namespace {

// "could not write FILE: why".
QString NotSaved(const QString& path, const QString& reason) {
  return FileMessage(path.toStdString(), reason.toStdString(), true).in(InProgramLanguage);
}

}  // namespace

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
  const QString asked = ask(window, {caption, QDir(in).filePath(file_name),
                                     extension.toUpper() + u" (*."_s + extension + u')', true});
  if (asked.isEmpty()) return {};
  return FileSaver(window, ScheduleTitle(), NotSaved).pathFor(asked, extension);
}

std::expected<void, QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  const auto written = WriteWholeFileOrSayWhy(path, bytes);
  if (written) return {};
  return std::unexpected(NotSaved(QDir::toNativeSeparators(path), written.error()));
}

}  // namespace coldesign
