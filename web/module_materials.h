#pragma once

// The engineer's materials as the page's modules take them: five texts at the start of the
// array of TextView that calculation.js writes.

#include <cstddef>
#include <cstdint>

#include "calculation/materials_text.h"
#include "web/module_text.h"

namespace coldesign::web {

// The texts of the materials, in the order of MaterialsChoice, at the start of an argument list.
inline constexpr std::size_t kMaterialsTexts = 5;

inline MaterialsTexts MaterialsOf(const TextView* texts) {
  return {.concrete_strength = View(texts[0]),
          .steel_yield = View(texts[1]),
          .width = View(texts[2]),
          .bar_diameter = View(texts[3]),
          .load_factor = View(texts[4])};
}

// 0, or 1 + the choice that is out of range.
inline std::uint32_t ChoiceCode(MaterialsChoice choice) {
  return static_cast<std::uint32_t>(choice) + 1;
}
// The page names a refused choice by its range, whatever the reason.
inline std::uint32_t ChoiceCode(const RefusedChoice& refused) { return ChoiceCode(refused.choice); }

}  // namespace coldesign::web
