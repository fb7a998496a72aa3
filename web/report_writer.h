#pragma once

// A report's lines in the form the page's modules answer with: one text, its lines apart by RS
// (U+001E), and in each apart by US (U+001F) the line's part ("A" for the first of ReportPart),
// its key, its value and its arguments, a left-to-right argument between the isolating marks
// the page puts round a figure in a sentence. No figure or typed number the design accepts
// holds either separator.

#include <string>
#include <string_view>

#include "calculation/design_report.h"

namespace coldesign::web {

// Writes each line on at once, in the answer's form.
class WrittenReport : public ReportWriter {
 public:
  explicit WrittenReport(std::string& text) : text_(text) {}

  void line(ReportPart part, std::string_view key, std::string value) override {
    if (!text_.empty()) text_ += '\x1E';
    text_ += static_cast<char>('A' + static_cast<int>(part));
    ((text_ += '\x1F') += key) += '\x1F';
    text_ += value;
  }

  void argument(std::string text, bool left_to_right) override {
    text_ += '\x1F';
    if (left_to_right) text_ += "\u2066";
    text_ += text;
    if (left_to_right) text_ += "\u2069";
  }

 private:
  std::string& text_;
};

}  // namespace coldesign::web
