#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <expected>
#include <functional>

namespace coldesign {

// Saving a file the user names, the same in every window: the name checked, the file written
// whole or not at all through the whole-file writer, a failure told in words the user can act on
// with the system's reason.

// How a window says that the file at `path` (as the system shows it) was not saved, and why.
using NotSavedMessage = std::function<QString(const QString& path, const QString& reason)>;

class FileSaver {
 public:
  // Messages go to `window` under `title`.
  FileSaver(QWidget* window, QString title, NotSavedMessage not_saved);

  // The path the user means by `asked`, a file dialog's answer: the blanks after the name dropped,
  // "." + `extension` added to a name without it. Empty, once the user is told why, when the name
  // is blank or holds a line break or another control character; empty too when the completed
  // name is a file the user keeps (the dialog asked about the name as typed).
  [[nodiscard]] QString pathFor(const QString& asked, const QString& extension) const;

  // Writes `bytes` to `path` whole or not at all; when that fails, tells the user why.
  void save(const QString& path, const QByteArray& bytes) const;

  // Tells the user that the file at `path` was not saved, and why.
  void tellNotSaved(const QString& path, const QString& reason) const;

 private:
  QWidget* window_;
  QString title_;
  NotSavedMessage not_saved_;
};

// Why the name at the end of `path` cannot be a file's: none, or a line break or another control
// character in it; empty when it can.
QString BadFileNameReason(const QString& path);

// Writes `bytes` to `path` whole or not at all: a link's file replaced, a folder, a device or a
// pipe refused, an earlier file left as it was on a failure. Why it failed, the system's reason
// in brackets after the words.
std::expected<void, QString> WriteWholeFileOrSayWhy(const QString& path, const QByteArray& bytes);

}  // namespace coldesign
