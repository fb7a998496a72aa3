// The module's functions for the engineer's materials, the design's working and the column
// schedule. Each takes its texts as an array of TextView that calculation.js writes into the
// module's memory, and answers with a block that stays valid until the next call of the same
// function; calculation.js reads the answers at the offsets asserted below (wasm32).

#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/column_schedule.h"
#include "calculation/design_calculation.h"
#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/materials_text.h"
#include "calculation/numeric_text.h"
#include "calculation/schedule_csv.h"
#include "calculation/schedule_entry.h"
#include "web/module_text.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

namespace rules = coldesign::rules;
using coldesign::web::TextView;
using coldesign::web::View;
using coldesign::web::ViewOf;

// The texts of the materials, in the order of MaterialsChoice, at the start of an argument list.
constexpr std::size_t kMaterialsTexts = 5;

coldesign::MaterialsTexts MaterialsOf(const TextView* texts) {
  return {.concrete_strength = View(texts[0]),
          .steel_yield = View(texts[1]),
          .width = View(texts[2]),
          .bar_diameter = View(texts[3]),
          .load_factor = View(texts[4])};
}

// 0, or 1 + the choice that is out of range.
std::uint32_t ChoiceCode(coldesign::MaterialsChoice choice) {
  return static_cast<std::uint32_t>(choice) + 1;
}

// The rules' numbers that the page shows, as the sheet writes them, in this order; the bar
// diameters sold come last.
struct RulesAnswer {
  std::uint32_t count;
  const TextView* texts;
};

// --- The design with its working

enum class WorkingOutcome : std::uint32_t { Ok, Overflow, TypeMismatch, Materials };

struct WorkingAnswer {
  WorkingOutcome outcome;
  std::uint32_t choice;  // for Materials: 1 + the choice out of range
  std::uint32_t length_rule;
  std::uint32_t steel_rule;
  std::uint32_t bar_rule;
  std::uint32_t beyond_floor_limit;
  // The results, their working, and the materials' numbers as the sheet writes them; on a
  // failure what the steps before it wrote.
  TextView texts[19];
};

static_assert(offsetof(WorkingAnswer, texts) == 24);

// --- The schedule

enum class ScheduleOutcome : std::uint32_t { Designed, SomeLevelFailed, Input, Materials, Height };

// The schedule for the page's tables as two streams, read in this order: for each column its
// load (a text), its type's index, whether another column repeats its mark and its number of
// levels (numbers), and for each level the values of its CSV row (kScheduleCsvColumns texts:
// the first level's give the column's mark, count and floors); then for each type its name, count,
// concrete m³ and steel kg (texts), its numbers of segments and of columns, for each segment its
// first and last levels and whether it failed (numbers) and its length and bars (texts), and its
// columns' indices; last the total concrete and steel (texts). Text i spans [text_ends[i - 1],
// text_ends[i]).
struct ScheduleAnswer {
  ScheduleOutcome outcome;
  std::uint32_t choice;   // for Materials: 1 + the choice out of range
  std::uint32_t line;     // for Input: the file's line or the table's row, 1 first; 0 the whole
  std::uint32_t field;    // for Input: 1 + the ScheduleField, or 0
  std::uint32_t problem;  // for Input: the ScheduleProblem
  TextView column;        // for Input: the column as the header names it
  TextView csv;           // the schedule's CSV, BOM included, as the command line writes it
  TextView header;        // kScheduleCsvHeader
  std::uint32_t column_count;
  std::uint32_t type_count;
  const char* texts;
  const std::uint32_t* text_ends;
  const std::uint32_t* numbers;
};

static_assert(offsetof(ScheduleAnswer, column) == 20 &&
              offsetof(ScheduleAnswer, column_count) == 44 && sizeof(ScheduleAnswer) == 64);

// Everything the answer points into, kept until the next schedule.
struct ScheduleStore {
  coldesign::Schedule schedule;
  std::string csv;
  std::string texts;
  std::vector<std::uint32_t> text_ends;
  std::vector<std::uint32_t> numbers;
  ScheduleAnswer answer{};

  void text(std::string_view value) {
    texts.append(value);
    text_ends.push_back(static_cast<std::uint32_t>(texts.size()));
  }
  void number(std::size_t value) { numbers.push_back(static_cast<std::uint32_t>(value)); }
};

ScheduleStore* store = nullptr;

ScheduleStore& Store() { return *store; }

// A new store for a new answer, the memory of the last one given back.
ScheduleAnswer& FreshAnswer() {
  delete store;
  store = new ScheduleStore();
  return store->answer;
}

const ScheduleAnswer* Refused(ScheduleOutcome outcome, std::uint32_t choice) {
  ScheduleAnswer& answer = FreshAnswer();
  answer.outcome = outcome;
  answer.choice = choice;
  return &answer;
}

