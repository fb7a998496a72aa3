// Answers of the native calculation library, for the web module's tests to compare with.
// Reads one question a line from standard input and writes one JSON answer a line, in the
// shapes that web/calculation.js gives:
//   numeric <text>                      → true | false
//   design <load> <floors>              → {"ok":true,...} | {"ok":false,"failure":...,...}
//   check <load> <floors>               → null | "load-empty" | "floors-empty" | "negative"
//   layout <width> <length> <bars> [<d>] → {"ok":true,"bars":[...],...} | {"ok":false,...}
//   materials <fcu> <fy> <b> <d> <factor>                 → null | "fcu" | ... | "loadFactor"
//   working <load> <floors> <fcu> <fy> <b> <d> <factor>   → as designWithWorking
//   schedule <csv> <fcu> <fy> <b> <d> <factor> <height>   → the schedule: its CSV (hexadecimal),
//       its rows, types and totals; or why it was refused
// Texts come as the hexadecimal digits of their UTF-8 bytes (empty for the empty text); the
// numbers of a layout as decimal text, "nan", "inf" or "-inf"; a caret as decimal text, in
// UTF-16 code units as a browser counts them.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculation/column_schedule.h"
#include "calculation/design_calculation.h"
#include "calculation/design_rules.h"
#include "calculation/input_check.h"
#include "calculation/input_guard.h"
#include "calculation/materials_text.h"
#include "calculation/numeric_text.h"
#include "calculation/schedule_csv.h"
#include "calculation/schedule_rows.h"
#include "calculation/section_layout.h"
#include "module_contract.h"

namespace {

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t space = line.find(' ', start);
    fields.push_back(line.substr(start, space - start));
    if (space == std::string_view::npos) return fields;
    start = space + 1;
  }
}

std::string FromHex(std::string_view hex) {
  std::string text;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    unsigned byte = 0;
    std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
    text += static_cast<char>(byte);
  }
  return text;
}

