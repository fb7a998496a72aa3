#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

namespace coldesign {

enum class NumericFailure { TypeMismatch, Overflow };

// A complete number with optional surrounding spaces: sign, digits with at most one point,
// optional exponent. Accepts ASCII, Arabic-Indic and Eastern Arabic-Indic digits, and both
// "." and the Arabic decimal separator. Independent of the process locale.
std::expected<double, NumericFailure> ParseNumberStrict(std::string_view text);

// Reads the longest number that starts the text (after leading spaces); 0 when none does.
double ParseLeadingNumber(std::string_view text);

// At most 15 significant digits, "." as the point, no trailing zeros; scientific form
// ("1E+15", "1.5E-05") for magnitudes of 1E15 and above or below 1E-4 (C's "%.15G").
// -0.0 gives "0". Not finite values (never met by the calculation) give "inf", "-inf" and
// "nan", which are not numeric texts.
std::string FormatNumber(double value);

std::string FormatInteger(std::int64_t value);

// Nearest whole number, halves to even; outside the signed 16-bit range is an overflow.
std::expected<std::int16_t, NumericFailure> RoundToInteger16(double value);

bool IsNumericText(std::string_view text);

// True when the text is no number yet but the beginning of one: a sign, a point or an exponent
// (with its sign) that still waits for digits ("-", ".", "-.", "5e", "5e-"), after optional
// spaces.
bool IsUnfinishedNumber(std::string_view text);

}  // namespace coldesign
