#pragma once

#include <QString>

#include "calculation/design_report.h"

namespace coldesign {

// A text of a design's report in the program's language, its arguments filled in; a
// left-to-right argument kept together between embedding marks inside an Arabic sentence.
QString Said(const ReportText& text);

// The texts of a sentence, one after another.
QString Said(const ReportSentence& sentence);

// A figure with its unit inside a sentence, kept together left to right.
QString LeftToRight(const QString& figure);

}  // namespace coldesign
