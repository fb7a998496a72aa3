#include "calculation/report_lines.h"

namespace coldesign {
namespace {

// The template at `at`, up to `end` or a NUL, with its figures written in; `at` moves past
// `end`, or to the NUL.
std::string Filled(const char*& at, char end, std::string_view figure_names,
                   std::span<const std::string> figures) {
  std::string text;
  for (; *at != '\0' && *at != end; ++at) {
    if (*at == '{') {
      text += figures[figure_names.find(at[1])];
      at += 2;  // the name and the closing brace
    } else {
      text += *at;
    }
  }
  if (*at == end) ++at;
  return text;
}

}  // namespace

void WriteReportLines(std::span<const ReportLineTemplate> lines, std::string_view figure_names,
                      std::span<const std::string> figures, unsigned holding,
                      ReportWriter& writer) {
  for (const ReportLineTemplate& line : lines) {
    if ((holding >> line.when & 1U) == 0) continue;
    const std::string_view key = line.texts;
    const char* arguments = line.texts + key.size() + 1;
    const char* value = arguments + std::string_view(arguments).size() + 1;
    writer.line(line.part, key, Filled(value, '\0', figure_names, figures));
    for (const char* at = arguments; *at != '\0';) {
      const bool left_to_right = *at == '~';
      if (left_to_right) ++at;
      writer.argument(Filled(at, '|', figure_names, figures), left_to_right);
    }
  }
}

}  // namespace coldesign