const ScheduleAnswer* InputError(std::size_t line, std::optional<coldesign::ScheduleField> field,
                                 coldesign::ScheduleProblem problem, std::string column) {
  ScheduleAnswer& answer = FreshAnswer();
  Store().csv = std::move(column);
  answer.outcome = ScheduleOutcome::Input;
  answer.line = static_cast<std::uint32_t>(line);
  answer.field = field ? static_cast<std::uint32_t>(*field) + 1 : 0;
  answer.problem = static_cast<std::uint32_t>(problem);
  answer.column = ViewOf(Store().csv);
  return &answer;
}

// The materials and floor height of a schedule's arguments, or why they are refused.
struct ScheduleOptions {
  coldesign::DesignMaterials materials;
  double floor_height_m = rules::kFloorHeightM;
};

std::expected<ScheduleOptions, const ScheduleAnswer*> OptionsOf(const TextView* texts) {
  const auto materials = coldesign::ReadMaterials(MaterialsOf(texts));
  if (!materials)
    return std::unexpected(Refused(ScheduleOutcome::Materials, ChoiceCode(materials.error())));
  const auto height = coldesign::ReadFloorHeight(View(texts[kMaterialsTexts]));
  if (!height) return std::unexpected(Refused(ScheduleOutcome::Height, 0));
  return ScheduleOptions{*materials, *height};
}

// Designs the schedule and writes its answer.
const ScheduleAnswer* Answer(std::vector<coldesign::ColumnInput> inputs,
                             const ScheduleOptions& options) {
  ScheduleAnswer& answer = FreshAnswer();
  ScheduleStore& store = Store();
  store.schedule =
      coldesign::DesignSchedule(std::move(inputs), options.materials, options.floor_height_m);
  const coldesign::Schedule& schedule = store.schedule;
  store.csv = coldesign::WriteScheduleCsv(schedule);
  for (const auto& column : schedule.columns) {
    store.text(column.input.load_text);
    store.number(column.type);
    store.number(column.repeated_mark ? 1 : 0);
    store.number(column.levels.size());
    for (const auto& level : column.levels) {
      for (const std::string& value : coldesign::ScheduleCsvValues(schedule, column, level)) {
        store.text(value);
      }
    }
  }
  const auto quantity = [&store](double value) {
    store.text(coldesign::QuantityText(value, coldesign::kQuantityDecimals));
  };
  for (const auto& type : schedule.types) {
    store.text(type.name);
    store.text(coldesign::FormatInteger(type.count));
    quantity(type.quantities.concrete_m3);
    quantity(type.quantities.steel_kg);
    store.number(type.segments.size());
    store.number(type.columns.size());
    for (const auto& segment : type.segments) {
      store.number(static_cast<std::size_t>(segment.first_level));
      store.number(static_cast<std::size_t>(segment.last_level));
      store.number(segment.failure ? 1 : 0);
      store.text(segment.length_text);
      store.text(segment.bar_count_text);
    }
    for (const std::size_t index : type.columns) store.number(index);
  }
  quantity(schedule.total.concrete_m3);
  quantity(schedule.total.steel_kg);
  answer.outcome =
      schedule.all_designed ? ScheduleOutcome::Designed : ScheduleOutcome::SomeLevelFailed;
  answer.csv = ViewOf(store.csv);
  answer.header = ViewOf(coldesign::kScheduleCsvHeader);
  answer.column_count = static_cast<std::uint32_t>(schedule.columns.size());
  answer.type_count = static_cast<std::uint32_t>(schedule.types.size());
  answer.texts = store.texts.data();
  answer.text_ends = store.text_ends.data();
  answer.numbers = store.numbers.data();
  return &answer;
}

}  // namespace

COLDESIGN_EXPORT("page_rules") const RulesAnswer* PageRulesExport() {
  static constexpr auto kValues = [] {
    const coldesign::DesignMaterials defaults;
    std::array<double, 29 + rules::kBarDiametersMm.size()> values = {
        defaults.concrete_strength_kg_per_cm2,
        defaults.steel_yield_kg_per_cm2,
        static_cast<double>(defaults.width_cm),
        static_cast<double>(defaults.bar_diameter_mm),
        defaults.load_factor,
        rules::kLeastConcreteStrengthKgPerCm2,
        rules::kMostConcreteStrengthKgPerCm2,
        rules::kLeastSteelYieldKgPerCm2,
        rules::kMostSteelYieldKgPerCm2,
        rules::kLeastSectionWidthCm,
        rules::kMostSectionWidthCm,
        rules::kLeastLoadFactor,
        rules::kMostLoadFactor,
        rules::kFloorHeightM,
        rules::kLeastFloorHeightM,
        rules::kMostFloorHeightM,
        rules::kSteelDensityKgPerM3,
        rules::kKilogramsPerTon,
        rules::kLengthStepCm,
        rules::kLeastBars,
        rules::kSteelShareOfRequiredArea,
        rules::kLeastSteelShareOfSection,
        rules::kSteelShareOfRequiredArea * 100,
        rules::kLeastSteelShareOfSection * 100,
        rules::kConcreteStressShare,
        rules::kSteelStressShare,
        rules::kTieDiameterMm,
        rules::kClearCoverMm,
        rules::kFloorNoteLimit};
    for (std::size_t i = 0; i < rules::kBarDiametersMm.size(); ++i) {
      values[29 + i] = rules::kBarDiametersMm[i];
    }
    return values;
  }();
  static std::string texts[kValues.size()];
  static TextView views[kValues.size()];
  static const RulesAnswer answer = [] {
    for (std::size_t i = 0; i < kValues.size(); ++i) {
      texts[i] = coldesign::FormatNumber(kValues[i]);
      views[i] = ViewOf(texts[i]);
    }
    return RulesAnswer{static_cast<std::uint32_t>(kValues.size()), views};
  }();
  return &answer;
}

