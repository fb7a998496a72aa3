#pragma once

#include <QDate>
#include <QString>
#include <string>

#include "calculation/design_calculation.h"

namespace coldesign {

// One design as the design window holds it after a successful Results: the inputs as typed and
// the four results, texts taken as they are and never formatted again.
struct SheetContent {
  ColumnDesignInput input;
  ColumnDesignResult result;
  QDate date = QDate::currentDate();
};

// The suggested file name of the sheet: "column-30x230.pdf".
QString SheetFileName(const SheetContent& content);

}  // namespace coldesign
