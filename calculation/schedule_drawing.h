#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "calculation/column_schedule.h"

namespace coldesign {

// The column schedule as a drawing: a grid with one column per type and one row per range of
// levels, each cell the type's section at those levels drawn to scale (its outline, its tie
// inside the cover, each bar a circle of its true diameter at its place), with its size, its
// bars and its tie written under it; the types' names, marks and counts above; a title block
// with the materials, the scale and the date below. The DXF file and the PDF pages both draw
// these primitives.
//
// Coordinates are millimetres of the real building (a 30 cm side is 300 long), x to the right
// and y upwards from the sheet's lower left corner; texts and the grid are sized so that they
// read at the drawing's scale on paper.

struct DrawingPoint {
  double x = 0;
  double y = 0;
};

// Each kind of primitive goes on a layer of its own in a CAD program.
enum class DrawingLayer { Outlines, Ties, Bars, Texts, Grid };

struct DrawingLine {
  DrawingLayer layer = DrawingLayer::Grid;
  DrawingPoint from;
  DrawingPoint to;
};

// A polyline vertex: `bulge` bends the segment that starts at it into an arc, tan(¼ of the
// arc's angle), positive counterclockwise; 0 for a straight segment.
struct DrawingVertex {
  DrawingPoint at;
  double bulge = 0;
};

struct DrawingPolyline {
  DrawingLayer layer = DrawingLayer::Outlines;
  std::vector<DrawingVertex> vertices;
  bool closed = true;
};

struct DrawingCircle {
  DrawingLayer layer = DrawingLayer::Bars;
  DrawingPoint centre;
  double radius = 0;
};

// What a text says: a text of the catalogue, filled in with `figures` where it has places for
// them; Figures alone is the figures as they are (a type's name, "30 × 60", "12 Φ16").
enum class DrawingWords {
  Figures,
  Marks,          // the figures are marks, joined by the catalogue's list separator
  SomeMarks,      // the same, then "…": the type has more marks than the cell has room for
  Count,          // "العدد %1"
  Tie,            // "كانة %1": Φ8
  TooLarge,       // the design failed at these levels
  BarsDoNotFit,   // the bars do not fit the section at the least clear spacing
  Title,          // the schedule's title
  Materials,      // fcu, fy, the cover, the tie, each with its unit
  Scale,          // "مقياس الرسم %1": 1:20
  Date,           // "التاريخ %1"
  TypeCaption,    // "النوع", over the grid's caption column
  LevelsCaption,  // "المستويات"
};

enum class TextAnchor { Left, Centre, Right };

struct DrawingText {
  DrawingWords words = DrawingWords::Figures;
  std::vector<std::string> figures;
  DrawingPoint at;  // the middle of the text's height, on its left, centre or right
  double height = 0;
  TextAnchor anchor = TextAnchor::Centre;
};

// A sheet of the drawing: what one page holds, or the whole drawing in a CAD file.
struct DrawingSheet {
  double width = 0;  // mm of the building; on paper, divided by the scale
  double height = 0;
  std::vector<DrawingLine> lines;
  std::vector<DrawingPolyline> polylines;
  std::vector<DrawingCircle> circles;
  std::vector<DrawingText> texts;
};

struct ScheduleDrawing {
  int scale = 1;  // 1:scale, the same in every cell
  std::vector<DrawingSheet> sheets;
};

struct DrawingPaper {
  // The sheet's most size on paper, mm; 0 for no limit: one sheet holding every type and level.
  double most_width = 0;
  double most_height = 0;
  std::string date_text;  // as the title block writes it
};

// A3 landscape, the usual sheet of a column schedule.
inline constexpr double kA3LongSideMm = 420;
inline constexpr double kA3ShortSideMm = 297;

// The drawing of the schedule's types (DesignSchedule with ScheduleParts::Whole). Types that do
// not fit one sheet's width go on the next sheets, and so do levels that do not fit its height.
ScheduleDrawing DrawSchedule(const Schedule& schedule, const DrawingPaper& paper);

// The polyline's points with each arc replaced by straight segments, at most `most_angle`
// radians each: for outputs that draw straight segments only. Closed polylines end where they
// start.
std::vector<DrawingPoint> FlattenedPolyline(const DrawingPolyline& polyline, double most_angle);

}  // namespace coldesign
