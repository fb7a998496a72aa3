#include "calculation/bending_output.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "calculation/numeric_text.h"
#include "calculation/schedule_csv.h"

namespace coldesign {
namespace {

constexpr std::string_view kMomentColumns = ",design_moment_x_t_m,design_moment_y_t_m,utilisation";

// A JSON number: FormatNumber's text is one for every finite value.
std::string Number(double value) { return FormatNumber(value + 0.0); }

std::string Utilisation(const BendingDesignResult& result) {
  return result.utilisation ? Number(*result.utilisation) : std::string();
}

}  // namespace

std::string_view BendingStatusText(BendingStatus status) {
  switch (status) {
    case BendingStatus::Ok:
      return "ok";
    case BendingStatus::Overflow:
      return "overflow";
    case BendingStatus::Slender:
      return "slender";
  }
  return {};
}

std::string WriteBendingJson(const std::expected<BendingDesignResult, DesignFailure>& result) {
  if (!result) {
    return R"({"width_cm":null,"length_cm":null,"bars":null,"bar_diameter_mm":null,)"
           R"("bar_centres_cm":[],"steel_area_cm2":null,"ultimate_load_t":null,)"
           R"("design_moment_x_t_m":null,"design_moment_y_t_m":null,"utilisation":null,)"
           R"("status":"overflow"})"
           "\n";
  }
  const BendingDesignResult& design = *result;
  std::string out = "{";
  const auto field = [&out](std::string_view name, std::string_view value) {
    if (out.size() > 1) out.push_back(',');
    out.append("\"").append(name).append("\":").append(value);
  };
  // A column that was not designed shows no section, so that no reader takes the last one tried
  // for an answer.
  const bool designed = design.status == BendingStatus::Ok;
  field("width_cm", FormatInteger(design.width_cm));
  field("length_cm", designed ? FormatInteger(design.length_cm) : "null");
  field("bars", designed ? FormatInteger(design.bars) : "null");
  field("bar_diameter_mm", FormatInteger(design.bar_diameter_mm));
  std::string centres = "[";
  for (const SectionBar& bar : designed ? design.bar_centres_cm : std::vector<SectionBar>{}) {
    if (centres.size() > 1) centres.push_back(',');
    centres.append("[").append(Number(bar.x)).append(",").append(Number(bar.y)).append("]");
  }
  field("bar_centres_cm", centres + "]");
  field("steel_area_cm2", designed ? Number(design.steel_area_cm2) : "null");
  field("ultimate_load_t", Number(design.ultimate_load_t));
  field("design_moment_x_t_m", Number(design.design_moment_x_t_m));
  field("design_moment_y_t_m", Number(design.design_moment_y_t_m));
  field("utilisation", design.utilisation ? Utilisation(design) : "null");
  field("status", "\"" + std::string(BendingStatusText(design.status)) + "\"");
  field("moments_governed", design.moments_governed ? "true" : "false");
  const BendingWorking& working = design.working;
  field("length_factor", Number(working.length_factor));
  field("effective_length_m", Number(working.effective_length_m));
  field("slenderness_x", Number(working.about_x.slenderness));
  field("slenderness_y", Number(working.about_y.slenderness));
  field("added_moment_x_t_m", Number(working.about_x.added_moment_t_m));
  field("added_moment_y_t_m", Number(working.about_y.added_moment_t_m));
  out.append("}\n");
  return out;
}

std::string WriteBendingCsv(const ColumnDesignInput& input,
                            const std::expected<BendingDesignResult, DesignFailure>& result) {
  std::string out;
  if (!result) {
    out = WriteDesignCsv(input, std::unexpected(result.error()));
  } else if (result->status != BendingStatus::Ok) {
    out = WriteDesignCsv(input, std::unexpected(DesignFailure{NumericFailure::Overflow, {}}));
    // The failure's status, "overflow", is the last word of the row.
    out.resize(out.size() - std::string_view("overflow\n").size());
    out.append(BendingStatusText(result->status)).push_back('\n');
  } else {
    ColumnDesignResult texts = result->axial;
    texts.length_text = FormatInteger(result->length_cm);
    texts.bar_count_text = FormatInteger(result->bars);
    if (result->moments_governed) texts.steel_area_text = Number(result->steel_area_cm2);
    out = WriteDesignCsv(input, texts);
  }
  out.insert(out.find('\n'), kMomentColumns);
  out.pop_back();
  if (result && result->status == BendingStatus::Ok) {
    for (const std::string& value : {Number(result->design_moment_x_t_m),
                                     Number(result->design_moment_y_t_m), Utilisation(*result)}) {
      out.append(",").append(value);
    }
  } else {
    out.append(",,,");
  }
  out.push_back('\n');
  return out;
}

}  // namespace coldesign
