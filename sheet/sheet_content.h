#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <string>

#include "calculation/bending_design.h"
#include "calculation/design_calculation.h"
#include "calculation/design_report.h"

namespace coldesign {

// The design with moments a sheet is of.
struct SheetMoments {
  BendingDesignInput input;
  BendingDesignResult result;
};

// One design as the design window holds it after a successful Results: the inputs as typed and
// the four results of the section chosen, texts taken as they are and never formatted again.
struct SheetContent {
  ColumnDesignInput input;
  ColumnDesignResult result;
  std::optional<SheetMoments> moments;  // none: a design for the axial load alone
  QDate date = QDate::currentDate();
};

// The sheet of a successful (status Ok) design with moments: its four texts those of the final
// section, the axial design's where the moments did not govern.
SheetContent SheetOf(const BendingDesignInput& input, const BendingDesignResult& result);

// What the sheet and the copied results say: with the moment section when the design with moments
// has one to report, otherwise the axial design's.
DesignReport SheetReport(const SheetContent& content);

// The suggested file name of the sheet: "column-30x230.pdf".
QString SheetFileName(const SheetContent& content);

}  // namespace coldesign
