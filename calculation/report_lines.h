#pragma once

// The reports are written from tables of their lines, each a catalogue key with the templates
// of its arguments and value: read by one small loop, a report costs the page's module a few KB,
// where building each line in code cost it several times that.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calculation/design_report.h"

namespace coldesign {

// A line of a report: its catalogue key (or none), its arguments ('|' between them, '~' before
// one read left to right) and its value (which may hold a '|'), one after another, each ended by a
// NUL. "{x}" in a template is the figure named x. The line is written when bit `when` of the
// report's holding is set.
struct ReportLineTemplate {
  ReportPart part;
  std::uint8_t when;
  const char* texts;
};

// Whether every figure the templates name is one of `figure_names`, each name closed by its
// brace: for a static_assert beside a table.
constexpr bool NamesKnownFigures(std::span<const ReportLineTemplate> lines,
                                 std::string_view figure_names) {
  for (const ReportLineTemplate& line : lines) {
    const char* at = line.texts;
    for (int ends = 0; ends < 3; ++at) {
      if (*at == '\0') ++ends;
      if (*at == '{' && (figure_names.find(at[1]) == std::string_view::npos || at[2] != '}')) {
        return false;
      }
    }
  }
  return true;
}

// Writes the lines whose bit is set in `holding`, their figures written in from `figures`, the
// figure named figure_names[i] being figures[i].
void WriteReportLines(std::span<const ReportLineTemplate> lines, std::string_view figure_names,
                      std::span<const std::string> figures, unsigned holding, ReportWriter& writer);

}  // namespace coldesign
