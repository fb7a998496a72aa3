#pragma once

#include <QString>
#include <vector>

#include "calculation/design_report.h"

namespace coldesign {

// A text of a design's report in the program's language, its arguments filled in; a
// left-to-right argument kept together between embedding marks inside an Arabic sentence.
QString Said(const ReportText& text);

// The report's lines of one part, in their order.
std::vector<const ReportLine*> LinesOf(const DesignReport& report, ReportPart part);

// The text of the report's first line of one part.
QString SaidOf(const DesignReport& report, ReportPart part);

// A line's value.
QString ValueOf(const ReportLine& line);

// A figure with its unit inside a sentence, kept together left to right.
QString LeftToRight(const QString& figure);

}  // namespace coldesign
