#pragma once

#include <QString>
#include <vector>

#include "calculation/design_report.h"

namespace coldesign {

// How a left-to-right figure is kept together inside an Arabic sentence: between embedding
// marks (the calculation sheet's) or isolate marks (the schedule's).
enum class FigureMarks { Embedding, Isolate };

// A text of a design's report or of the schedule's tables in the program's language, its
// arguments filled in.
QString Said(const ReportText& text, FigureMarks marks = FigureMarks::Embedding);

// The report's lines of one part, in their order.
std::vector<const ReportLine*> LinesOf(const DesignReport& report, ReportPart part);

// The text of the report's first line of one part.
QString SaidOf(const DesignReport& report, ReportPart part);

// A line's value.
QString ValueOf(const ReportLine& line);

// A figure with its unit inside a sentence, kept together left to right.
QString LeftToRight(const QString& figure);

}  // namespace coldesign
