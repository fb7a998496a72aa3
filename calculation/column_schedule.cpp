#include "calculation/column_schedule.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numbers>
#include <string_view>
#include <utility>

#include "calculation/design_calculation.h"

namespace coldesign {
namespace {

// The look-ups below (marks, loads, types) are ordered maps: in the page's WebAssembly module
// they take a fraction of the room of hash tables, and a building's thousands of columns cost
// them a few comparisons each.

constexpr double kCentimetresPerMetre = 100;
constexpr double kMillimetresPerMetre = 1000;

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

// The design of the input's load on this many floors; the input is reused from one design to the
// next, its width and materials set once.
LevelDesign DesignFloors(ColumnDesignInput& input, int floors_carried) {
  LevelDesign design;
  design.floors_carried = floors_carried;
  input.floors_text = FormatInteger(floors_carried);
  auto result = DesignColumn(input);
  if (!result) {
    design.failure = result.error().kind;
    return design;
  }
  design.required_area_text = std::move(result->required_area_text);
  design.length_text = std::move(result->length_text);
  design.steel_area_text = std::move(result->steel_area_text);
  design.bar_count_text = std::move(result->bar_count_text);
  return design;
}

// Designs each load on 1, 2 … floors once, for all the columns that carry it (the same text).
class LevelDesigns {
 public:
  LevelDesigns(const DesignMaterials& materials, std::vector<LevelDesign>& designs)
      : input_(DesignInput({}, {}, materials)), designs_(designs) {}

  // The indices in `designs` of the column's levels, level 1 first.
  std::vector<std::uint32_t> levels(const std::string& load_text, int floors) {
    auto& by_floors = by_load_[load_text];  // the index of each number of floors, less one
    if (by_floors.size() < static_cast<std::size_t>(floors)) {
      by_floors.resize(static_cast<std::size_t>(floors), kNotDesigned);
    }
    std::vector<std::uint32_t> levels(static_cast<std::size_t>(floors));
    for (int level = 1; level <= floors; ++level) {
      const int carried = floors - level + 1;
      std::uint32_t& index = by_floors[static_cast<std::size_t>(carried - 1)];
      if (index == kNotDesigned) {
        index = static_cast<std::uint32_t>(designs_.size());
        input_.load_text = load_text;
        designs_.push_back(DesignFloors(input_, carried));
      }
      levels[static_cast<std::size_t>(level - 1)] = index;
    }
    return levels;
  }

 private:
  static constexpr std::uint32_t kNotDesigned = UINT32_MAX;
  ColumnDesignInput input_;
  std::vector<LevelDesign>& designs_;
  std::map<std::string, std::vector<std::uint32_t>> by_load_;
};

// Consecutive levels with the same section and bars, or the same failure, as one segment.
std::vector<ColumnSegment> MergeLevels(const Schedule& schedule, const ScheduleColumn& column) {
  std::vector<ColumnSegment> segments;
  const int floors = static_cast<int>(column.levels.size());
  for (int level = 1; level <= floors; ++level) {
    const LevelDesign& design = schedule.Level(column, level);
    if (!segments.empty()) {
      ColumnSegment& last = segments.back();
      if (last.failure == design.failure && last.length_text == design.length_text &&
          last.bar_count_text == design.bar_count_text) {
        last.last_level = level;
        continue;
      }
    }
    segments.push_back({.first_level = level,
                        .last_level = level,
                        .failure = design.failure,
                        .length_text = design.length_text,
                        .bar_count_text = design.bar_count_text});
  }
  return segments;
}

}  // namespace

std::vector<LevelDesign> DesignLevels(const std::string& load_text, int floors,
                                      const DesignMaterials& materials) {
  ColumnDesignInput input = DesignInput(load_text, {}, materials);
  std::vector<LevelDesign> levels;
  for (int level = 1; level <= floors; ++level) {
    levels.push_back(DesignFloors(input, floors - level + 1));
  }
  return levels;
}

Schedule DesignSchedule(std::vector<ColumnInput> columns, const DesignMaterials& materials,
                        double floor_height_m) {
  Schedule schedule;
  schedule.materials = materials;
  schedule.floor_height_m = floor_height_m;
  schedule.columns.reserve(columns.size());
  std::size_t levels = 0;
  for (const ColumnInput& input : columns) levels += static_cast<std::size_t>(input.floors);
  schedule.designs.reserve(levels);  // at most one design a level
  LevelDesigns designs(materials, schedule.designs);
  std::map<std::vector<ColumnSegment>, std::size_t> type_of_segments;
  for (ColumnInput& input : columns) {
    ScheduleColumn& column = schedule.columns.emplace_back();
    column.levels = designs.levels(input.load_text, input.floors);
    column.input = std::move(input);
    auto segments = MergeLevels(schedule, column);
    const auto [found, added] =
        type_of_segments.try_emplace(std::move(segments), schedule.types.size());
    if (added) {
      ColumnType& type = schedule.types.emplace_back();
      type.name.push_back('T');
      type.name.append(FormatInteger(static_cast<std::int64_t>(schedule.types.size())));
      type.segments = found->first;
    }
    column.type = found->second;
    ColumnType& type = schedule.types[column.type];
    type.columns.push_back(schedule.columns.size() - 1);
    type.count += column.input.count;
  }
  for (ColumnType& type : schedule.types) {
    const Quantities one = SegmentQuantities(type.segments, materials, floor_height_m);
    const auto count = static_cast<double>(type.count);
    type.quantities = {.concrete_m3 = one.concrete_m3 * count, .steel_kg = one.steel_kg * count};
    schedule.total.concrete_m3 += type.quantities.concrete_m3;
    schedule.total.steel_kg += type.quantities.steel_kg;
  }
  schedule.all_designed = std::ranges::none_of(
      schedule.designs, [](const LevelDesign& design) { return design.failure.has_value(); });
  FlagRepeatedMarks(schedule.columns);
  return schedule;
}

bool FloorHeightInRange(double floor_height_m) {
  return floor_height_m >= rules::kLeastFloorHeightM && floor_height_m <= rules::kMostFloorHeightM;
}

std::string QuantityText(double value, int decimals) { return FormatFixed(value, decimals); }

}  // namespace coldesign
