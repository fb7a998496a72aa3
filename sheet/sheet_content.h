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
  std::string bar_diameter_text = FormatInteger(rules::kBarDiameterMm);  // mm
  QDate date = QDate::currentDate();
};

// "30 × 230 cm"
QString SectionText(const SheetContent& content);
// "34 Φ16"
QString BarsText(const SheetContent& content);
// The suggested file name of the sheet: "column-30x230.pdf".
QString SheetFileName(const SheetContent& content);

}  // namespace coldesign
