// The calculation module's report of a design: the calculation sheet's content and the copied
// results, as catalogue keys with their arguments, for sheet_view.js to lay out. One text: its
// lines apart by RS (U+001E), and in each apart by US (U+001F) the line's part ("A" for the first
// of ReportPart), its key, its value and its arguments, a left-to-right argument between the
// isolating marks the page puts round a figure in a sentence. No figure or typed number the
// design accepts holds either separator.

#include <string>

#include "calculation/design_calculation.h"
#include "calculation/design_report.h"
#include "calculation/materials_text.h"
#include "web/module_materials.h"
#include "web/module_text.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

// Writes each line on at once, in the answer's form.
class Written : public coldesign::ReportWriter {
 public:
  explicit Written(std::string& text) : text_(text) {}

  void line(coldesign::ReportPart part, std::string_view key, std::string value) override {
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

}  // namespace

// texts: the load, the floors, then the materials. The report of their design; empty when the
// materials are refused or the design fails.
COLDESIGN_EXPORT("design_report")
const coldesign::web::TextView* DesignReportExport(const coldesign::web::TextView* texts) {
  static std::string report;
  static coldesign::web::TextView answer{};
  report.clear();
  if (const auto materials = coldesign::ReadMaterials(coldesign::web::MaterialsOf(texts + 2))) {
    const coldesign::ColumnDesignInput input =
        coldesign::DesignInput(std::string(coldesign::web::View(texts[0])),
                               std::string(coldesign::web::View(texts[1])), *materials);
    if (const auto design = coldesign::DesignColumn(input)) {
      Written written(report);
      coldesign::WriteReport(input, *design, written);
    }
  }
  answer = coldesign::web::ViewOf(report);
  return &answer;
}
