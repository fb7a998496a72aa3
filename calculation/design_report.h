#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculation/design_calculation.h"

namespace coldesign {

// An argument of a catalogue text. A figure with its unit inside a sentence is kept together
// and read left to right, whatever the sentence's direction: each front end marks it its way.
struct ReportArgument {
  std::string text;
  bool left_to_right = false;
  friend bool operator==(const ReportArgument&, const ReportArgument&) = default;
};

// A text of the program's catalogue, named by its key; its %1, %2… are the arguments in order.
struct ReportText {
  std::string_view key;
  std::vector<ReportArgument> arguments;
  friend bool operator==(const ReportText&, const ReportText&) = default;
};

// Catalogue texts said one after another, as one sentence.
using ReportSentence = std::vector<ReportText>;

// A label and its value: a figure with its unit, the same in every language.
struct ReportRow {
  ReportText label;
  std::string value;
};

// One step of the calculation: its result, the formula and the numbers put in (a line each, the
// same in every language), and the rule that gave the result.
struct ReportStep {
  ReportText title;
  std::string result;
  std::vector<std::string> formula;
  ReportSentence note;
};

// Everything the calculation sheet and the copied results say of one design, in their order:
// what a front end lays out, in the language it is in, with its date and the program's version.
struct DesignReport {
  ReportText title;
  ReportText subtitle;
  ReportText document_title;  // the sheet as a document, named by its section
  std::string section;        // "30 × 230 cm"

  ReportText inputs_title;
  std::vector<ReportRow> inputs;  // two to a line on paper, the first on the right
  std::string stress_formula;     // the carrying stress worked out from the materials

  ReportText steps_title;
  std::vector<ReportStep> steps;

  ReportText chosen_title;
  std::vector<ReportRow> chosen;  // the section, its bars and their ratio

  ReportText drawing_title;
  std::vector<ReportText> drawing_assumptions;  // the first a heading, then one a line

  ReportText limits_title;
  std::vector<ReportSentence> limits;  // one a line

  ReportText results_heading;      // the results as they are copied and shared
  std::vector<ReportRow> results;  // the inputs and the results, with their units
};

// The report of a successful design of `input`.
DesignReport ReportDesign(const ColumnDesignInput& input, const ColumnDesignResult& result);

}  // namespace coldesign
