#pragma once

// The calculation sheet of a column designed with moments: the axial report with a section on
// the moments, slenderness and the section's capacity, and its interaction diagram.

#include <optional>
#include <string>
#include <vector>

#include "calculation/bending_design.h"
#include "calculation/design_report.h"

namespace coldesign {

// Whether the sheet of this design has the moment section: a moment was given, or the moments
// governed (slenderness among them). When not, the report is WriteReport's of the axial design,
// line for line.
bool ReportsMoments(const BendingDesignInput& input, const BendingDesignResult& result);

// The report of a design whose status is Ok: the title, the inputs and the steps of the axial
// design it started from, then the moment section, then the chosen section, the drawing's
// assumptions, the limits and the results of the section designed, with its design moments and
// utilisation.
void WriteBendingReport(const BendingDesignInput& input, const BendingDesignResult& result,
                        ReportWriter& writer);
DesignReport ReportBendingDesign(const BendingDesignInput& input,
                                 const BendingDesignResult& result);

struct DiagramTick {
  double at_t_m = 0;
  std::string label;  // the figure, locale-free: "-20", "2.5"
};

// The interaction diagram to scale, t·m: Mx across, My up, each axis from -extent to +extent.
struct InteractionDiagram {
  // The capacity contour at Pu, closed (the last point joins the first).
  std::vector<MomentPoint> contour;
  // The cases the section was checked for (DesignCases), one when both are the same; each
  // within the contour when the section carries it.
  std::vector<MomentPoint> loads;
  double extent_t_m = 0;           // a round figure past every point
  std::vector<DiagramTick> ticks;  // the same on both axes, from -extent to +extent
};

// None when the design has no contour (its status is not Ok, or its bars did not fit).
std::optional<InteractionDiagram> DiagramOf(const BendingDesignResult& result);

}  // namespace coldesign
