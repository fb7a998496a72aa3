// The schedule module's function: the column schedule of a CSV file, designed with the
// engineer's materials and floor height, written as the command line writes it and laid out for
// the page's tables. It takes its texts as an array of TextView that schedule.js writes into the
// module's memory, and answers with a block that stays valid until the next call; schedule.js
// reads the answer at the offsets asserted below (wasm32).

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/column_schedule.h"
#include "calculation/materials_text.h"
#include "calculation/numeric_text.h"
#include "calculation/schedule_csv.h"
#include "calculation/schedule_entry.h"
#include "calculation/schedule_rows.h"
#include "web/module_answers.h"
#include "web/module_materials.h"
#include "web/module_text.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

namespace rules = coldesign::rules;
using coldesign::web::ChoiceCode;
using coldesign::web::kMaterialsTexts;
using coldesign::web::MaterialsOf;
using coldesign::web::TextView;
using coldesign::web::View;
using coldesign::web::ViewOf;

using coldesign::web::ScheduleAnswer;
using coldesign::web::ScheduleOutcome;

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
  if (!height) return std::unexpected(Refused(ScheduleOutcome::FloorHeight, 0));
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
    for (const double moment : {column.input.moment_x_t_m, column.input.moment_y_t_m}) {
      store.text(moment == 0 ? std::string() : coldesign::FormatNumber(moment));
    }
    store.number(column.type);
    store.number(column.repeated_mark ? 1 : 0);
    store.number(column.levels.size());
    for (int level = 1; level <= static_cast<int>(column.levels.size()); ++level) {
      for (const std::string& value : coldesign::ScheduleCsvValues(schedule, column, level)) {
        store.text(value);
      }
    }
  }
  for (const auto& type : schedule.types) {
    store.number(type.columns.size());
    for (const std::size_t index : type.columns) store.number(index);
  }
  const std::vector<coldesign::TypesRow> rows = coldesign::TypesRows(schedule);
  store.number(rows.size());
  for (const auto& row : rows) {
    store.number(row.type);
    store.number((row.failed ? 1 : 0) | (row.total ? 2 : 0));
    for (const auto& cell : row.cells) {
      store.number(static_cast<std::size_t>(cell.kind));
      store.text(cell.text);
    }
  }
  const std::vector<coldesign::ReportText> summary = coldesign::ScheduleSummaryLines(schedule);
  store.number(summary.size());
  for (const auto& line : summary) {
    store.number(line.arguments.size());
    store.text(line.key);
    for (const auto& argument : line.arguments) store.text(argument.text);
  }
  answer.outcome =
      schedule.all_designed ? ScheduleOutcome::Designed : ScheduleOutcome::SomeLevelFailed;
  answer.csv = ViewOf(store.csv);
  answer.header = ViewOf(coldesign::kScheduleCsvHeader);
  answer.column_count = static_cast<std::uint32_t>(schedule.columns.size());
  answer.type_count = static_cast<std::uint32_t>(schedule.types.size());
  answer.texts = ViewOf(store.texts);
  answer.text_ends = store.text_ends.data();
  answer.numbers = store.numbers.data();
  return &answer;
}

}  // namespace

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
