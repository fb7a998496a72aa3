#include "calculation/column_schedule.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <expected>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "calculation/bending_design.h"
#include "calculation/design_calculation.h"
#include "calculation/flat_index.h"

namespace coldesign {
namespace {

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
  FlatIndex<std::string_view> first_of_mark(columns.size());
  for (std::uint32_t i = 0; i < columns.size(); ++i) {
    if (columns[i].input.mark.empty()) continue;
    const std::uint32_t first = first_of_mark.FindOrAdd(columns[i].input.mark, i);
    if (first != i) columns[first].repeated_mark = columns[i].repeated_mark = true;
  }
}

// A load per floor as its text reads, with the sizes of the column's moments (the section is
// symmetric: their signs do not change the design).
struct LevelLoad {
  std::string_view text;
  ColumnMoments moments;
  friend bool operator==(const LevelLoad&, const LevelLoad&) = default;
};

struct LevelLoadHash {
  std::size_t operator()(const LevelLoad& load) const {
    constexpr std::uint64_t kSpread = 0x9E3779B97F4A7C15;  // 2^64 / φ
    std::uint64_t mixed = std::hash<std::string_view>{}(load.text);
    for (const double moment : {load.moments.moment_x_t_m, load.moments.moment_y_t_m}) {
      mixed = (mixed ^ std::bit_cast<std::uint64_t>(moment)) * kSpread;
    }
    return static_cast<std::size_t>(mixed ^ (mixed >> 32));
  }
};

LevelLoad LoadOf(std::string_view load_text, const ColumnMoments& moments) {
  return {.text = load_text,
          .moments = {.moment_x_t_m = std::fabs(moments.moment_x_t_m) + 0.0,
                      .moment_y_t_m = std::fabs(moments.moment_y_t_m) + 0.0}};
}

// A figure of the design as the CSV writes it: -0 as 0.
NumberText Figure(double value) { return NumberText(FormatNumber(value + 0.0)); }

LevelFailure FailureOf(NumericFailure failure) {
  return failure == NumericFailure::Overflow ? LevelFailure::Overflow : LevelFailure::NotANumber;
}

// The schedule's moments are finite and its floor height in range: only the load fails.
LevelFailure FailureOf(const BendingFailure& failure) {
  const auto* design = std::get_if<DesignFailure>(&failure);
  return FailureOf(design != nullptr ? design->kind : NumericFailure::TypeMismatch);
}

// The design moments of a level that moments do not govern: Pu × the least eccentricity about
// each axis. Pu as DesignBendingColumn works it out.
void WriteLeastMoments(const std::expected<double, NumericFailure>& load, int floors_carried,
                       const DesignMaterials& materials, LevelDesign& design) {
  const double load_t = floors_carried * (*load * materials.load_factor);
  design.design_moment_x_text =
      Figure(LeastEccentricityMoment(load_t, ParseLeadingNumber(design.length_text)));
  design.design_moment_y_text = Figure(LeastEccentricityMoment(load_t, materials.width_cm));
}

// Writes into `design` the design of the load (as its text reads) on this many floors. A column
// without moments whose floors leave it short is DesignColumn's (DesignBendingColumn would find
// the same, at many times the cost); the utilisation is written where moments governed.
void DesignFloors(const LevelLoad& load, int floors_carried, const DesignMaterials& materials,
                  double floor_height_m, bool short_columns, LevelDesign& design) {
  design.floors_carried = floors_carried;
  if (short_columns && load.moments == ColumnMoments{}) {
    const auto value = ParseNumberStrict(load.text);
    if (auto run = DesignColumnTexts(value, floors_carried, materials, design); !run) {
      design.failure = FailureOf(run.error());
      static_cast<DesignTexts&>(design) = {};  // no texts of a failed design
      return;
    }
    WriteLeastMoments(value, floors_carried, materials, design);
    return;
  }
  const auto result = DesignBendingColumn(
      {.column = DesignInput(std::string(load.text), FormatInteger(floors_carried), materials),
       .moment_x_t_m = load.moments.moment_x_t_m,
       .moment_y_t_m = load.moments.moment_y_t_m,
       .column_height_m = floor_height_m,
       .unbraced = false,
       .length_factor = std::nullopt},
      BendingParts::WithoutContour);
  if (!result) {
    design.failure = FailureOf(result.error());
    return;
  }
  if (result->status != BendingStatus::Ok) {
    design.failure =
        result->status == BendingStatus::Slender ? LevelFailure::Slender : LevelFailure::Overflow;
    return;
  }
  design.required_area_text = result->axial.required_area_text;
  design.length_text = FormatInteger(result->length_cm);
  design.steel_area_text = result->moments_governed ? Figure(result->steel_area_cm2)
                                                    : NumberText(result->axial.steel_area_text);
  design.bar_count_text = FormatInteger(result->bars);
  design.design_moment_x_text = Figure(result->design_moment_x_t_m);
  design.design_moment_y_text = Figure(result->design_moment_y_t_m);
  if (result->moments_governed && result->utilisation) {
    design.utilisation_text = Figure(*result->utilisation);
  }
}

// Designs each load on 1, 2 … floors once, for all the columns that carry it (the same text),
// and, when asked, numbers the sections of the designs: designs with the same section and bars,
// or the same failure, have the same number.
class LevelDesigns {
 public:
  // `designs` is reserved for every design the schedule may need and never grows beyond that,
  // so that views of its texts stay valid.
  LevelDesigns(const DesignMaterials& materials, double floor_height_m,
               std::vector<LevelDesign>& designs, bool number_sections)
      : materials_(materials),
        floor_height_m_(floor_height_m),
        short_columns_(ShortBracedColumn(floor_height_m, materials.width_cm)),
        designs_(designs),
        number_sections_(number_sections) {
    if (number_sections_) section_of_design_.reserve(designs.capacity());
  }

