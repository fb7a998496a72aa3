#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

namespace coldesign {

// Rows copied from a spreadsheet: values separated by tabs, rows by line breaks (LF, CRLF or CR),
// the last line's break not starting another row. A value that begins with '"' is one cell as a
// spreadsheet copies a cell holding a tab, a line break or a quote: it runs to its closing quote,
// "" inside standing for one quote, and is kept whole. A value whose opening quote is not closed
// just before a tab, a line break or the end is taken as it stands, quotes and all.
QList<QStringList> ReadPastedRows(QStringView text);

}  // namespace coldesign
