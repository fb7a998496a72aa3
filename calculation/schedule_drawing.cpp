#include "calculation/schedule_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "calculation/numeric_text.h"
#include "calculation/section_layout.h"

namespace coldesign {
namespace {

// The sheet's measurements on paper, mm.
constexpr double kMargin = 10;
constexpr double kCaptionWidth = 26;  // the levels' column, on the right
constexpr double kCellWidth = 64;
constexpr double kCellHeight = 54;
constexpr double kSectionRoomWidth = 54;
constexpr double kSectionRoomHeight = 32;
constexpr double kSectionRoomTop = 4;  // under the cell's top
constexpr double kHeaderHeight = 24;
constexpr double kTitleBlockHeight = 22;
// A title block narrower than this would not hold the materials' line.
constexpr double kLeastSheetWidth = 190;
constexpr double kTextHeight = 2.5;
constexpr double kNameHeight = 5;
constexpr double kTitleHeight = 6;
constexpr double kLinePitch = 4.2;
constexpr double kTextInset = 3;
// A letter of a text kTextHeight high is taken as this wide, mm: wide enough for Latin figures,
// wider than most Arabic letters.
constexpr double kLetterWidth = 2;
constexpr int kMarkLines = 2;
constexpr std::array kUsualScales = {5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
constexpr double kMillimetresPerCentimetre = 10;

struct LevelRow {
  int first;
  int last;
};

// The levels split wherever a segment of any type starts or ends, highest first.
std::vector<LevelRow> LevelRows(const Schedule& schedule) {
  std::vector<bool> starts(rules::kMostFloors + 2, false);
  int highest = 0;
  for (const ColumnType& type : schedule.types) {
    for (const ColumnSegment& segment : type.segments) {
      starts[segment.first_level] = true;
      starts[segment.last_level + 1] = true;
      highest = std::max(highest, segment.last_level);
    }
  }
  std::vector<LevelRow> rows;
  for (int level = 1; level <= highest; ++level) {
    if (starts[level] || rows.empty()) {
      rows.push_back({level, level});
    } else {
      rows.back().last = level;
    }
  }
  std::ranges::reverse(rows);
  return rows;
}

const ColumnSegment* SegmentAt(const ColumnType& type, const LevelRow& row) {
  for (const ColumnSegment& segment : type.segments) {
    if (segment.first_level <= row.first && row.last <= segment.last_level) return &segment;
  }
  return nullptr;
}

double LengthMm(const ColumnSegment& segment) {
  return ParseNumberStrict(segment.length_text).value_or(0) * kMillimetresPerCentimetre;
}

// The largest of the usual scales at which the largest section fits a cell.
int DrawingScale(const Schedule& schedule) {
  double longest = 0;
  for (const ColumnType& type : schedule.types) {
    for (const ColumnSegment& segment : type.segments) {
      if (!segment.failure) longest = std::max(longest, LengthMm(segment));
    }
  }
  const double width = schedule.materials.width_cm * kMillimetresPerCentimetre;
  const double needed = std::max(longest / kSectionRoomWidth, width / kSectionRoomHeight);
  for (const int scale : kUsualScales) {
    if (scale >= needed) return scale;
  }
  return static_cast<int>(std::ceil(needed));
}

std::size_t Letters(std::string_view text) {
  return static_cast<std::size_t>(std::ranges::count_if(
      text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The type's marks in lines that fit a cell; `cut` when some were left out for want of room.
struct MarkLines {
  std::vector<std::vector<std::string>> lines;
  bool cut = false;
};

MarkLines FitMarks(const Schedule& schedule, const ColumnType& type) {
  const auto most_letters = static_cast<std::size_t>((kCellWidth - 2 * kTextInset) / kLetterWidth);
  constexpr std::size_t kSeparatorLetters = 2;
  constexpr std::size_t kEllipsisLetters = 1;
  MarkLines marks{{{}}};
  std::size_t letters = 0;
  for (const std::size_t index : type.columns) {
    const std::string& mark = schedule.columns[index].input.mark;
    if (mark.empty()) continue;
    const bool first = marks.lines.back().empty();
    const std::size_t more = Letters(mark) + (first ? 0 : kSeparatorLetters);
    const bool last_line = marks.lines.size() == kMarkLines;
    if (!first && letters + more + (last_line ? kEllipsisLetters : 0) > most_letters) {
      if (last_line) {
        marks.cut = true;
        return marks;
      }
      marks.lines.emplace_back();
      letters = 0;
    }
    letters += Letters(mark) + (marks.lines.back().empty() ? 0 : kSeparatorLetters);
    marks.lines.back().push_back(mark);
  }
  return marks;
}

// "Φ8"
std::string TieText() { return "Φ" + FormatInteger(rules::kTieDiameterMm); }

// Draws one sheet: paper measurements in mm, turned into the building's by the scale.
class SheetBuilder {
 public:
  SheetBuilder(const Schedule& schedule, int scale, std::size_t type_count, std::size_t row_count)
      : schedule_(schedule), scale_(scale) {
    width_ = std::max(2 * kMargin + kCaptionWidth + kCellWidth * static_cast<double>(type_count),
                      kLeastSheetWidth);
    height_ = 2 * kMargin + kTitleBlockHeight + kHeaderHeight +
              kCellHeight * static_cast<double>(row_count);
    sheet_.width = width_ * scale;
    sheet_.height = height_ * scale;
    grid_left_ = width_ - kMargin - kCaptionWidth - kCellWidth * static_cast<double>(type_count);
    grid_bottom_ = kMargin + kTitleBlockHeight;
  }

  void frame(std::size_t row_count, const DrawingPaper& paper) {
    const double right = width_ - kMargin;
    const double top = height_ - kMargin;
    line({kMargin, kMargin}, {right, kMargin});
    line({right, kMargin}, {right, top});
    line({right, top}, {kMargin, top});
    line({kMargin, top}, {kMargin, kMargin});
    line({kMargin, grid_bottom_}, {right, grid_bottom_});
    line({grid_left_, top - kHeaderHeight}, {right, top - kHeaderHeight});
    for (std::size_t r = 1; r < row_count; ++r) {
      const double y = top - kHeaderHeight - kCellHeight * static_cast<double>(r);
      line({grid_left_, y}, {right, y});
    }
    for (double x = right - kCaptionWidth; x > grid_left_ + kCellWidth / 2; x -= kCellWidth) {
      line({x, grid_bottom_}, {x, top});
    }
    if (grid_left_ > kMargin)
      line({grid_left_, grid_bottom_}, {grid_left_, top});  // not the frame's

    const double caption_centre = right - kCaptionWidth / 2;
    text(DrawingWords::TypeCaption, {}, {caption_centre, top - 6}, kTextHeight);
    text(DrawingWords::LevelsCaption, {}, {caption_centre, top - kHeaderHeight + 5}, kTextHeight);

    const DesignMaterials& materials = schedule_.materials;
    const double title_top = kMargin + kTitleBlockHeight;
    text(DrawingWords::Title, {}, {right - kTextInset, title_top - 5}, kTitleHeight,
         TextAnchor::Right);
    text(DrawingWords::Materials,
         {"fcu = " + FormatNumber(materials.concrete_strength_kg_per_cm2) + " kg/cm²",
          "fy = " + FormatNumber(materials.steel_yield_kg_per_cm2) + " kg/cm²",
          FormatNumber(rules::kClearCoverMm) + " mm", TieText()},
         {right - kTextInset, title_top - 12}, kTextHeight, TextAnchor::Right);
    text(DrawingWords::Scale, {"1:" + FormatInteger(scale_)},
         {right - kTextInset, title_top - 17.5}, kTextHeight, TextAnchor::Right);
    text(DrawingWords::Date, {paper.date_text}, {kMargin + kTextInset, title_top - 17.5},
         kTextHeight, TextAnchor::Left);
  }

  void typeHeader(std::size_t column, const ColumnType& type) {
    const double centre = columnCentre(column);
    const double top = height_ - kMargin;
    text(DrawingWords::Figures, {type.name}, {centre, top - 5}, kNameHeight);
    MarkLines marks = FitMarks(schedule_, type);
    for (std::size_t l = 0; l < marks.lines.size(); ++l) {
      const bool cut = marks.cut && l + 1 == marks.lines.size();
      text(cut ? DrawingWords::SomeMarks : DrawingWords::Marks, std::move(marks.lines[l]),
           {centre, top - 11 - kLinePitch * static_cast<double>(l)}, kTextHeight);
    }
    text(DrawingWords::Count, {FormatInteger(type.count)}, {centre, top - kHeaderHeight + 3},
         kTextHeight);
  }

  void rowCaption(std::size_t row, const LevelRow& levels) {
    std::string figures = FormatInteger(levels.first);
    if (levels.last != levels.first) figures += "–" + FormatInteger(levels.last);
    text(DrawingWords::Figures, {std::move(figures)},
         {width_ - kMargin - kCaptionWidth / 2, rowTop(row) - kCellHeight / 2}, kTextHeight);
  }

  void cell(std::size_t column, std::size_t row, const ColumnSegment& segment) {
    const double centre = columnCentre(column);
    const double top = rowTop(row);
    if (segment.failure) {
      text(DrawingWords::TooLarge, {}, {centre, top - kCellHeight / 2}, kTextHeight);
      return;
    }
    const DesignMaterials& materials = schedule_.materials;
    const SectionLayoutInput input{
        .width_cm = static_cast<double>(materials.width_cm),
        .length_cm = LengthMm(segment) / kMillimetresPerCentimetre,
        .bar_count = static_cast<int>(ParseNumberStrict(segment.bar_count_text).value_or(0)),
        .bar_diameter_mm = static_cast<double>(materials.bar_diameter_mm)};
    const double room_middle = top - kSectionRoomTop - kSectionRoomHeight / 2;
    const auto layout = LayOutSection(input);
    if (layout) {
      section(input, *layout, {centre * scale_, room_middle * scale_});
    } else {
      text(DrawingWords::BarsDoNotFit, {}, {centre, room_middle}, kTextHeight);
    }
    const std::string diameter = FormatInteger(materials.bar_diameter_mm);
    double y = top - kSectionRoomTop - kSectionRoomHeight - 3;
    text(DrawingWords::Figures,
         {FormatInteger(materials.width_cm) + "×" + std::string(segment.length_text)}, {centre, y},
         kTextHeight);
    y -= kLinePitch;
    text(DrawingWords::Figures, {std::string(segment.bar_count_text) + "Φ" + diameter}, {centre, y},
         kTextHeight);
    y -= kLinePitch;
    text(DrawingWords::Tie, {TieText()}, {centre, y}, kTextHeight);
  }

  DrawingSheet take() { return std::move(sheet_); }

 private:
  [[nodiscard]] double columnCentre(std::size_t column) const {
    return width_ - kMargin - kCaptionWidth - kCellWidth * (static_cast<double>(column) + 0.5);
  }
  [[nodiscard]] double rowTop(std::size_t row) const {
    return height_ - kMargin - kHeaderHeight - kCellHeight * static_cast<double>(row);
  }

  // The section centred on `middle` (the building's mm): its outline, its tie and its bars.
  void section(const SectionLayoutInput& input, const SectionLayout& layout, DrawingPoint middle) {
    const double length = input.length_cm * kMillimetresPerCentimetre;
    const double width = input.width_cm * kMillimetresPerCentimetre;
    const double left = middle.x - length / 2;
    const double bottom = middle.y - width / 2;
    sheet_.polylines.push_back({DrawingLayer::Outlines,
                                {{{left, bottom}},
                                 {{left + length, bottom}},
                                 {{left + length, bottom + width}},
                                 {{left, bottom + width}}}});
    // The tie's centre line, bent round the corner bars.
    const double inset = input.clear_cover_mm + input.tie_diameter_mm / 2;
    const double bend = rules::TieCornerRadiusMm(input.bar_diameter_mm, input.tie_diameter_mm);
    const double x0 = left + inset;
    const double x1 = left + length - inset;
    const double y0 = bottom + inset;
    const double y1 = bottom + width - inset;
    const double quarter = std::tan(std::numbers::pi / 8);  // a quarter turn, counterclockwise
    sheet_.polylines.push_back({DrawingLayer::Ties,
                                {{{x0 + bend, y0}},
                                 {{x1 - bend, y0}, quarter},
                                 {{x1, y0 + bend}},
                                 {{x1, y1 - bend}, quarter},
                                 {{x1 - bend, y1}},
                                 {{x0 + bend, y1}, quarter},
                                 {{x0, y1 - bend}},
                                 {{x0, y0 + bend}, quarter}}});
    for (const BarCentre& bar : layout.bars) {
      sheet_.circles.push_back(
          {DrawingLayer::Bars, {left + bar.x_mm, bottom + bar.y_mm}, input.bar_diameter_mm / 2});
    }
  }

  void line(DrawingPoint from, DrawingPoint to) {
    sheet_.lines.push_back(
        {DrawingLayer::Grid, {from.x * scale_, from.y * scale_}, {to.x * scale_, to.y * scale_}});
  }

  void text(DrawingWords words, std::vector<std::string> figures, DrawingPoint at, double height,
            TextAnchor anchor = TextAnchor::Centre) {
    sheet_.texts.push_back(
        {words, std::move(figures), {at.x * scale_, at.y * scale_}, height * scale_, anchor});
  }

  const Schedule& schedule_;
  double scale_;
  double width_ = 0;  // paper mm
  double height_ = 0;
  double grid_left_ = 0;
  double grid_bottom_ = 0;
  DrawingSheet sheet_;
};

std::size_t FitCount(double most, double fixed, double each, std::size_t all) {
  if (most <= 0) return std::max<std::size_t>(all, 1);
  return std::max<std::size_t>(1, static_cast<std::size_t>(std::floor((most - fixed) / each)));
}

}  // namespace

ScheduleDrawing DrawSchedule(const Schedule& schedule, const DrawingPaper& paper) {
  ScheduleDrawing drawing;
  drawing.scale = DrawingScale(schedule);
  const std::vector<LevelRow> rows = LevelRows(schedule);
  const std::size_t types_per_sheet =
      FitCount(paper.most_width, 2 * kMargin + kCaptionWidth, kCellWidth, schedule.types.size());
  const std::size_t rows_per_sheet = FitCount(
      paper.most_height, 2 * kMargin + kTitleBlockHeight + kHeaderHeight, kCellHeight, rows.size());
  for (std::size_t first_type = 0; first_type == 0 || first_type < schedule.types.size();
       first_type += types_per_sheet) {
    const std::size_t type_count = std::min(types_per_sheet, schedule.types.size() - first_type);
    for (std::size_t first_row = 0; first_row == 0 || first_row < rows.size();
         first_row += rows_per_sheet) {
      const std::size_t row_count = std::min(rows_per_sheet, rows.size() - first_row);
      SheetBuilder builder(schedule, drawing.scale, type_count, row_count);
      builder.frame(row_count, paper);
      for (std::size_t r = 0; r < row_count; ++r) builder.rowCaption(r, rows[first_row + r]);
      for (std::size_t t = 0; t < type_count; ++t) {
        const ColumnType& type = schedule.types[first_type + t];
        builder.typeHeader(t, type);
        for (std::size_t r = 0; r < row_count; ++r) {
          if (const ColumnSegment* segment = SegmentAt(type, rows[first_row + r])) {
            builder.cell(t, r, *segment);
          }
        }
      }
      drawing.sheets.push_back(builder.take());
    }
  }
  return drawing;
}

std::vector<DrawingPoint> FlattenedPolyline(const DrawingPolyline& polyline, double most_angle) {
  std::vector<DrawingPoint> points;
  const std::size_t count = polyline.vertices.size();
  const std::size_t segments = polyline.closed ? count : count - std::min<std::size_t>(count, 1);
  for (std::size_t i = 0; i < segments; ++i) {
    const DrawingVertex& from = polyline.vertices[i];
    const DrawingPoint to = polyline.vertices[(i + 1) % count].at;
    points.push_back(from.at);
    if (from.bulge == 0) continue;
    const double angle = 4 * std::atan(from.bulge);
    const double dx = to.x - from.at.x;
    const double dy = to.y - from.at.y;
    const double chord = std::hypot(dx, dy);
    if (chord == 0) continue;
    // The centre lies off the chord's middle, to the left for a counterclockwise arc.
    const double offset = (1 - from.bulge * from.bulge) / (4 * from.bulge);
    const DrawingPoint centre{(from.at.x + to.x) / 2 - dy * offset,
                              (from.at.y + to.y) / 2 + dx * offset};
    const double radius = std::hypot(from.at.x - centre.x, from.at.y - centre.y);
    const double start = std::atan2(from.at.y - centre.y, from.at.x - centre.x);
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(angle) / most_angle)));
    for (int k = 1; k < pieces; ++k) {
      const double at = start + angle * k / pieces;
      points.push_back({centre.x + radius * std::cos(at), centre.y + radius * std::sin(at)});
    }
  }
  if (count > 0)
    points.push_back(polyline.closed ? polyline.vertices.front().at : polyline.vertices.back().at);
  return points;
}

}  // namespace coldesign
