// Answers of the native library for the page's moment design, for bending.test.mjs to compare
// with bending.js and calculation.js. One question a line on standard input, one JSON answer a
// line, its texts as the hexadecimal digits of their UTF-8 bytes:
//   moments <mx> <my> <height> <fcu> <fy> <b> <d> <factor> <0|1>
//       → {"field":...,"problem":...} | {"canGovern":true|false}    as checkMoments
//   bending <load> <floors> <fcu> <fy> <b> <d> <factor> <mx> <my> <height> <0|1>
//       → the design's figures, as designBending gives them (its texts left out)

#include <charconv>
#include <cstddef>
#include <expected>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculation/bending_design.h"
#include "calculation/bending_input.h"
#include "calculation/materials_text.h"
#include "module_contract.h"

namespace {

namespace contract = coldesign::web::contract;

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t space = line.find(' ', start);
    const std::string_view hex = line.substr(start, space - start);
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
      unsigned byte = 0;
      std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
      text += static_cast<char>(byte);
    }
    fields.push_back(fields.empty() ? std::string(hex) : text);
    if (space == std::string_view::npos) return fields;
    start = space + 1;
  }
}

std::string Json(double value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::string Name(std::string_view name) { return "\"" + std::string(name) + "\""; }

// The materials' five texts from `first` on; refused ones leave the defaults (the caller asks
// about accepted ones only, or says so).
std::expected<coldesign::DesignMaterials, coldesign::RefusedChoice> Materials(
    const std::vector<std::string>& q, std::size_t first) {
  return coldesign::ReadMaterials(
      {q[first], q[first + 1], q[first + 2], q[first + 3], q[first + 4]});
}

std::string Refused(const coldesign::RefusedBendingText& refused) {
  return "{\"field\":" +
         Name(contract::kBendingFields[1 + static_cast<std::size_t>(refused.field)]) +
         ",\"problem\":" +
         Name(contract::kBendingProblems[static_cast<std::size_t>(refused.problem)]) + "}";
}

std::string Moments(const std::vector<std::string>& q) {
  const auto materials = Materials(q, 4);
  const auto input = coldesign::ReadBendingInput(
      coldesign::DesignInput({}, {}, materials.value_or(coldesign::DesignMaterials{})),
      {.moment_x = q[1], .moment_y = q[2], .column_height = q[3], .unbraced = q[9] == "1"});
  if (!input) return Refused(input.error());
  const bool can_govern = !materials || coldesign::MomentsCanGovern(*input);
  return std::string("{\"canGovern\":") + (can_govern ? "true" : "false") + "}";
}

std::string Bending(const std::vector<std::string>& q) {
  const auto materials = Materials(q, 3);
  if (!materials) {
    return R"({"ok":false,"failure":"materials","choice":)" +
           Name(contract::kMaterials[static_cast<std::size_t>(materials.error().choice)]) + "}";
  }
  const auto input = coldesign::ReadBendingInput(
      coldesign::DesignInput(q[1], q[2], *materials),
      {.moment_x = q[8], .moment_y = q[9], .column_height = q[10], .unbraced = q[11] == "1"});
  if (!input) {
    return R"({"ok":false,"failure":"moments",)" + Refused(input.error()).substr(1);
  }
  const auto designed = coldesign::DesignBendingColumn(*input);
  if (!designed) {
    const auto* failure = std::get_if<coldesign::DesignFailure>(&designed.error());
    return std::string(R"({"ok":false,"failure":)") +
           (failure && failure->kind == coldesign::NumericFailure::TypeMismatch
                ? "\"type-mismatch\"}"
                : "\"overflow\"}");
  }
  const coldesign::BendingDesignResult& r = *designed;
  std::string centres;
  for (const coldesign::SectionBar& bar : r.bar_centres_cm) {
    centres += (centres.empty() ? "[" : ",[") + Json(bar.x) + "," + Json(bar.y) + "]";
  }
  const std::string_view status = r.status == coldesign::BendingStatus::Ok        ? "ok"
                                  : r.status == coldesign::BendingStatus::Slender ? "slender"
                                                                                  : "too-large";
  return std::string("{\"ok\":") + (status == "ok" ? "true" : "false") +
         (status == "ok" ? "" : ",\"failure\":" + Name(status)) + ",\"status\":" + Name(status) +
         ",\"momentsGoverned\":" + (r.moments_governed ? "true" : "false") +
         ",\"widthCm\":" + std::to_string(r.width_cm) +
         ",\"lengthCm\":" + std::to_string(r.length_cm) + ",\"bars\":" + std::to_string(r.bars) +
         ",\"barDiameterMm\":" + std::to_string(r.bar_diameter_mm) + ",\"barCentresCm\":[" +
         centres + "],\"ultimateLoadT\":" + Json(r.ultimate_load_t) +
         ",\"designMomentXTM\":" + Json(r.design_moment_x_t_m) +
         ",\"designMomentYTM\":" + Json(r.design_moment_y_t_m) +
         ",\"utilisation\":" + (r.utilisation ? Json(*r.utilisation) : "null") +
         ",\"slenderness\":" + Json(r.working.about_y.slenderness) +
         ",\"mostSlenderness\":" + Json(r.working.most_slenderness) + "}";
}

std::string Answer(const std::vector<std::string>& q) {
  if (q[0] == "moments" && q.size() == 10) return Moments(q);
  if (q[0] == "bending" && q.size() == 12) return Bending(q);
  return "unknown question";  // not JSON: the test reports the line
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) std::cout << Answer(Fields(line)) << '\n';
  return 0;
}
