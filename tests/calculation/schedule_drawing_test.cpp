#include "calculation/schedule_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace coldesign {
namespace {

// Columns C1 … of loads 10, 20 … t on 1 to 9 floors, each its own type mostly.
Schedule Building(int columns) {
  std::vector<ColumnInput> inputs;
  for (int i = 0; i < columns; ++i) {
    inputs.push_back({"C" + std::to_string(i + 1), std::to_string(10 * (i + 1)), i % 9 + 1, 1});
  }
  return DesignSchedule(std::move(inputs), {});
}

std::size_t Count(const ScheduleDrawing& drawing, auto member) {
  std::size_t count = 0;
  for (const DrawingSheet& sheet : drawing.sheets) count += (sheet.*member).size();
  return count;
}

TEST(ScheduleDrawingTest, PagedSheetsFitThePaperAndHoldEverySectionOnce) {
  for (const int columns : {1, 4, 12, 40}) {
    SCOPED_TRACE(columns);
    const Schedule schedule = Building(columns);
    const ScheduleDrawing whole = DrawSchedule(schedule, {});
    const ScheduleDrawing paged =
        DrawSchedule(schedule, {.most_width = kA3LongSideMm, .most_height = kA3ShortSideMm});
    ASSERT_EQ(1U, whole.sheets.size());
    EXPECT_EQ(whole.scale, paged.scale);
    for (const DrawingSheet& sheet : paged.sheets) {
      EXPECT_LE(sheet.width / paged.scale, kA3LongSideMm);
      EXPECT_LE(sheet.height / paged.scale, kA3ShortSideMm);
    }
    EXPECT_EQ(Count(whole, &DrawingSheet::polylines), Count(paged, &DrawingSheet::polylines));
    EXPECT_EQ(Count(whole, &DrawingSheet::circles), Count(paged, &DrawingSheet::circles));
    std::size_t levels = 0;  // each designed level lies in one cell's range
    for (const ColumnType& type : schedule.types) {
      for (const ColumnSegment& segment : type.segments) {
        levels += static_cast<std::size_t>(segment.last_level - segment.first_level + 1);
      }
    }
    EXPECT_LE(Count(whole, &DrawingSheet::polylines) / 2, levels);
    EXPECT_GE(Count(whole, &DrawingSheet::polylines) / 2, schedule.types.size());
  }
}

TEST(ScheduleDrawingTest, TheLargestSectionFitsItsCellAtTheScale) {
  const ScheduleDrawing drawing = DrawSchedule(Building(30), {});
  double longest = 0;
  for (const DrawingPolyline& outline : drawing.sheets.front().polylines) {
    if (outline.layer != DrawingLayer::Outlines) continue;
    const auto [left, right] =
        std::ranges::minmax(outline.vertices, {}, [](const DrawingVertex& v) { return v.at.x; });
    longest = std::max(longest, right.at.x - left.at.x);
  }
  EXPECT_GT(longest / drawing.scale, 20);  // mm on paper: the scale is not needlessly small
  EXPECT_LE(longest / drawing.scale, 54);
}

TEST(ScheduleDrawingTest, MarksThatDoNotFitAreCutWithTheirCountStillShown) {
  std::vector<ColumnInput> inputs;
  for (const int count : {2, 200}) {
    for (int i = 0; i < count; ++i) {
      inputs.push_back(
          {"K" + std::to_string(count) + "-" + std::to_string(i), count == 2 ? "10" : "200", 1, 1});
    }
  }
  const DrawingSheet sheet = DrawSchedule(DesignSchedule(std::move(inputs), {}), {}).sheets.front();
  std::vector<std::string> shown;
  int cut = 0;
  for (const DrawingText& text : sheet.texts) {
    if (text.words == DrawingWords::SomeMarks) ++cut;
    if (text.words == DrawingWords::Marks || text.words == DrawingWords::SomeMarks) {
      shown.insert(shown.end(), text.figures.begin(), text.figures.end());
    }
    if (text.words == DrawingWords::Count) {
      EXPECT_TRUE(text.figures == std::vector<std::string>{"2"} ||
                  text.figures == std::vector<std::string>{"200"});
    }
  }
  EXPECT_EQ(1, cut);
  EXPECT_EQ(1, std::ranges::count(shown, "K2-1"));
  EXPECT_EQ(1, std::ranges::count(shown, "K200-0"));
  EXPECT_EQ(0, std::ranges::count(shown, "K200-199"));
}

TEST(ScheduleDrawingTest, ArcsBendToTheSideTheirBulgeSays) {
  const struct {
    double bulge;
    double side;  // the arc's points lie below (−1) or above (+1) the chord
  } cases[] = {{1, -1}, {-1, 1}, {std::tan(std::acos(-1.0) / 8), -1}};
  for (const auto& [bulge, side] : cases) {
    SCOPED_TRACE(bulge);
    const DrawingPolyline arc{DrawingLayer::Ties, {{{0, 0}, bulge}, {{2, 0}}}, false};
    const std::vector<DrawingPoint> points = FlattenedPolyline(arc, 0.1);
    const double angle = 4 * std::atan(std::abs(bulge));
    EXPECT_EQ(static_cast<std::size_t>(std::ceil(angle / 0.1)) + 1, points.size());
    const double radius = 1 / std::sin(angle / 2);
    const double centre_y = -side * radius * std::cos(angle / 2);
    for (const DrawingPoint& point : points) {
      EXPECT_NEAR(radius, std::hypot(point.x - 1, point.y - centre_y), 1e-9);
      EXPECT_GE(point.y * side, -1e-9);
    }
    EXPECT_DOUBLE_EQ(2, points.back().x);
  }
}

}  // namespace
}  // namespace coldesign
