#pragma once

#include <cstdint>
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
// No key: a line that has only its value.
struct ReportText {
  std::string_view key;
  std::vector<ReportArgument> arguments;
  friend bool operator==(const ReportText&, const ReportText&) = default;
};

// What a line of the report is on the calculation sheet, in the order the sheet has them.
enum class ReportPart : std::uint8_t {
  Title,
  Subtitle,
  DocumentTitle,  // the sheet as a document, named by its section: "30 × 230 cm"
  InputsTitle,
  Input,          // a label and its value, two to a line on paper, the first on the right
  StressFormula,  // the carrying stress worked out from the materials
  StepsTitle,
  Step,     // a step's title and its result
  Formula,  // the step's formula and the numbers put in, a line each
  Note,     // the rule that gave the step's result: its notes are said one after another
  ChosenTitle,
  Chosen,  // the section, its bars and their ratio
  DrawingTitle,
  Assumption,  // of the drawing: the first a heading, then one a line
  LimitsTitle,
  Limit,      // one a line
  LimitMore,  // said after the limit before it
  ResultsHeading,
  Result,  // the results as they are copied and shared: a label and its value
  // A column with moments (bending_report.h), between the steps and the chosen section:
  MomentsTitle,
  MomentInput,    // a label and its value, as Input
  MomentStep,     // a step's title and its result, as Step
  MomentFormula,  // as Formula
  MomentNote,     // as Note
  DiagramTitle,   // the interaction diagram is drawn under it
  DiagramNote,    // a sentence under the diagram
};

// One line of the report: a catalogue text, or a value (a formula, a figure with its unit) that
// reads the same in every language, or both (a label and its value).
struct ReportLine {
  ReportPart part;
  ReportText text;
  std::string value;
  friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

// Everything the calculation sheet and the copied results say of one design, in their order:
// what a front end lays out, in the language it is in, with its date and the program's version.
using DesignReport = std::vector<ReportLine>;

// The report of a successful design of `input`.
DesignReport ReportDesign(const ColumnDesignInput& input, const ColumnDesignResult& result);

// Takes the report's lines as they are written, one after another: each line, then its
// arguments. For a front end that writes them on at once.
class ReportWriter {
 public:
  ReportWriter() = default;
  ReportWriter(const ReportWriter&) = delete;
  ReportWriter& operator=(const ReportWriter&) = delete;
  virtual ~ReportWriter() = default;
  virtual void line(ReportPart part, std::string_view key, std::string value) = 0;
  virtual void argument(std::string text, bool left_to_right) = 0;
};

// Keeps the lines written to it, in order.
class ReportLines : public ReportWriter {
 public:
  explicit ReportLines(DesignReport& report) : report_(report) {}
  void line(ReportPart part, std::string_view key, std::string value) override;
  void argument(std::string text, bool left_to_right) override;

 private:
  DesignReport& report_;
};

// Writes the report of a successful design of `input` to `writer`.
void WriteReport(const ColumnDesignInput& input, const ColumnDesignResult& result,
                 ReportWriter& writer);

}  // namespace coldesign
