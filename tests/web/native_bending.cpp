// Answers of the native library for the page's moment design, for bending.test.mjs to compare
// with bending.js and calculation.js. One question a line on standard input, one JSON answer a
// line, its texts as the hexadecimal digits of their UTF-8 bytes:
//   moments <mx> <my> <height> <fcu> <fy> <b> <d> <factor> <0|1>
//       → {"field":...,"problem":...} | {"canGovern":...,"input":{"numbers":[...],...}|null}
//                                                                   as checkMoments
//   bending <load> <floors> <fcu> <fy> <b> <d> <factor> <mx> <my> <height> <0|1>
//       → the design's figures, report and diagram as designBending gives them (its texts, the
//         page's words for a failure, left out), of fields checkMoments accepts

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
#include "calculation/bending_report.h"
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
  std::string numbers = "null";
  if (materials) {
    const coldesign::DesignMaterials& m = *materials;
    numbers = "{\"numbers\":[" + Json(m.concrete_strength_kg_per_cm2) + "," +
              Json(m.steel_yield_kg_per_cm2) + "," + Json(m.width_cm) + "," +
              Json(m.bar_diameter_mm) + "," + Json(m.load_factor) + "," +
              Json(input->moment_x_t_m) + "," + Json(input->moment_y_t_m) + "," +
              Json(input->column_height_m) +
              "],\"unbraced\":" + (input->unbraced ? "true" : "false") + "}";
  }
  return std::string("{\"canGovern\":") + (can_govern ? "true" : "false") +
         ",\"input\":" + numbers + "}";
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

std::string Points(const std::vector<coldesign::MomentPoint>& points) {
  std::string out = "[";
  for (const coldesign::MomentPoint& point : points) {
    out += (out.size() > 1 ? ",[" : "[") + Json(point.moment_x_t_m) + "," +
           Json(point.moment_y_t_m) + "]";
  }
  return out + "]";
}

// ,"report":[...],"diagram":{...}|null as designBending gives them: a left-to-right argument
// between the isolating marks the page puts round a figure.
std::string Sheet(const coldesign::BendingDesignInput& input,
                  const coldesign::BendingDesignResult& result) {
  std::string report = "[";
  for (const coldesign::ReportLine& line : coldesign::ReportBendingDesign(input, result)) {
    std::string text = "[" + Quoted(line.text.key);
    for (const coldesign::ReportArgument& argument : line.text.arguments) {
      text += "," +
              Quoted(argument.left_to_right ? "\u2066" + argument.text + "\u2069" : argument.text);
    }
    report += std::string(report.size() > 1 ? "," : "") +
              "{\"part\":" + Name(contract::kReportParts[static_cast<std::size_t>(line.part)]) +
              ",\"text\":" + text + "],\"value\":" + Quoted(line.value) + "}";
  }
  const auto diagram = coldesign::DiagramOf(result);
  std::string drawn = "null";
  if (diagram) {
    std::string ticks = "[";
    for (const coldesign::DiagramTick& tick : diagram->ticks) {
      ticks += std::string(ticks.size() > 1 ? "," : "") + "{\"atTM\":" + Json(tick.at_t_m) +
               ",\"label\":" + Quoted(tick.label) + "}";
    }
    drawn = "{\"contour\":" + Points(diagram->contour) + ",\"loads\":" + Points(diagram->loads) +
            ",\"extentTM\":" + Json(diagram->extent_t_m) + ",\"ticks\":" + ticks + "]}";
  }
  return ",\"report\":" + report + "],\"diagram\":" + drawn;
}

std::string Bending(const std::vector<std::string>& q) {
  const auto materials = Materials(q, 3);
  if (!materials) return "materials refused";  // not JSON: the page asks only of accepted ones
  const auto input = coldesign::ReadBendingInput(
      coldesign::DesignInput(q[1], q[2], *materials),
      {.moment_x = q[8], .moment_y = q[9], .column_height = q[10], .unbraced = q[11] == "1"});
  if (!input) return "moments refused";
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
         ",\"mostSlenderness\":" + Json(r.working.most_slenderness) +
         (status == "ok" ? Sheet(*input, r) : "") + "}";
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
