#pragma once

// Private to the calculation library: the one grammar of a number text, which the parser
// (numeric_text_parse.cpp) and the input guard (input_guard.cpp) both run.
//
//   [spaces] [sign] (digits [point [digits]] | point digits) [(e|E) [sign] digits] [spaces]
//
// Spaces are U+0020 only; digits are ASCII, Arabic-Indic (U+0660..U+0669) or Eastern
// Arabic-Indic (U+06F0..U+06F9); a point is "." or the Arabic decimal separator U+066B. Texts
// are UTF-8; a malformed sequence is read byte by byte, as characters no number holds.

#include <array>
#include <cstddef>
#include <cstdint>

namespace coldesign::grammar {

enum class Kind : std::uint8_t {
  kSpace,
  kSign,
  kDigit,
  kPoint,
  kExponent,
  kComma,  // ",", "،" (U+060C) or "٬" (U+066C): a decimal or group mark, in no number
  kBlank,  // a blank or invisible mark other than U+0020: tab, line ends, no-break and thin
           // spaces, bidi marks and embeddings, zero-width characters; in no number
  kOther,
  kKindCount
};

struct Char {
  Kind kind = Kind::kOther;
  std::uint8_t length = 1;  // in bytes
  char ascii = 0;           // the ASCII form of a digit, or the character itself when ASCII
};

// A character of two to four bytes that starts at p (p < end), other than a regional digit.
Char ReadMultibyteChar(const char* p, const char* end);

constexpr Kind AsciiKind(char c) {
  if (c >= '0' && c <= '9') return Kind::kDigit;
  switch (c) {
    case ' ':
      return Kind::kSpace;
    case '+':
    case '-':
      return Kind::kSign;
    case '.':
      return Kind::kPoint;
    case 'e':
    case 'E':
      return Kind::kExponent;
    case ',':
      return Kind::kComma;
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
      return Kind::kBlank;
    default:
      return Kind::kOther;
  }
}

inline constexpr auto kAsciiKinds = [] {
  std::array<Kind, 0x80> kinds{};
  for (int c = 0; c < 0x80; ++c) kinds[c] = AsciiKind(static_cast<char>(c));
  return kinds;
}();

// The character that starts at p (p < end). ASCII and the regional digits are read here, the
// rest out of line.
inline Char ReadChar(const char* p, const char* end) {
  const auto byte = static_cast<unsigned char>(*p);
  if (byte < 0x80) return {kAsciiKinds[byte], 1, *p};
  if ((byte == 0xD9 || byte == 0xDB) && end - p >= 2) {  // U+0660..U+0669, U+06F0..U+06F9
    const auto trail = static_cast<unsigned char>(p[1]);
    const unsigned char zero = byte == 0xD9 ? 0xA0 : 0xB0;
    if (trail >= zero && trail <= zero + 9) {
      return {Kind::kDigit, 2, static_cast<char>('0' + (trail - zero))};
    }
  }
  return ReadMultibyteChar(p, end);
}

enum State : std::uint8_t {
  kStart,           // nothing but spaces yet
  kSign,            // the mantissa's sign
  kInteger,         // digits before any point
  kLonePoint,       // a point with no digit before it
  kIntegerPoint,    // a point after digits
  kFraction,        // digits after the point
  kExponentLetter,  // "e" or "E"
  kExponentSign,    // the exponent's sign
  kExponentDigits,  // the exponent's digits
  kTrailing,        // spaces after the number
  kDead,            // no longer a number, whatever follows
  kStateCount
};

// A whole number has been read (spaces may still follow).
constexpr bool IsAccepting(State state) {
  return state == kInteger || state == kIntegerPoint || state == kFraction ||
         state == kExponentDigits || state == kTrailing;
}

// More characters would make a number of what has been read: a sign, a point or an exponent
// that waits for its digits.
constexpr bool IsUnfinished(State state) {
  return state == kSign || state == kLonePoint || state == kExponentLetter ||
         state == kExponentSign;
}

// The mantissa's digits count toward the number's value.
constexpr bool IsMantissa(State state) { return state <= kFraction; }

constexpr State Transition(State state, Kind kind) {
  switch (kind) {
    case Kind::kSpace:
      if (state == kStart) return kStart;
      return IsAccepting(state) ? kTrailing : kDead;
    case Kind::kSign:
      if (state == kStart) return kSign;
      return state == kExponentLetter ? kExponentSign : kDead;
    case Kind::kDigit:
      switch (state) {
        case kStart:
        case kSign:
        case kInteger:
          return kInteger;
        case kLonePoint:
        case kIntegerPoint:
        case kFraction:
          return kFraction;
        case kExponentLetter:
        case kExponentSign:
        case kExponentDigits:
          return kExponentDigits;
        default:
          return kDead;
      }
    case Kind::kPoint:
      if (state == kStart || state == kSign) return kLonePoint;
      return state == kInteger ? kIntegerPoint : kDead;
    case Kind::kExponent:
      return state == kInteger || state == kIntegerPoint || state == kFraction ? kExponentLetter
                                                                               : kDead;
    case Kind::kComma:
    case Kind::kBlank:
    case Kind::kOther:
    case Kind::kKindCount:
      return kDead;
  }
  return kDead;
}

inline constexpr auto kTransitions = [] {
  constexpr auto kKinds = static_cast<std::size_t>(Kind::kKindCount);
  std::array<std::array<State, kKinds>, kStateCount> table{};
  for (std::size_t s = 0; s < kStateCount; ++s) {
    for (std::size_t k = 0; k < kKinds; ++k) {
      table[s][k] = Transition(static_cast<State>(s), static_cast<Kind>(k));
    }
  }
  return table;
}();

constexpr State Next(State state, Kind kind) {
  return kTransitions[state][static_cast<std::size_t>(kind)];
}

}  // namespace coldesign::grammar
