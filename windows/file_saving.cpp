#include "windows/file_saving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <string_view>
#include <utility>

#include "output/file_output.h"
#include "translations/texts.h"
#include "windows/message_boxes.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// The words for a failure of the whole-file writer.
QString FailureWords(const WriteFailure& failure) {
  if (failure.not_regular_file) {
    return Texts::tr("المسار ليس ملفا عاديا ولا اسما جديدا.", "file.not-regular-reason");
  }
  switch (failure.error) {
    case ENOENT:
      return Texts::tr("المجلد غير موجود.", "file.no-folder");
    case ENOTDIR:
      return Texts::tr("المسار لا يشير إلى مجلد.", "file.not-a-folder");
    case ENOSPC:
    case EDQUOT:
      return Texts::tr("القرص ممتلئ، ولا مكان فيه للملف.", "file.disk-full");
    case EACCES:
    case EPERM:
    case EROFS:
      return Texts::tr("لا توجد صلاحية للكتابة في هذا المجلد.", "file.no-permission");
    default:
      return Texts::tr("تعذرت الكتابة، وقد يكون القرص ممتلئا.", "file.write-failed");
  }
}

}  // namespace

FileSaver::FileSaver(QWidget* window, QString title, NotSavedMessage not_saved)
    : window_(window), title_(std::move(title)), not_saved_(std::move(not_saved)) {}

QString FileSaver::pathFor(const QString& asked, const QString& extension) const {
  // "trail.pdf " is meant as "trail.pdf": blanks pasted or typed after a name are not part of it.
  const qsizetype name_start = asked.lastIndexOf(u'/') + 1;
  qsizetype end = asked.size();
  while (end > name_start && asked[end - 1].isSpace()) --end;
  QString path = asked.first(end);
  if (const QString bad_name = BadFileNameReason(path); !bad_name.isEmpty()) {
    tellNotSaved(path, bad_name);
    return {};
  }
  if (!path.endsWith(u'.' + extension, Qt::CaseInsensitive)) path += u'.' + extension;
  // The dialog asked about the name as typed, not about this one.
  if (path != asked && QFileInfo::exists(path) &&
      AskUser(window_, QMessageBox::NoIcon, title_,
              ReplaceFileQuestion().arg(QFileInfo(path).fileName()),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return {};
  }
  return path;
}

void FileSaver::save(const QString& path, const QByteArray& bytes) const {
  const auto written = WriteWholeFileOrSayWhy(path, bytes);
  if (!written) tellNotSaved(path, written.error());
}

void FileSaver::tellNotSaved(const QString& path, const QString& reason) const {
  AskUser(window_, QMessageBox::NoIcon, title_, not_saved_(QDir::toNativeSeparators(path), reason));
}

QString BadFileNameReason(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  static const QRegularExpression kControl(u"[\\x{0}-\\x{1F}\\x{7F}]"_s);
  if (!name.isEmpty() && !name.contains(kControl)) return {};
  return Texts::tr("اسم الملف فارغ، أو فيه سطر جديد أو رمز تحكم. اختر اسما غيره.", "file.bad-name");
}

std::expected<void, QString> WriteWholeFileOrSayWhy(const QString& path, const QByteArray& bytes) {
  if (bytes.isEmpty()) return std::unexpected(FileNotCreated());
  const auto written =
      WriteWholeFile(QFile::encodeName(path).toStdString(), [&bytes](const WritePiece& write) {
        return write(std::string_view(bytes.constData(), bytes.size()));
      });
  if (written) return {};
  const WriteFailure& failure = written.error();
  QString why = FailureWords(failure);
  if (!failure.reason.empty()) why += u"\n("_s + QString::fromStdString(failure.reason) + u')';
  return std::unexpected(why);
}

}  // namespace coldesign
