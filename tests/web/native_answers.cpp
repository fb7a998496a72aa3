// Answers of the native calculation library, for the web module's tests to compare with.
// Reads one question a line from standard input and writes one JSON answer a line, in the
// shapes that web/calculation.js gives:
//   numeric <text>                    → true | false
//   design <load> <floors>            → {"ok":true,...} |
//   {"ok":false,"failure":...,"partial":{...}} check <load> <floors>             → null |
//   "load-empty" | "floors-empty" | "negative" layout <width> <length> <bars>    →
//   {"ok":true,"bars":[...],...} | {"ok":false,"failure":...}
// Texts come as the hexadecimal digits of their UTF-8 bytes (empty for the empty text); the
// numbers of a layout as decimal text, "nan", "inf" or "-inf"; a caret as decimal text, in
// UTF-16 code units as a browser counts them.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/design_calculation.h"
#include "calculation/input_check.h"
#include "calculation/input_guard.h"
#include "calculation/numeric_text.h"
#include "calculation/section_layout.h"

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

std::string Layout(double width_cm, double length_cm, double bar_count) {
  const std::string invalid = R"({"ok":false,"failure":"invalid-input"})";
  // The module takes the bar count as a JavaScript number: only whole numbers are counts.
  if (!(std::trunc(bar_count) == bar_count && std::fabs(bar_count) <= 1e6)) return invalid;
  const auto result = coldesign::LayOutSection(
      {.width_cm = width_cm, .length_cm = length_cm, .bar_count = static_cast<int>(bar_count)});
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
         "],\"clearSpacingMm\":" + Json(result->clear_spacing_mm) + "}";
}

std::string Answer(const std::vector<std::string_view>& q) {
  if (q[0] == "numeric" && q.size() == 2) {
    return coldesign::IsNumericText(FromHex(q[1])) ? "true" : "false";
  }
  if (q[0] == "design" && q.size() == 3) return Design(FromHex(q[1]), FromHex(q[2]));
  if (q[0] == "check" && q.size() == 3) return Check(FromHex(q[1]), FromHex(q[2]));
  if (q[0] == "guard" && q.size() == 4) return Guard(FromHex(q[1]), q[2], FromHex(q[3]));
  if (q[0] == "layout" && q.size() == 4) return Layout(Number(q[1]), Number(q[2]), Number(q[3]));
  return "unknown question";  // not JSON: the test reports the line
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) std::cout << Answer(Fields(line)) << '\n';
  return 0;
}
