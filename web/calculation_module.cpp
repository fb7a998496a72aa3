// The calculation's C interface for the WebAssembly module. Texts cross as UTF-8 bytes in the
// module's memory: the caller writes them into blocks from `alloc`, and reads the answers from
// a block that stays valid until the next call of the same function, laid out in
// module_answers.h.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculation/bending_input.h"
#include "calculation/design_calculation.h"
#include "calculation/design_rules.h"
#include "calculation/input_check.h"
#include "calculation/input_guard.h"
#include "calculation/numeric_text.h"
#include "calculation/section_layout.h"
#include "web/module_answers.h"
#include "web/module_materials.h"
#include "web/module_text.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

std::string_view View(const char* text, std::size_t size) { return {text, size}; }

using coldesign::web::DesignAnswer;
using coldesign::web::DesignOutcome;
using coldesign::web::GuardAnswer;
using coldesign::web::InputAnswer;
using coldesign::web::LayoutAnswer;
using coldesign::web::LayoutOutcome;
using coldesign::web::MomentsAnswer;
using coldesign::web::TextView;
using coldesign::web::ViewOf;

}  // namespace

COLDESIGN_EXPORT("is_numeric_text") bool IsNumericTextExport(const char* text, std::size_t size) {
  return coldesign::IsNumericText(View(text, size));
}

// The answer's texts are those of the design, or on a failure what the steps before it wrote.
COLDESIGN_EXPORT("design_column")
const DesignAnswer* DesignColumnExport(const char* load, std::size_t load_size, const char* floors,
                                       std::size_t floors_size) {
  static coldesign::ColumnDesignResult texts;
  static DesignAnswer answer{};
  auto result = coldesign::DesignColumn({.load_text = std::string(View(load, load_size)),
                                         .floors_text = std::string(View(floors, floors_size))});
  if (result) {
    texts = std::move(*result);
    answer.outcome = DesignOutcome::Ok;
  } else {
    texts = std::move(result.error().partial);
    answer.outcome = result.error().kind == coldesign::NumericFailure::Overflow
                         ? DesignOutcome::Overflow
                         : DesignOutcome::TypeMismatch;
  }
  answer.required_area = ViewOf(texts.required_area_text);
  answer.length = ViewOf(texts.length_text);
  answer.steel_area = ViewOf(texts.steel_area_text);
  answer.bar_count = ViewOf(texts.bar_count_text);
  return &answer;
}

COLDESIGN_EXPORT("check_inputs")
InputAnswer CheckInputsExport(const char* load, std::size_t load_size, const char* floors,
                              std::size_t floors_size) {
  const auto problem =
      coldesign::CheckDesignInputs(View(load, load_size), View(floors, floors_size));
  if (!problem) return InputAnswer::Accepted;
  switch (*problem) {
    case coldesign::InputProblem::LoadEmpty:
      return InputAnswer::LoadEmpty;
    case coldesign::InputProblem::FloorsEmpty:
      return InputAnswer::FloorsEmpty;
    case coldesign::InputProblem::Unfinished:
      return InputAnswer::Unfinished;
    case coldesign::InputProblem::Negative:
      return InputAnswer::Negative;
  }
  return InputAnswer::Accepted;
}

// The caret in bytes of the UTF-8 text, at a character boundary.
COLDESIGN_EXPORT("guard_text")
const GuardAnswer* GuardTextExport(const char* text, std::size_t text_size, std::size_t caret,
                                   const char* last_numeric, std::size_t last_numeric_size) {
  static coldesign::GuardedInput guarded;
  static GuardAnswer answer{};
  guarded =
      coldesign::GuardedText(View(text, text_size), caret, View(last_numeric, last_numeric_size));
  answer = {.text = ViewOf(guarded.text),
            .caret = static_cast<std::uint32_t>(guarded.caret),
            .dropped_separator = guarded.dropped_separator ? 1U : 0U};
  return &answer;
}

// The bar count comes as a JavaScript number: one that is no whole number is invalid input.
COLDESIGN_EXPORT("lay_out_section")
const LayoutAnswer* LayOutSectionExport(double width_cm, double length_cm, double bar_count,
                                        double bar_diameter_mm) {
  static coldesign::SectionLayout layout;
  static LayoutAnswer answer{};
  answer = {};
  layout = {};
  if (std::trunc(bar_count) != bar_count || std::fabs(bar_count) > 1e6) {
    answer.outcome = LayoutOutcome::InvalidInput;
    return &answer;
  }
  auto result = coldesign::LayOutSection({.width_cm = width_cm,
                                          .length_cm = length_cm,
                                          .bar_count = static_cast<int>(bar_count),
                                          .bar_diameter_mm = bar_diameter_mm});
  if (!result) {
    answer.outcome = result.error() == coldesign::SectionLayoutFailure::BarsDoNotFit
                         ? LayoutOutcome::BarsDoNotFit
                         : LayoutOutcome::InvalidInput;
    return &answer;
  }
  layout = std::move(*result);
  answer = {.clear_spacing_mm = layout.clear_spacing_mm,
            .bars = layout.bars.data(),
            .bar_count = static_cast<std::uint32_t>(layout.bars.size()),
            .outcome = LayoutOutcome::Ok,
            .tie_corner_radius_mm = coldesign::rules::TieCornerRadiusMm(
                bar_diameter_mm, coldesign::rules::kTieDiameterMm)};
  return &answer;
}

// texts: the moment about x, about y and the column's height, then the materials (the width is
// read from them; refused materials are the design's to report, so they leave the question
// open). Whether the moment fields are refused, else whether bending.wasm is needed at all and
// the numbers it takes.
COLDESIGN_EXPORT("check_moments")
const MomentsAnswer* CheckMomentsExport(const TextView* texts, std::uint32_t unbraced) {
  static MomentsAnswer answer{};
  answer = {};
  const auto materials = coldesign::ReadMaterials(coldesign::web::MaterialsOf(texts + 3));
  const auto input = coldesign::ReadBendingInput(
      coldesign::DesignInput({}, {}, materials.value_or(coldesign::DesignMaterials{})),
      {.moment_x = coldesign::web::View(texts[0]),
       .moment_y = coldesign::web::View(texts[1]),
       .column_height = coldesign::web::View(texts[2]),
       .unbraced = unbraced != 0});
  if (!input) {
    answer.field = static_cast<std::uint32_t>(input.error().field) + 1;
    answer.problem = static_cast<std::uint32_t>(input.error().problem);
    return &answer;
  }
  answer.can_govern = !materials || coldesign::MomentsCanGovern(*input) ? 1U : 0U;
  if (materials) {
    const coldesign::DesignMaterials& m = *materials;
    answer.has_input = 1;
    answer.input[0] = m.concrete_strength_kg_per_cm2;
    answer.input[1] = m.steel_yield_kg_per_cm2;
    answer.input[2] = m.width_cm;
    answer.input[3] = m.bar_diameter_mm;
    answer.input[4] = m.load_factor;
    answer.input[5] = input->moment_x_t_m;
    answer.input[6] = input->moment_y_t_m;
    answer.input[7] = input->column_height_m;
  }
  return &answer;
}
