#pragma once

#include <QString>

#include "sheet/sheet_content.h"

namespace coldesign {

// The inputs and the four results with their units, one to a line, for the clipboard.
QString ResultsPlainText(const SheetContent& content);

// The same as a small right-to-left HTML table.
QString ResultsHtml(const SheetContent& content);

}  // namespace coldesign
