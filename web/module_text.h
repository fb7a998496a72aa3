#pragma once

// How texts cross between the module and calculation.js: as the address and length in bytes of
// their UTF-8 in the module's memory (wasm32: 4-byte pointers).

#include <cstdint>
#include <string>
#include <string_view>

namespace coldesign::web {

struct TextView {
  const char* data;
  std::uint32_t size;
};

static_assert(sizeof(TextView) == 8);

inline TextView ViewOf(std::string_view text) {
  return {text.data(), static_cast<std::uint32_t>(text.size())};
}

inline std::string_view View(TextView text) { return {text.data, text.size}; }

}  // namespace coldesign::web
