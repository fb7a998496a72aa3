// The calculation module's report of a design: the calculation sheet's content and the copied
// results, as catalogue keys with their arguments, for sheet_view.js to lay out, in the form of
// report_writer.h.

#include <string>

#include "calculation/design_calculation.h"
#include "calculation/design_report.h"
#include "calculation/materials_text.h"
#include "web/module_materials.h"
#include "web/module_text.h"
#include "web/report_writer.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

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
      coldesign::web::WrittenReport written(report);
      coldesign::WriteReport(input, *design, written);
    }
  }
  answer = coldesign::web::ViewOf(report);
  return &answer;
}