// 0 when the materials' texts are accepted, else 1 + the first choice refused.
COLDESIGN_EXPORT("check_materials") std::uint32_t CheckMaterialsExport(const TextView* texts) {
  const auto materials = coldesign::ReadMaterials(MaterialsOf(texts));
  return materials ? 0 : ChoiceCode(materials.error());
}

// texts: the load, the floors, then the materials.
COLDESIGN_EXPORT("design_with_working")
const WorkingAnswer* DesignWithWorkingExport(const TextView* texts) {
  // The answer's texts, kept until the next call.
  struct Store {
    std::expected<coldesign::ColumnDesignResult, coldesign::DesignFailure> design;
    std::string numbers[8];
    WorkingAnswer answer{};
  };
  static Store* store = nullptr;
  delete store;
  store = nullptr;
  static WorkingAnswer refused{};
  const auto materials = coldesign::ReadMaterials(MaterialsOf(texts + 2));
  if (!materials) {
    refused = {.outcome = WorkingOutcome::Materials, .choice = ChoiceCode(materials.error())};
    return &refused;
  }
  store = new Store{coldesign::DesignColumn(coldesign::DesignInput(
      std::string(View(texts[0])), std::string(View(texts[1])), *materials))};
  WorkingAnswer& answer = store->answer;
  const auto& design = store->design;
  const coldesign::ColumnDesignResult& result = design ? *design : design.error().partial;
  if (!design) {
    answer.outcome = design.error().kind == coldesign::NumericFailure::Overflow
                         ? WorkingOutcome::Overflow
                         : WorkingOutcome::TypeMismatch;
  }
  const coldesign::DesignWorking& working = result.working;
  answer.length_rule = static_cast<std::uint32_t>(working.length_rule);
  answer.steel_rule = static_cast<std::uint32_t>(working.steel_rule);
  answer.bar_rule = static_cast<std::uint32_t>(working.bar_rule);
  answer.beyond_floor_limit = working.beyond_floor_limit ? 1U : 0U;
  const coldesign::DesignMaterials& m = *materials;
  const double numbers[] = {static_cast<double>(m.width_cm),
                            static_cast<double>(m.bar_diameter_mm),
                            m.concrete_strength_kg_per_cm2,
                            m.steel_yield_kg_per_cm2,
                            m.load_factor,
                            (m.load_factor - 1) * 100,
                            coldesign::CarryingStressKgPerCm2(m),
                            coldesign::BarAreaCm2(m.bar_diameter_mm)};
  const std::string* results[] = {&result.required_area_text,       &result.length_text,
                                  &result.steel_area_text,          &result.bar_count_text,
                                  &working.length_quotient_text,    &working.rounded_length_text,
                                  &working.steel_share_text,        &working.least_steel_text,
                                  &working.bar_quotient_text,       &working.rounded_bar_text,
                                  &working.steel_ratio_percent_text};
  static_assert(std::size(results) + std::size(numbers) == std::size(WorkingAnswer{}.texts));
  for (std::size_t i = 0; i < std::size(results); ++i) answer.texts[i] = ViewOf(*results[i]);
  for (std::size_t i = 0; i < std::size(numbers); ++i) {
    store->numbers[i] = coldesign::FormatNumber(numbers[i]);
    answer.texts[std::size(results) + i] = ViewOf(store->numbers[i]);
  }
  return &answer;
}

// texts: the materials, the floor height, then the bytes of a CSV file.
COLDESIGN_EXPORT("design_schedule_csv")
const ScheduleAnswer* DesignScheduleCsvExport(const TextView* texts) {
  const auto options = OptionsOf(texts);
  if (!options) return options.error();
  auto csv = coldesign::ReadScheduleCsv(View(texts[kMaterialsTexts + 1]));
  if (!csv) {
    const coldesign::CsvError& error = csv.error();
    return InputError(error.line, error.field, error.problem, error.column);
  }
  return Answer(std::move(csv->columns), *options);
}
