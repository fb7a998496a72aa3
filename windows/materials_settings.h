#pragma once

#include "calculation/design_materials.h"

namespace coldesign {

// The materials the engineer chose last, kept between runs in the program's settings; the rules
// table's defaults until a choice was made, and when what is kept fails the engine's checks.
DesignMaterials RememberedMaterials();
void RememberMaterials(const DesignMaterials& materials);

}  // namespace coldesign
