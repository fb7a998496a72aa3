#include "calculation/schedule_rows.h"

#include <algorithm>
#include <utility>

#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

ScheduleCell Text(std::string_view key) { return {CellKind::Text, std::string(key), {}}; }
ScheduleCell Number(std::string_view text) { return {CellKind::Number, std::string(text), {}}; }
ScheduleCell Whole(std::int64_t value) { return Number(FormatInteger(value)); }
ScheduleCell Figures(std::string text) { return {CellKind::Figures, std::move(text), {}}; }

ScheduleCell Section(int width_cm, std::string_view length_text) {
  return Figures(FormatInteger(width_cm) + " × " + std::string(length_text));
}

ScheduleCell BarSet(std::string_view bar_count_text, int bar_diameter_mm) {
  return Figures(std::string(bar_count_text) + " Φ" + FormatInteger(bar_diameter_mm));
}

ScheduleCell Levels(const ColumnSegment& segment) {
  if (segment.first_level == segment.last_level) return Whole(segment.first_level);
  return Figures(FormatInteger(segment.first_level) + "–" + FormatInteger(segment.last_level));
}

ScheduleCell Concrete(const Quantities& quantities) {
  return Number(QuantityText(quantities.concrete_m3, kConcreteDecimals));
}

ScheduleCell Steel(const Quantities& quantities) {
  return Number(QuantityText(quantities.steel_kg, kSteelDecimals));
}

ReportArgument Figure(std::string text) { return {std::move(text), true}; }

}  // namespace

ScheduleCell LevelCellOf(const Schedule& schedule, const ScheduleColumn& column, int level,
                         LevelCell cell) {
  const LevelDesign& design = schedule.Level(column, level);
  const DesignMaterials& materials = schedule.materials;
  const bool designed = !design.failure;
  switch (cell) {
    case LevelCell::Mark:
      return {CellKind::Mark, column.input.mark,
              column.repeated_mark ? "schedule.repeated-mark" : std::string_view()};
    case LevelCell::Count:
      return Whole(column.input.count);
    case LevelCell::Level:
      return Whole(level);
    case LevelCell::FloorsCarried:
      return Whole(design.floors_carried);
    case LevelCell::RequiredArea:
      return Number(design.required_area_text);
    case LevelCell::Width:
      return designed ? Whole(materials.width_cm) : ScheduleCell{};
    case LevelCell::Length:
      return Number(design.length_text);
    case LevelCell::SteelArea:
      return Number(design.steel_area_text);
    case LevelCell::Bars:
      return Number(design.bar_count_text);
    case LevelCell::BarDiameter:
      return designed ? Whole(materials.bar_diameter_mm) : ScheduleCell{};
    case LevelCell::Status:
      if (designed) return Text("schedule.designed");
      return Text(design.failure == LevelFailure::Slender ? "schedule.slender"
                                                          : "schedule.too-large");
    case LevelCell::DesignMomentX:
      return Number(design.design_moment_x_text);
    case LevelCell::DesignMomentY:
      return Number(design.design_moment_y_text);
    case LevelCell::Utilisation:
      return Number(design.utilisation_text);
    case LevelCell::Section:
      return designed ? Section(materials.width_cm, design.length_text) : ScheduleCell{};
    case LevelCell::BarSet:
      return designed ? BarSet(design.bar_count_text, materials.bar_diameter_mm) : ScheduleCell{};
  }
  return {};
}

std::vector<TypesRow> TypesRows(const Schedule& schedule) {
  std::vector<TypesRow> rows;
  const DesignMaterials& materials = schedule.materials;
  for (std::size_t t = 0; t < schedule.types.size(); ++t) {
    const ColumnType& type = schedule.types[t];
    for (std::size_t s = 0; s < type.segments.size(); ++s) {
      const ColumnSegment& segment = type.segments[s];
      TypesRow& row = rows.emplace_back();
      row.type = t;
      row.failed = segment.failure.has_value();
      if (s == 0) {
        row.cells[std::to_underlying(TypeCell::Type)] = Number(type.name);
        row.cells[std::to_underlying(TypeCell::Columns)] = {CellKind::Marks, {}, {}};
        row.cells[std::to_underlying(TypeCell::Count)] = Whole(type.count);
        row.cells[std::to_underlying(TypeCell::Concrete)] = Concrete(type.quantities);
        row.cells[std::to_underlying(TypeCell::Steel)] = Steel(type.quantities);
      }
      row.cells[std::to_underlying(TypeCell::Levels)] = Levels(segment);
      if (row.failed) {
        row.cells[std::to_underlying(TypeCell::Section)] = Text(
            segment.failure == LevelFailure::Slender ? "schedule.slender" : "schedule.too-large");
      } else {
        row.cells[std::to_underlying(TypeCell::Section)] =
            Section(materials.width_cm, segment.length_text);
        row.cells[std::to_underlying(TypeCell::Bars)] =
            BarSet(segment.bar_count_text, materials.bar_diameter_mm);
      }
    }
  }
  TypesRow& total = rows.emplace_back();
  total.type = schedule.types.size();
  total.total = true;
  total.cells[std::to_underlying(TypeCell::Type)] = Text("schedule-pages.total");
  total.cells[std::to_underlying(TypeCell::Concrete)] = Concrete(schedule.total);
  total.cells[std::to_underlying(TypeCell::Steel)] = Steel(schedule.total);
  return rows;
}

std::vector<std::string_view> TypeMarks(const Schedule& schedule, const ColumnType& type) {
  std::vector<std::string_view> marks;
  marks.reserve(type.columns.size());
  for (const std::size_t column : type.columns) {
    marks.emplace_back(schedule.columns[column].input.mark);
  }
  return marks;
}

std::vector<ReportText> ScheduleSummaryLines(const Schedule& schedule) {
  std::int64_t columns = 0;
  for (const ColumnType& type : schedule.types) columns += type.count;
  std::vector<ReportText> lines = {
      {"schedule.summary",
       {Figure(FormatInteger(columns)),
        Figure(FormatInteger(static_cast<std::int64_t>(schedule.types.size()))),
        Figure(QuantityText(schedule.total.concrete_m3, kConcreteDecimals)),
        Figure(QuantityText(schedule.total.steel_kg, kSteelDecimals))}}};
  if (!schedule.all_designed) lines.push_back({"schedule.some-levels-not-designed", {}});
  if (std::ranges::any_of(schedule.columns, &ScheduleColumn::repeated_mark)) {
    lines.push_back({"schedule.repeated-marks", {}});
  }
  return lines;
}

}  // namespace coldesign