double Number(std::string_view text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// The shortest text that reads back as the same double, which JSON.parse reads exactly.
std::string Json(double value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::string DesignTexts(const coldesign::ColumnDesignResult& r) {
  return "\"requiredAreaText\":" + Quoted(r.required_area_text) +
         ",\"lengthText\":" + Quoted(r.length_text) +
         ",\"steelAreaText\":" + Quoted(r.steel_area_text) +
         ",\"barCountText\":" + Quoted(r.bar_count_text);
}

std::string Design(const std::string& load, const std::string& floors) {
  const auto result = coldesign::DesignColumn({.load_text = load, .floors_text = floors});
  if (result) return "{\"ok\":true," + DesignTexts(*result) + "}";
  const bool overflow = result.error().kind == coldesign::NumericFailure::Overflow;
  return std::string("{\"ok\":false,\"failure\":") +
         (overflow ? "\"overflow\"" : "\"type-mismatch\"") + ",\"partial\":{" +
         DesignTexts(result.error().partial) + "}}";
}

std::string Check(const std::string& load, const std::string& floors) {
  const auto problem = coldesign::CheckDesignInputs(load, floors);
  if (!problem) return "null";
  switch (*problem) {
    case coldesign::InputProblem::LoadEmpty:
      return "\"load-empty\"";
    case coldesign::InputProblem::FloorsEmpty:
      return "\"floors-empty\"";
    case coldesign::InputProblem::Unfinished:
      return "\"unfinished\"";
    case coldesign::InputProblem::Negative:
      return "\"negative\"";
  }
  return "unknown";
}

// UTF-16 code units of a UTF-8 character, from its first byte.
int Utf16Units(char first) { return static_cast<unsigned char>(first) >= 0xF0 ? 2 : 1; }

std::size_t Utf8Length(char first) {
  const auto byte = static_cast<unsigned char>(first);
  return byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
}

// The byte offset of a caret given in UTF-16 code units; one inside a surrogate pair stands
// before the pair.
std::size_t ByteOffset(std::string_view text, std::size_t units) {
  std::size_t bytes = 0;
  for (std::size_t counted = 0; bytes < text.size();) {
    counted += Utf16Units(text[bytes]);
    if (counted > units) break;
    bytes += Utf8Length(text[bytes]);
  }
  return bytes;
}

std::size_t Utf16Offset(std::string_view text, std::size_t bytes) {
  std::size_t units = 0;
  for (std::size_t at = 0; at < bytes; at += Utf8Length(text[at])) units += Utf16Units(text[at]);
  return units;
}

std::string Guard(const std::string& text, std::string_view caret, const std::string& last) {
  const auto guarded =
      coldesign::GuardedText(text, ByteOffset(text, static_cast<std::size_t>(Number(caret))), last);
  return "{\"text\":" + Quoted(guarded.text) +
         ",\"caret\":" + std::to_string(Utf16Offset(guarded.text, guarded.caret)) +
         ",\"droppedSeparator\":" + (guarded.dropped_separator ? "true" : "false") + "}";
}

std::string Layout(double width_cm, double length_cm, double bar_count, double bar_diameter_mm) {
  const std::string invalid = R"({"ok":false,"failure":"invalid-input"})";
  // The module takes the bar count as a JavaScript number: only whole numbers are counts.
  if (!(std::trunc(bar_count) == bar_count && std::fabs(bar_count) <= 1e6)) return invalid;
  const auto result = coldesign::LayOutSection({.width_cm = width_cm,
                                                .length_cm = length_cm,
                                                .bar_count = static_cast<int>(bar_count),
                                                .bar_diameter_mm = bar_diameter_mm});
  if (!result) {
    return result.error() == coldesign::SectionLayoutFailure::BarsDoNotFit
               ? R"({"ok":false,"failure":"bars-do-not-fit"})"
               : invalid;
  }
  std::string bars;
  for (const auto& bar : result->bars) {
    if (!bars.empty()) bars += ',';
    bars += "{\"xMm\":" + Json(bar.x_mm) + ",\"yMm\":" + Json(bar.y_mm) + "}";
  }
  return "{\"ok\":true,\"bars\":[" + bars +
         "],\"clearSpacingMm\":" + Json(result->clear_spacing_mm) + ",\"tieCornerRadiusMm\":" +
         Json(coldesign::rules::TieCornerRadiusMm(bar_diameter_mm,
                                                  coldesign::rules::kTieDiameterMm)) +
         "}";
}

namespace contract = coldesign::web::contract;

std::string Choice(coldesign::MaterialsChoice choice) {
  return Quoted(contract::kMaterials[static_cast<std::size_t>(choice)]);
}

// The materials' five texts, as hexadecimal fields from `first` on.
struct MaterialsQuestion {
  std::array<std::string, 5> texts;
  explicit MaterialsQuestion(const std::vector<std::string_view>& q, std::size_t first) {
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = FromHex(q[first + i]);
  }
  [[nodiscard]] auto read() const {
    return coldesign::ReadMaterials({texts[0], texts[1], texts[2], texts[3], texts[4]});
  }
};

std::string Materials(const MaterialsQuestion& question) {
  const auto materials = question.read();
  return materials ? "null" : Choice(materials.error().choice);
}

// An object of texts, each named.
std::string Texts(std::initializer_list<std::pair<std::string_view, std::string>> texts) {
  std::string out;
  for (const auto& [name, text] : texts) {
    out += (out.empty() ? "{" : ",") + Quoted(name) + ":" + Quoted(text);
  }
  return out + "}";
}

std::string Working(const std::string& load, const std::string& floors,
                    const MaterialsQuestion& question) {
  const auto materials = question.read();
  if (!materials)
    return R"({"ok":false,"failure":"materials","choice":)" + Choice(materials.error().choice) +
           "}";
  const auto design = coldesign::DesignColumn(coldesign::DesignInput(load, floors, *materials));
  const coldesign::ColumnDesignResult& r = design ? *design : design.error().partial;
  const coldesign::DesignWorking& w = r.working;
  const coldesign::DesignMaterials& m = *materials;
  using coldesign::FormatNumber;
  std::string working = Texts({{"lengthQuotientText", w.length_quotient_text.str()},
                               {"roundedLengthText", w.rounded_length_text},
                               {"steelShareText", w.steel_share_text.str()},
                               {"leastSteelText", w.least_steel_text.str()},
                               {"barQuotientText", w.bar_quotient_text.str()},
                               {"roundedBarText", w.rounded_bar_text},
                               {"steelRatioPercentText", w.steel_ratio_percent_text}});
  working.pop_back();
  working +=
      ",\"lengthRule\":" + Quoted(contract::kLengthRules[static_cast<std::size_t>(w.length_rule)]) +
      ",\"steelRule\":" + Quoted(contract::kSteelRules[static_cast<std::size_t>(w.steel_rule)]) +
      ",\"barRule\":" + Quoted(contract::kBarRules[static_cast<std::size_t>(w.bar_rule)]) +
      ",\"beyondFloorLimit\":" + (w.beyond_floor_limit ? "true" : "false") + "}";
  const std::string used =
      Texts({{"widthText", FormatNumber(m.width_cm)},
             {"barDiameterText", FormatNumber(m.bar_diameter_mm)},
             {"fcuText", FormatNumber(m.concrete_strength_kg_per_cm2)},
             {"fyText", FormatNumber(m.steel_yield_kg_per_cm2)},
             {"loadFactorText", FormatNumber(m.load_factor)},
             {"loadIncreasePercentText", FormatNumber((m.load_factor - 1) * 100)},
             {"carryingStressText", FormatNumber(coldesign::CarryingStressKgPerCm2(m))},
             {"barAreaText", FormatNumber(coldesign::BarAreaCm2(m.bar_diameter_mm))}});
  const std::string tail = ",\"working\":" + working + ",\"materials\":" + used + "}";
  std::string results = DesignTexts(r);
  if (design) return "{\"ok\":true," + results + tail;
  const bool overflow = design.error().kind == coldesign::NumericFailure::Overflow;
  return std::string("{\"ok\":false,\"failure\":") +
         (overflow ? "\"overflow\"" : "\"type-mismatch\"") + ",\"partial\":{" + results + "}" +
         tail;
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const char c : bytes) {
    hex += kDigits[static_cast<unsigned char>(c) >> 4];
    hex += kDigits[static_cast<unsigned char>(c) & 0xF];
  }
  return hex;
}

template <typename T, typename Write>
std::string List(const std::vector<T>& items, Write write) {
  std::string out = "[";
  for (const T& item : items) out += (out.size() > 1 ? "," : "") + write(item);
  return out + "]";
}

std::string Schedule(const std::string& csv_text, const MaterialsQuestion& question,
                     const std::string& height_text) {
  const auto materials = question.read();
  if (!materials) {
    return R"({"ok":false,"problem":"materials","choice":)" + Choice(materials.error().choice) +
           "}";
  }
  const auto height = coldesign::ReadFloorHeight(height_text);
  if (!height) return R"({"ok":false,"problem":"floor-height"})";
  auto csv = coldesign::ReadScheduleCsv(csv_text);
  if (!csv) {
    const coldesign::CsvError& e = csv.error();
    // The page's fields are numbered from 1, 0 for none.
    return R"({"ok":false,"problem":"input","line":)" + std::to_string(e.line) + ",\"field\":" +
           (e.field ? Quoted(contract::kScheduleFields[1 + static_cast<std::size_t>(*e.field)])
                    : "null") +
           ",\"kind\":" + Quoted(contract::kScheduleProblems[static_cast<std::size_t>(e.problem)]) +
           ",\"column\":" + Quoted(e.column) + "}";
  }
  const coldesign::Schedule schedule =
      coldesign::DesignSchedule(std::move(csv->columns), *materials, *height);
  const std::string columns = List(schedule.columns, [&](const coldesign::ScheduleColumn& c) {
    std::string rows = "[";
    for (int level = 1; level <= static_cast<int>(c.levels.size()); ++level) {
      std::string row = "[";
      for (const std::string& value : coldesign::ScheduleCsvValues(schedule, c, level)) {
        row += (row.size() > 1 ? "," : "") + Quoted(value);
      }
      rows += (rows.size() > 1 ? "," : "") + row + "]";
    }
    rows += "]";
    return "{\"mark\":" + Quoted(c.input.mark) + ",\"loadText\":" + Quoted(c.input.load_text) +
           ",\"floorsText\":" + Quoted(coldesign::FormatInteger(c.input.floors)) +
           ",\"countText\":" + Quoted(coldesign::FormatInteger(c.input.count)) +
           ",\"type\":" + std::to_string(c.type) +
           ",\"repeatedMark\":" + (c.repeated_mark ? "true" : "false") + ",\"rows\":" + rows + "}";
  });
  const std::string types = List(schedule.types, [](const coldesign::ColumnType& t) {
    return "{\"columns\":" +
           List(t.columns, [](std::size_t index) { return std::to_string(index); }) + "}";
  });
  constexpr std::array<std::string_view, 6> kKinds = {"empty",   "text", "number",
                                                      "figures", "mark", "marks"};
  const std::string type_rows =
      List(coldesign::TypesRows(schedule), [&](const coldesign::TypesRow& row) {
        std::string kinds = "[";
        std::string cells = "[";
        for (const coldesign::ScheduleCell& cell : row.cells) {
          kinds += (kinds.size() > 1 ? "," : "") + Quoted(kKinds[std::to_underlying(cell.kind)]);
          cells += (cells.size() > 1 ? "," : "") + Quoted(cell.text);
        }
        return "{\"type\":" + std::to_string(row.type) +
               ",\"failed\":" + (row.failed ? "true" : "false") +
               ",\"total\":" + (row.total ? "true" : "false") + ",\"kinds\":" + kinds +
               "],\"cells\":" + cells + "]}";
      });
  const std::string summary =
      List(coldesign::ScheduleSummaryLines(schedule), [](const coldesign::ReportText& line) {
        std::string texts = "[" + Quoted(line.key);
        for (const coldesign::ReportArgument& argument : line.arguments) {
          texts += "," + Quoted(argument.text);
        }
        return texts + "]";
      });
  std::string header = "[";
  for (std::size_t start = 0; start <= coldesign::kScheduleCsvHeader.size();) {
    const std::size_t comma = std::min(coldesign::kScheduleCsvHeader.find(',', start),
                                       coldesign::kScheduleCsvHeader.size());
    header += (header.size() > 1 ? "," : "") +
              Quoted(coldesign::kScheduleCsvHeader.substr(start, comma - start));
    start = comma + 1;
  }
  return std::string("{\"ok\":true,\"allDesigned\":") + (schedule.all_designed ? "true" : "false") +
         ",\"csv\":\"" + Hex(coldesign::WriteScheduleCsv(schedule)) + "\",\"header\":" + header +
         "],\"columns\":" + columns + ",\"types\":" + types + ",\"typeRows\":" + type_rows +
         ",\"summary\":" + summary + "}";
}

std::string Answer(const std::vector<std::string_view>& q) {
  if (q[0] == "numeric" && q.size() == 2) {
    return coldesign::IsNumericText(FromHex(q[1])) ? "true" : "false";
  }
  if (q[0] == "design" && q.size() == 3) return Design(FromHex(q[1]), FromHex(q[2]));
  if (q[0] == "check" && q.size() == 3) return Check(FromHex(q[1]), FromHex(q[2]));
  if (q[0] == "guard" && q.size() == 4) return Guard(FromHex(q[1]), q[2], FromHex(q[3]));
  if (q[0] == "layout" && (q.size() == 4 || q.size() == 5)) {
    return Layout(Number(q[1]), Number(q[2]), Number(q[3]),
                  q.size() == 5 ? Number(q[4]) : coldesign::rules::kBarDiameterMm);
  }
  if (q[0] == "materials" && q.size() == 6) return Materials(MaterialsQuestion(q, 1));
  if (q[0] == "working" && q.size() == 8) {
    return Working(FromHex(q[1]), FromHex(q[2]), MaterialsQuestion(q, 3));
  }
  if (q[0] == "schedule" && q.size() == 8) {
    return Schedule(FromHex(q[1]), MaterialsQuestion(q, 2), FromHex(q[7]));
  }
  return "unknown question";  // not JSON: the test reports the line
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) std::cout << Answer(Fields(line)) << '\n';
  return 0;
}