  // Appends to `level_designs` the indices in `designs` of the column's levels, level 1 first.
  // The column's load text must stay where it is while this object lives.
  void AddLevels(const ColumnInput& column, std::vector<std::uint32_t>& level_designs) {
    const int floors = column.floors;
    const LevelLoad key = LoadOf(column.load_text, {.moment_x_t_m = column.moment_x_t_m,
                                                    .moment_y_t_m = column.moment_y_t_m});
    const std::uint32_t number =
        load_numbers_.FindOrAdd(key, static_cast<std::uint32_t>(loads_.size()));
    if (number == loads_.size()) loads_.push_back({.key = key, .designs = {}});
    Load& load = loads_[number];
    auto& by_floors = load.designs;  // the index of each number of floors, less one
    if (by_floors.size() < static_cast<std::size_t>(floors)) {
      by_floors.resize(static_cast<std::size_t>(floors), kNotDesigned);
    }
    for (int level = 1; level <= floors; ++level) {
      const int carried = floors - level + 1;
      std::uint32_t& index = by_floors[static_cast<std::size_t>(carried - 1)];
      if (index == kNotDesigned) {
        index = static_cast<std::uint32_t>(designs_.size());
        DesignFloors(load.key, carried, materials_, floor_height_m_, short_columns_,
                     designs_.emplace_back());
        if (number_sections_) section_of_design_.push_back(NumberSection(designs_.back()));
      }
      level_designs.push_back(index);
    }
  }

  // The number of the design's section.
  [[nodiscard]] std::uint32_t section(std::uint32_t design) const {
    return section_of_design_[design];
  }

 private:
  static constexpr std::uint32_t kNotDesigned = UINT32_MAX;

  // A design's section and bars, the whole numbers its texts read, or its failure.
  struct Section {
    std::int32_t length = 0;
    std::int32_t bars = 0;
    std::optional<LevelFailure> failure;
    friend bool operator==(const Section&, const Section&) = default;
  };
  struct SectionHash {
    std::size_t operator()(const Section& section) const {
      constexpr std::uint64_t kSpread = 0x9E3779B97F4A7C15;  // 2^64 / φ
      const std::uint64_t both = (std::uint64_t{static_cast<std::uint32_t>(section.length)} << 32) |
                                 static_cast<std::uint32_t>(section.bars);
      const std::uint64_t mixed =
          (both + (section.failure ? 1 + static_cast<std::uint64_t>(*section.failure) : 0)) *
          kSpread;
      return static_cast<std::size_t>(mixed ^ (mixed >> 32));
    }
  };

  // The whole number of a text FormatInteger wrote.
  static std::int32_t WholeOf(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    std::int32_t whole = 0;
    for (const char c : text) {
      assert(c >= '0' && c <= '9');
      whole = whole * 10 + (c - '0');
    }
    return negative ? -whole : whole;
  }

  std::uint32_t NumberSection(const LevelDesign& design) {
    const Section section{.length = WholeOf(design.length_text),
                          .bars = WholeOf(design.bar_count_text),
                          .failure = design.failure};
    const std::uint32_t number = sections_.FindOrAdd(section, section_count_);
    if (number == section_count_) ++section_count_;
    return number;
  }

  // A load with its moments, and its designs on each number of floors.
  struct Load {
    LevelLoad key;
    std::vector<std::uint32_t> designs;
  };

  const DesignMaterials& materials_;
  double floor_height_m_;
  bool short_columns_;  // a column of the materials' width is short at the floor height
  std::vector<LevelDesign>& designs_;
  bool number_sections_;
  FlatIndex<LevelLoad, LevelLoadHash> load_numbers_;  // of each load, in `loads_`
  std::vector<Load> loads_;
  std::vector<std::uint32_t> section_of_design_;
  FlatIndex<Section, SectionHash> sections_;
  std::uint32_t section_count_ = 0;
};

// Consecutive levels with the same section and bars, or the same failure, as one segment.
std::vector<ColumnSegment> MergeLevels(const Schedule& schedule, const ScheduleColumn& column) {
  std::vector<ColumnSegment> segments;
  segments.reserve(column.levels.size());
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
                        .length_text = design.length_text.str(),
                        .bar_count_text = design.bar_count_text.str()});
  }
  return segments;
}

