// libFuzzer target for the numeric text conversions. On arbitrary bytes it checks:
// - nothing crashes (and ASan/UBSan stay quiet);
// - IsNumericText(t) == ParseNumberStrict(t).has_value();
// - both parsers agree with an independent reference: a grammar over decoded code points and
//   glibc's strtod (correctly rounded; the process stays in the "C" locale);
// - for the double v made of the first 8 bytes, if finite: FormatNumber(v) is "%.15G" of v
//   (zero without its sign), and ParseNumberStrict/ParseLeadingNumber of it give v rounded to
//   15 significant digits, or Overflow/infinity exactly when that rounding exceeds DBL_MAX.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/numeric_text.h"

namespace {

using coldesign::NumericFailure;

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "numeric_text_fuzz: %s; text (%zu bytes):", what, text.size());
  for (const char c : text) std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
  std::fprintf(stderr, "\n");
  std::abort();
}

bool Same(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// --- The reference: decode UTF-8 into code points, then a plain grammar over them.

constexpr char32_t kInvalid = 0xFFFFFFFF;

std::vector<char32_t> Decode(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
    } else if (b0 >= 0xC2 && b0 <= 0xDF && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      out.push_back(((b0 & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu));
      i += 2;
    } else {
      out.push_back(kInvalid);  // anything else (also overlong forms) is no digit, point, sign
                                // or space
      ++i;
    }
  }
  return out;
}

// The ASCII digit that the code point stands for, or 0.
char DigitOf(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<char>(c);
  if (c >= 0x660 && c <= 0x669) return static_cast<char>('0' + (c - 0x660));
  if (c >= 0x6F0 && c <= 0x6F9) return static_cast<char>('0' + (c - 0x6F0));
  return 0;
}

bool IsPoint(char32_t c) { return c == U'.' || c == 0x66B; }

// The ASCII form of the longest number that starts at `from`, and where it ends.
struct Prefix {
  std::string ascii;
  std::size_t end = 0;
};

std::optional<Prefix> LongestNumber(const std::vector<char32_t>& cps, std::size_t from) {
  Prefix p;
  std::size_t i = from;
  if (i < cps.size() && (cps[i] == U'+' || cps[i] == U'-')) p.ascii += static_cast<char>(cps[i++]);
  int digits = 0;
  for (; i < cps.size() && DigitOf(cps[i]) != 0; ++i, ++digits) p.ascii += DigitOf(cps[i]);
  if (i < cps.size() && IsPoint(cps[i])) {
    p.ascii += '.';
    for (++i; i < cps.size() && DigitOf(cps[i]) != 0; ++i, ++digits) p.ascii += DigitOf(cps[i]);
  }
  if (digits == 0) return std::nullopt;
  p.end = i;
  if (i < cps.size() && (cps[i] == U'e' || cps[i] == U'E')) {
    std::string exponent = "e";
    std::size_t j = i + 1;
    if (j < cps.size() && (cps[j] == U'+' || cps[j] == U'-'))
      exponent += static_cast<char>(cps[j++]);
    const std::size_t first = j;
    for (; j < cps.size() && DigitOf(cps[j]) != 0; ++j) exponent += DigitOf(cps[j]);
    if (j > first) {
      p.ascii += exponent;
      p.end = j;
    }
  }
  return p;
}

// strtod of a validated ASCII number: nullopt on overflow, the (signed) value otherwise.
std::optional<double> Strtod(const std::string& ascii) {
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(ascii.c_str(), &end);
  if (end != ascii.c_str() + ascii.size()) Fail("reference strtod stopped early", ascii);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

void CheckParsers(std::string_view text) {
  const auto strict = coldesign::ParseNumberStrict(text);
  if (coldesign::IsNumericText(text) != strict.has_value()) {
    Fail("IsNumericText disagrees with ParseNumberStrict", text);
  }
  const double leading = coldesign::ParseLeadingNumber(text);

  const std::vector<char32_t> cps = Decode(text);

  // Strict: spaces trimmed at both ends, then exactly one number.
  std::size_t begin = 0;
  std::size_t end = cps.size();
  while (begin < end && cps[begin] == U' ') ++begin;
  while (end > begin && cps[end - 1] == U' ') --end;
  const std::vector<char32_t> trimmed(cps.begin() + static_cast<std::ptrdiff_t>(begin),
                                      cps.begin() + static_cast<std::ptrdiff_t>(end));
  const auto whole = LongestNumber(trimmed, 0);
  if (!whole || whole->end != trimmed.size()) {
    if (strict || strict.error() != NumericFailure::TypeMismatch) {
      Fail("ParseNumberStrict accepts a text that is not a number", text);
    }
  } else if (const auto expected = Strtod(whole->ascii)) {
    if (!strict || !Same(*expected, *strict)) Fail("ParseNumberStrict reads a wrong value", text);
  } else if (strict || strict.error() != NumericFailure::Overflow) {
    Fail("ParseNumberStrict misses an overflow", text);
  }

  // Leading: spaces skipped at the front, then the longest number, else 0.
  const auto prefix = LongestNumber(cps, begin);
  double expected_leading = 0;
  if (prefix) {
    const auto value = Strtod(prefix->ascii);
    expected_leading = value ? *value : (prefix->ascii[0] == '-' ? -HUGE_VAL : HUGE_VAL);
  }
  if (!Same(expected_leading, leading)) Fail("ParseLeadingNumber reads a wrong value", text);
}

void CheckFormatRoundTrip(double value) {
  const std::string text = coldesign::FormatNumber(value);

  char expected_text[64];
  std::snprintf(expected_text, sizeof expected_text, "%.15G", value == 0 ? 0.0 : value);
  if (text != expected_text) Fail("FormatNumber differs from %.15G", text);

  // The value rounded to 15 significant digits, by printf and strtod alone.
  char rounded_text[64];
  std::snprintf(rounded_text, sizeof rounded_text, "%.14e", value == 0 ? 0.0 : value);
  const std::optional<double> rounded = Strtod(rounded_text);

  const auto strict = coldesign::ParseNumberStrict(text);
  const double leading = coldesign::ParseLeadingNumber(text);
  if (rounded) {
    if (!strict || !Same(*rounded, *strict)) Fail("FormatNumber does not read back (strict)", text);
    if (!Same(*rounded, leading)) Fail("FormatNumber does not read back (leading)", text);
  } else {
    if (strict || strict.error() != NumericFailure::Overflow) {
      Fail("FormatNumber beyond DBL_MAX is no overflow", text);
    }
    if (!std::isinf(leading) || std::signbit(leading) != std::signbit(value)) {
      Fail("FormatNumber beyond DBL_MAX is no infinity (leading)", text);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckParsers(text);

  if (size >= sizeof(double)) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) CheckFormatRoundTrip(value);
  }

  // Whatever a text reads as, its formatted form reads back.
  if (const auto parsed = coldesign::ParseNumberStrict(text)) CheckFormatRoundTrip(*parsed);
  if (const double leading = coldesign::ParseLeadingNumber(text); std::isfinite(leading)) {
    CheckFormatRoundTrip(leading);
  }
  return 0;
}
