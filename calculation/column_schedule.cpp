#include "calculation/column_schedule.h"

#include <map>
#include <numbers>
#include <string_view>
#include <utility>

#include "calculation/design_calculation.h"

namespace coldesign {
namespace {

constexpr double kCentimetresPerMetre = 100;
constexpr double kMillimetresPerMetre = 1000;

bool SameSegment(const ColumnSegment& segment, const LevelDesign& level) {
  return segment.failure == level.failure && segment.length_text == level.length_text &&
         segment.bar_count_text == level.bar_count_text;
}

// One column of these segments; its steel is the bars' own cross-section π d² / 4, not the
// design's rounded count.
Quantities SegmentQuantities(const std::vector<ColumnSegment>& segments,
                             const DesignMaterials& materials, double floor_height_m) {
  const double width_m = materials.width_cm / kCentimetresPerMetre;
  const double bar_diameter_m = materials.bar_diameter_mm / kMillimetresPerMetre;
  const double bar_area_m2 = std::numbers::pi * bar_diameter_m * bar_diameter_m / 4;
  Quantities quantities;
  for (const ColumnSegment& segment : segments) {
    if (segment.failure) continue;
    const double height_m = (segment.last_level - segment.first_level + 1) * floor_height_m;
    const double length_m = ParseLeadingNumber(segment.length_text) / kCentimetresPerMetre;
    const double bars = ParseLeadingNumber(segment.bar_count_text);
    quantities.concrete_m3 += width_m * length_m * height_m;
    quantities.steel_kg += bars * bar_area_m2 * height_m * rules::kSteelDensityKgPerM3;
  }
  return quantities;
}

// Flags every column whose mark another column has too; empty marks are not compared.
void FlagRepeatedMarks(std::vector<ScheduleColumn>& columns) {
  std::map<std::string_view, int> uses;
  for (const ScheduleColumn& column : columns) {
    if (!column.input.mark.empty()) ++uses[column.input.mark];
  }
  for (ScheduleColumn& column : columns) {
    column.repeated_mark = !column.input.mark.empty() && uses[column.input.mark] > 1;
  }
}

}  // namespace

std::vector<LevelDesign> DesignLevels(const std::string& load_text, int floors,
                                      const DesignMaterials& materials) {
  std::vector<LevelDesign> levels;
  levels.reserve(floors > 0 ? static_cast<std::size_t>(floors) : 0);
  for (int level = 1; level <= floors; ++level) {
    LevelDesign& design = levels.emplace_back();
    design.level = level;
    design.floors_carried = floors - level + 1;
    auto result =
        DesignColumn(DesignInput(load_text, FormatInteger(design.floors_carried), materials));
    if (!result) {
      design.failure = result.error().kind;
      continue;
    }
    design.required_area_text = std::move(result->required_area_text);
    design.length_text = std::move(result->length_text);
    design.steel_area_text = std::move(result->steel_area_text);
    design.bar_count_text = std::move(result->bar_count_text);
  }
  return levels;
}

std::vector<ColumnSegment> MergeLevels(const std::vector<LevelDesign>& levels) {
  std::vector<ColumnSegment> segments;
  for (const LevelDesign& level : levels) {
    if (!segments.empty() && SameSegment(segments.back(), level)) {
      segments.back().last_level = level.level;
      continue;
    }
    segments.push_back({.first_level = level.level,
                        .last_level = level.level,
                        .failure = level.failure,
                        .length_text = level.length_text,
                        .bar_count_text = level.bar_count_text});
  }
  return segments;
}

Schedule DesignSchedule(std::vector<ColumnInput> columns, const DesignMaterials& materials,
                        double floor_height_m) {
  Schedule schedule;
  schedule.materials = materials;
  schedule.floor_height_m = floor_height_m;
  schedule.columns.reserve(columns.size());
  std::map<std::vector<ColumnSegment>, std::size_t> type_of_segments;
  for (ColumnInput& input : columns) {
    ScheduleColumn& column = schedule.columns.emplace_back();
    column.levels = DesignLevels(input.load_text, input.floors, materials);
    column.input = std::move(input);
    auto segments = MergeLevels(column.levels);
    const auto [found, added] =
        type_of_segments.try_emplace(std::move(segments), schedule.types.size());
    if (added) {
      ColumnType& type = schedule.types.emplace_back();
      type.name = "T" + FormatInteger(static_cast<std::int64_t>(schedule.types.size()));
      type.segments = found->first;
    }
    column.type = found->second;
    ColumnType& type = schedule.types[column.type];
    type.columns.push_back(schedule.columns.size() - 1);
    type.count += column.input.count;
    for (const LevelDesign& level : column.levels) {
      schedule.all_designed = schedule.all_designed && !level.failure;
    }
  }
  for (ColumnType& type : schedule.types) {
    const Quantities one = SegmentQuantities(type.segments, materials, floor_height_m);
    const auto count = static_cast<double>(type.count);
    type.quantities = {.concrete_m3 = one.concrete_m3 * count, .steel_kg = one.steel_kg * count};
    schedule.total.concrete_m3 += type.quantities.concrete_m3;
    schedule.total.steel_kg += type.quantities.steel_kg;
  }
  FlagRepeatedMarks(schedule.columns);
  return schedule;
}

bool FloorHeightInRange(double floor_height_m) {
  return floor_height_m >= rules::kLeastFloorHeightM && floor_height_m <= rules::kMostFloorHeightM;
}

std::string QuantityText(double value, int decimals) { return FormatFixed(value, decimals); }

}  // namespace coldesign