// The column's segments as numbers, the last level and the section of each: columns with the
// same key have the same segments.
void SegmentsKey(const Schedule& schedule, const LevelDesigns& designs,
                 const ScheduleColumn& column, std::u32string& key) {
  key.clear();
  for (std::size_t level = 1; level <= column.levels.size(); ++level) {
    const char32_t section =
        designs.section(schedule.LevelDesignIndex(column, static_cast<int>(level)));
    if (!key.empty() && key.back() == section) {
      key[key.size() - 2] = static_cast<char32_t>(level);
      continue;
    }
    key.push_back(static_cast<char32_t>(level));
    key.push_back(section);
  }
}

// Finds each column's type, a new one for segments not met before.
class ColumnTypes {
 public:
  // A key takes at most two numbers a level: the keys' text is reserved for all, so that the
  // views of the keys stay valid.
  explicit ColumnTypes(std::size_t levels) { keys_.reserve(2 * levels); }

  // The index of the column's type in `schedule.types`, whose count takes the column's.
  std::size_t TypeOf(Schedule& schedule, const LevelDesigns& designs,
                     const ScheduleColumn& column) {
    SegmentsKey(schedule, designs, column, key_);
    std::size_t type = 0;
    if (const auto known = type_of_key_.Find(key_)) {
      type = *known;
    } else {
      type = schedule.types.size();
      keys_.append(key_);
      const std::u32string_view kept = keys_;
      type_of_key_.FindOrAdd(kept.substr(kept.size() - key_.size()),
                             static_cast<std::uint32_t>(type));
      ColumnType& added = schedule.types.emplace_back();
      added.name.push_back('T');
      added.name.append(FormatInteger(static_cast<std::int64_t>(schedule.types.size())));
      added.segments = MergeLevels(schedule, column);
    }
    schedule.types[type].count += column.input.count;
    return type;
  }

 private:
  std::u32string keys_;  // the segments' keys of the types one after another
  FlatIndex<std::u32string_view> type_of_key_;
  std::u32string key_;  // the column's at hand
};

// Lists each type's columns and works out the quantities per type and in total.
void ListTypesAndQuantities(Schedule& schedule) {
  std::vector<std::size_t> columns_of_type(schedule.types.size());
  for (const ScheduleColumn& column : schedule.columns) ++columns_of_type[column.type];
  for (std::size_t t = 0; t < schedule.types.size(); ++t) {
    schedule.types[t].columns.reserve(columns_of_type[t]);
  }
  for (std::size_t c = 0; c < schedule.columns.size(); ++c) {
    schedule.types[schedule.columns[c].type].columns.push_back(c);
  }
  for (ColumnType& type : schedule.types) {
    const Quantities one =
        SegmentQuantities(type.segments, schedule.materials, schedule.floor_height_m);
    const auto count = static_cast<double>(type.count);
    type.quantities = {.concrete_m3 = one.concrete_m3 * count, .steel_kg = one.steel_kg * count};
    schedule.total.concrete_m3 += type.quantities.concrete_m3;
    schedule.total.steel_kg += type.quantities.steel_kg;
  }
}

}  // namespace

std::vector<LevelDesign> DesignLevels(const std::string& load_text, int floors,
                                      const DesignMaterials& materials,
                                      const ColumnMoments& moments, double floor_height_m) {
  const LevelLoad load = LoadOf(load_text, moments);
  const bool short_columns = ShortBracedColumn(floor_height_m, materials.width_cm);
  std::vector<LevelDesign> levels;
  for (int level = 1; level <= floors; ++level) {
    DesignFloors(load, floors - level + 1, materials, floor_height_m, short_columns,
                 levels.emplace_back());
  }
  return levels;
}

Schedule DesignSchedule(std::vector<ColumnInput> columns, const DesignMaterials& materials,
                        double floor_height_m, ScheduleParts parts) {
  const bool whole = parts == ScheduleParts::Whole;
  Schedule schedule;
  schedule.materials = materials;
  schedule.floor_height_m = floor_height_m;
  schedule.columns.reserve(columns.size());
  std::size_t levels = 0;
  for (const ColumnInput& input : columns) levels += static_cast<std::size_t>(input.floors);
  schedule.designs.reserve(levels);  // at most one design a level
  schedule.level_designs.reserve(levels);
  if (whole) schedule.types.reserve(columns.size());  // at most a type a column
  LevelDesigns designs(materials, floor_height_m, schedule.designs, whole);
  ColumnTypes types(whole ? levels : 0);
  for (ColumnInput& input : columns) {
    // `schedule.columns` never grows beyond its capacity: the load's text stays where it is.
    ScheduleColumn& column = schedule.columns.emplace_back();
    column.input = std::move(input);
    column.levels.first = static_cast<std::uint32_t>(schedule.level_designs.size());
    column.levels.count = static_cast<std::uint32_t>(column.input.floors);
    designs.AddLevels(column.input, schedule.level_designs);
    if (whole) column.type = types.TypeOf(schedule, designs, column);
  }
  if (whole) ListTypesAndQuantities(schedule);
  schedule.all_designed = std::ranges::none_of(
      schedule.designs, [](const LevelDesign& design) { return design.failure.has_value(); });
  FlagRepeatedMarks(schedule.columns);
  return schedule;
}

}  // namespace coldesign
