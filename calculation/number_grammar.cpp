#include "calculation/number_grammar.h"

namespace coldesign::grammar {
namespace {

// The kind of a character of three bytes, U+0800..U+FFFF.
Kind ThreeByteKind(char32_t code) {
  const bool blank = code == 0x2007 || code == 0x2009 ||    // figure and thin space
                     (code >= 0x200B && code <= 0x200F) ||  // zero-width, LRM, RLM
                     (code >= 0x202A && code <= 0x202F) ||  // embeddings, narrow NBSP
                     (code >= 0x2066 && code <= 0x2069) ||  // isolates
                     code == 0xFEFF;                        // zero-width no-break space
  return blank ? Kind::kBlank : Kind::kOther;
}

}  // namespace

Char ReadMultibyteChar(const char* p, const char* end) {
  const auto lead = static_cast<unsigned char>(*p);
  std::uint8_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (end - p < length) return {};
  for (int i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return {};
  }
  if (length == 2) {
    const auto trail = static_cast<unsigned char>(p[1]);
    if (lead == 0xD9 && trail == 0xAB) return {Kind::kPoint, 2, '.'};          // U+066B
    if ((lead == 0xD8 && trail == 0x8C) || (lead == 0xD9 && trail == 0xAC)) {  // U+060C, U+066C
      return {Kind::kComma, 2, ','};
    }
    if ((lead == 0xC2 && trail == 0xA0) || (lead == 0xD8 && trail == 0x9C)) {  // NBSP, ALM
      return {Kind::kBlank, 2, 0};
    }
    return {Kind::kOther, 2, 0};
  }
  if (length == 3) {
    const char32_t code = ((lead & 0x0Fu) << 12) |
                          ((static_cast<unsigned char>(p[1]) & 0x3Fu) << 6) |
                          (static_cast<unsigned char>(p[2]) & 0x3Fu);
    return {ThreeByteKind(code), 3, 0};
  }
  return {Kind::kOther, length, 0};
}

}  // namespace coldesign::grammar
