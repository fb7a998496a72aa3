#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <expected>
#include <functional>
#include <vector>

#include "calculation/schedule_entry.h"

namespace coldesign {

// The schedule window's files: the columns table read from CSV, a path asked for, a file
// written whole.

struct FileQuestion {
  QString caption;
  QString suggested;  // a path
  QString filter;
  bool save = true;
};
// Asks for a file's path; empty when the user cancels.
using AskFileName = std::function<QString(QWidget* window, const FileQuestion& question)>;

// Asks with the system's file dialog.
QString AskWithFileDialog(QWidget* window, const FileQuestion& question);

// The columns of a CSV file as the table shows them, or what the user is told about a file that
// could not be read.
std::expected<std::vector<ColumnEntry>, QString> ReadColumnsFile(const QString& path);

// A path to save to from `ask`, in `folder` (else the documents' or the home folder) suggesting
// `file_name`, checked and completed with `extension` as FileSaver::pathFor does; empty when
// cancelled or refused.
QString AskSavePath(QWidget* window, const AskFileName& ask, const QString& folder,
                    const QString& caption, const QString& file_name, const QString& extension);

// Writes the file whole or not at all (an earlier file of that name stays as it was on a
// failure); what the user is told when it failed.
std::expected<void, QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace coldesign
