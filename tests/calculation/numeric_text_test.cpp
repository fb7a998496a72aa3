// The conversions between decimal text and numbers.

#include "calculation/numeric_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace coldesign {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal as doubles, and zeros of the same sign.
::testing::AssertionResult SameDouble(double expected, double actual) {
  if (expected == actual && std::signbit(expected) == std::signbit(actual)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "expected " << expected << ", got " << actual;
}

// Readable, short names for texts with non-ASCII bytes in test output.
std::string Escaped(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string out;
  for (const char c : text.substr(0, kShown)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      constexpr char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  if (text.size() > kShown) out += "...";
  return out;
}

// ---------------------------------------------------------------------------------------------
// ParseNumberStrict and IsNumericText: texts that are numbers

struct NumberCase {
  std::string text;
  double value;
  friend std::ostream& operator<<(std::ostream& os, const NumberCase& c) {
    return os << '"' << Escaped(c.text) << '"';
  }
};

class StrictAccepts : public ::testing::TestWithParam<NumberCase> {};

TEST_P(StrictAccepts, ReadsTheValue) {
  const auto& [text, value] = GetParam();
  const auto parsed = ParseNumberStrict(text);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_TRUE(SameDouble(value, *parsed));
  EXPECT_TRUE(IsNumericText(text));
}

INSTANTIATE_TEST_SUITE_P(PlainAndBlanks, StrictAccepts,
                         ::testing::Values(NumberCase{"30", 30}, NumberCase{"12.5", 12.5},
                                           NumberCase{" 12.5 ", 12.5}, NumberCase{"   30", 30},
                                           NumberCase{"30   ", 30}, NumberCase{"0", 0},
                                           NumberCase{"00012", 12},
                                           NumberCase{"16.4247745326405", 16.4247745326405},
                                           NumberCase{"492.743235979215", 492.743235979215}));

INSTANTIATE_TEST_SUITE_P(SignsAndPoints, StrictAccepts,
                         ::testing::Values(NumberCase{"+5", 5}, NumberCase{"-5", -5},
                                           NumberCase{"-0", -0.0}, NumberCase{"+0", 0.0},
                                           NumberCase{"-0.0", -0.0}, NumberCase{"1.", 1},
                                           NumberCase{".5", 0.5}, NumberCase{"-.5", -0.5},
                                           NumberCase{"+.5", 0.5}, NumberCase{"-1.", -1},
                                           NumberCase{" -2.5 ", -2.5}));

INSTANTIATE_TEST_SUITE_P(Exponents, StrictAccepts,
                         ::testing::Values(NumberCase{"1e3", 1000}, NumberCase{"1E3", 1000},
                                           NumberCase{"1e+3", 1000}, NumberCase{"1e-3", 0.001},
                                           NumberCase{"-1.5e3", -1500},
                                           NumberCase{"-1.5E-3", -0.0015}, NumberCase{"1.e2", 100},
                                           NumberCase{".5e1", 5},
                                           NumberCase{"1e0000000000000000000000000000003", 1000},
                                           NumberCase{"1E+15", 1e15}, NumberCase{"1.5E-05", 1.5e-5},
                                           NumberCase{"1e308", 1e308}));

INSTANTIATE_TEST_SUITE_P(RangeEdges, StrictAccepts,
                         ::testing::Values(NumberCase{"1e-400", 0.0}, NumberCase{"-1e-400", -0.0},
                                           NumberCase{"2e-324", 0.0}, NumberCase{"0e999999", 0.0},
                                           NumberCase{"-0e999999999999999999999", -0.0},
                                           NumberCase{"1e-99999999999999999999999999", 0.0},
                                           NumberCase{"4.94065645841247E-324",
                                                      std::numeric_limits<double>::denorm_min()},
                                           NumberCase{"1.7976931348623157e308",
                                                      std::numeric_limits<double>::max()},
                                           NumberCase{"0." + std::string(320, '0') + "1e330", 1e9},
                                           NumberCase{"1" + std::string(400, '0') + "e-400", 1.0}));

// 2^53 + 1 lies halfway between two doubles: the digits beyond decide the rounding.
INSTANTIATE_TEST_SUITE_P(
    LongDigitStrings, StrictAccepts,
    ::testing::Values(
        NumberCase{"9007199254740993", 9007199254740992.0},
        NumberCase{"9007199254740993" + std::string(300, '0') + "1e-301", 9007199254740994.0},
        NumberCase{"0." + std::string(500, '3'), 1.0 / 3},
        NumberCase{"٩٠٠٧١٩٩٢٥٤٧٤٠٩٩٣" + std::string(200, '0') + "١e-٢٠١", 9007199254740994.0},
        NumberCase{"-٠٫" +
                       [] {
                         std::string zeros;
                         for (int i = 0; i < 320; ++i) zeros += "٠";
                         return zeros;
                       }() +
                       "١e٣٣٠",
                   -1e9}));

INSTANTIATE_TEST_SUITE_P(RegionalDigits, StrictAccepts,
                         ::testing::Values(NumberCase{"١٢", 12},  // Arabic-Indic
                                           NumberCase{"۱۲", 12},  // Eastern Arabic-Indic
                                           NumberCase{"٠١٢٣٤٥٦٧٨٩", 123456789},
                                           NumberCase{"۰۱۲۳۴۵۶۷۸۹", 123456789},
                                           NumberCase{"١٢٫٥", 12.5},  // Arabic decimal separator
                                           NumberCase{"١٢.٥", 12.5}, NumberCase{"12٫5", 12.5},
                                           NumberCase{"۱٢3", 123},  // mixed freely
                                           NumberCase{" ١٠ ", 10}, NumberCase{"-٫٥", -0.5},
                                           NumberCase{"+١", 1}, NumberCase{"١e٣", 1000},
                                           NumberCase{"۱E-۳", 0.001}, NumberCase{"1e+٢", 100},
                                           NumberCase{"٫٥", 0.5}, NumberCase{"٥٫", 5}));

// ---------------------------------------------------------------------------------------------
// ParseNumberStrict and IsNumericText: texts that are not numbers

struct FailureCase {
  std::string text;
  NumericFailure failure;
  friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
    return os << '"' << Escaped(c.text) << '"';
  }
};

class StrictRejects : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StrictRejects, FailsAndIsNotNumeric) {
  const auto& [text, failure] = GetParam();
  const auto parsed = ParseNumberStrict(text);
  ASSERT_FALSE(parsed.has_value()) << "read " << *parsed;
  EXPECT_EQ(failure, parsed.error());
  EXPECT_FALSE(IsNumericText(text));
}

FailureCase Mismatch(std::string text) { return {std::move(text), NumericFailure::TypeMismatch}; }
FailureCase TooLarge(std::string text) { return {std::move(text), NumericFailure::Overflow}; }

INSTANTIATE_TEST_SUITE_P(Incomplete, StrictRejects,
                         ::testing::Values(Mismatch(""), Mismatch(" "), Mismatch("   "),
                                           Mismatch("-"), Mismatch("+"), Mismatch("."),
                                           Mismatch("-."), Mismatch("+."), Mismatch("1e"),
                                           Mismatch("1e+"), Mismatch("1e-"), Mismatch("e5"),
                                           Mismatch(".e5"), Mismatch("-e5"), Mismatch("٫"),
                                           Mismatch("1e٫")));

INSTANTIATE_TEST_SUITE_P(Malformed, StrictRejects,
                         ::testing::Values(Mismatch("1.2.3"), Mismatch("1٫٫5"), Mismatch("1.٫5"),
                                           Mismatch("--1"), Mismatch("+-1"), Mismatch("1-"),
                                           Mismatch("1e5.5"), Mismatch("1e2e3"), Mismatch("12abc"),
                                           Mismatch("abc"), Mismatch("1 2"), Mismatch("1 e5"),
                                           Mismatch("1e 5"), Mismatch("- 1"), Mismatch("1+")));

INSTANTIATE_TEST_SUITE_P(OnlySpacesAreBlanks, StrictRejects,
                         ::testing::Values(Mismatch("\t1"), Mismatch("1\t"), Mismatch("\n1"),
                                           Mismatch("1\n"), Mismatch("1\r"), Mismatch("\v1"),
                                           Mismatch("\f1"), Mismatch("\u00A01"),
                                           Mismatch("1\u00A0"),  // no-break space
                                           Mismatch("\u20091"),
                                           Mismatch("\u30001"),  // thin and ideographic
                                           Mismatch(std::string("1\0", 2))));

INSTANTIATE_TEST_SUITE_P(
    NotNumbersHere, StrictRejects,
    ::testing::Values(Mismatch("1,5"), Mismatch("1,000"), Mismatch("1'000"), Mismatch("1 000"),
                      Mismatch("١٬٠٠٠"),  // Arabic thousands separator
                      Mismatch("$5"), Mismatch("5$"), Mismatch("€5"), Mismatch("5€"),
                      Mismatch("&H10"), Mismatch("&h10"), Mismatch("&O17"), Mismatch("0x10"),
                      Mismatch("0x1p3"), Mismatch("0X1P-2"), Mismatch("inf"), Mismatch("-inf"),
                      Mismatch("INF"), Mismatch("infinity"), Mismatch("Infinity"), Mismatch("nan"),
                      Mismatch("NaN"), Mismatch("-nan"), Mismatch("nan(1)"),
                      Mismatch("１２"),  // full-width digits
                      Mismatch("1d5"), Mismatch("1D5"), Mismatch("1%"), Mismatch("٪5"),
                      Mismatch("\u22121"),  // minus sign
                      Mismatch("1/2"), Mismatch("(1)")));

INSTANTIATE_TEST_SUITE_P(BrokenUtf8, StrictRejects,
                         ::testing::Values(Mismatch("\xD9"), Mismatch("1\xD9"),
                                           Mismatch("\xD9\xA0\xD9"), Mismatch("\xDB"),
                                           Mismatch("\xD9\xAA"),  // U+066A, the percent sign
                                           Mismatch("\xDB\xAF"), Mismatch("\xDB\xBA"),
                                           Mismatch("\xD9\x9F"), Mismatch("\xFF"),
                                           Mismatch("1\xC0\xB0")));

INSTANTIATE_TEST_SUITE_P(
    Overflow, StrictRejects,
    ::testing::Values(TooLarge("1e400"), TooLarge("-1e400"), TooLarge("1E+309"),
                      TooLarge("1.79769313486232E+308"),  // FormatNumber(DBL_MAX)
                      TooLarge("1.7976931348623159e308"), TooLarge("1e99999999999999999999999999"),
                      TooLarge("1" + std::string(400, '0')), TooLarge("0.000001e99999999"),
                      TooLarge(" ١e٤٠٠ ")));

// ---------------------------------------------------------------------------------------------
// ParseLeadingNumber

class LeadingReads : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingReads, TheLongestNumberThatStartsTheText) {
  const auto& [text, value] = GetParam();
  EXPECT_TRUE(SameDouble(value, ParseLeadingNumber(text)));
}

INSTANTIATE_TEST_SUITE_P(WholeNumbers, LeadingReads,
                         ::testing::Values(NumberCase{"16.4247745326405", 16.4247745326405},
                                           NumberCase{"30", 30}, NumberCase{"  7.5  ", 7.5},
                                           NumberCase{"+3", 3}, NumberCase{"-2.5", -2.5},
                                           NumberCase{"1.", 1}, NumberCase{".5", 0.5},
                                           NumberCase{"-0", -0.0}, NumberCase{"1E+15", 1e15},
                                           NumberCase{"1.5E-05", 1.5e-5}));

INSTANTIATE_TEST_SUITE_P(Prefixes, LeadingReads,
                         ::testing::Values(NumberCase{"12abc", 12}, NumberCase{"1e", 1},
                                           NumberCase{"1e+", 1}, NumberCase{"1E-", 1},
                                           NumberCase{"1e+5x", 1e5}, NumberCase{"-.5e1z", -5},
                                           NumberCase{"1.2.3", 1.2}, NumberCase{"1,5", 1},
                                           NumberCase{"1 2", 1}, NumberCase{"2e3e4", 2000},
                                           NumberCase{"7-", 7}, NumberCase{"3.25\t", 3.25},
                                           NumberCase{"5\xD9", 5}, NumberCase{"1ex5", 1}));

INSTANTIATE_TEST_SUITE_P(NoNumber, LeadingReads,
                         ::testing::Values(NumberCase{"", 0}, NumberCase{"   ", 0},
                                           NumberCase{"-", 0}, NumberCase{"+", 0},
                                           NumberCase{".", 0}, NumberCase{"-.", 0},
                                           NumberCase{"abc", 0}, NumberCase{"e5", 0},
                                           NumberCase{"- 3", 0}, NumberCase{"\t5", 0},
                                           NumberCase{"\u00A05", 0}, NumberCase{"inf", 0},
                                           NumberCase{"nan", 0}, NumberCase{"$5", 0},
                                           NumberCase{"&H10", 0}, NumberCase{"１", 0}));

INSTANTIATE_TEST_SUITE_P(Range, LeadingReads,
                         ::testing::Values(NumberCase{"1e400", kInf}, NumberCase{"-1e400", -kInf},
                                           NumberCase{"1.79769313486232E+308", kInf},
                                           NumberCase{"1e400abc", kInf}, NumberCase{"1e-400", 0.0},
                                           NumberCase{"-1e-400x", -0.0},
                                           NumberCase{"4.94065645841247E-324",
                                                      std::numeric_limits<double>::denorm_min()}));

INSTANTIATE_TEST_SUITE_P(RegionalDigits, LeadingReads,
                         ::testing::Values(NumberCase{"١٢abc", 12}, NumberCase{"1e٣", 1000},
                                           NumberCase{"1٫5", 1.5}, NumberCase{"1.٥", 1.5},
                                           NumberCase{"3e-٢x", 0.03}, NumberCase{"٫٥", 0.5},
                                           NumberCase{" ۱۲٫۵ ", 12.5}, NumberCase{"12٫5٫6", 12.5},
                                           NumberCase{"١e", 1}, NumberCase{"٫", 0}));

// A view cut inside a two-byte digit or point: the text goes on with the rest of the character,
// so a parser reading past the end of the view would read another digit. Each cut is also read
// from a heap block of exactly its size, where AddressSanitizer catches any read beyond it.
struct CutCase {
  std::string text;
  std::size_t cut;  // bytes in the view
  double leading;
  friend std::ostream& operator<<(std::ostream& os, const CutCase& c) {
    return os << '"' << Escaped(c.text) << "\" cut at " << c.cut;
  }
};

class ParsersOnACutView : public ::testing::TestWithParam<CutCase> {};

TEST_P(ParsersOnACutView, StopAtItsEnd) {
  const auto& [text, cut, leading] = GetParam();
  const auto block = std::make_unique_for_overwrite<char[]>(cut);
  std::copy_n(text.data(), cut, block.get());
  for (const std::string_view view :
       {std::string_view(text).substr(0, cut), std::string_view(block.get(), cut)}) {
    EXPECT_TRUE(SameDouble(leading, ParseLeadingNumber(view)));
    EXPECT_FALSE(IsNumericText(view));
  }
}

INSTANTIATE_TEST_SUITE_P(InsideADigit, ParsersOnACutView,
                         ::testing::Values(CutCase{"12٣", 3, 12}, CutCase{"١٢٣", 5, 12},
                                           CutCase{"۱۲۳", 5, 12}, CutCase{"٣", 1, 0},
                                           CutCase{"-٣", 2, 0}, CutCase{"1e٣", 3, 1},
                                           CutCase{"1.5e-٣", 6, 1.5}, CutCase{"7٫5", 2, 7},
                                           CutCase{" 7.5٣", 5, 7.5}));

// ---------------------------------------------------------------------------------------------
// FormatNumber and FormatInteger

struct FormatCase {
  double value;
  std::string text;
  friend std::ostream& operator<<(std::ostream& os, const FormatCase& c) { return os << c.text; }
};

class FormatNumberWrites : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberWrites, TheText) {
  const auto& [value, text] = GetParam();
  EXPECT_EQ(text, FormatNumber(value));
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatNumberWrites,
                         ::testing::Values(FormatCase{30, "30"}, FormatCase{2.5, "2.5"},
                                           FormatCase{1.0 / 3, "0.333333333333333"},
                                           FormatCase{55000 / 111.62, "492.743235979215"},
                                           FormatCase{16.4247745326405, "16.4247745326405"},
                                           FormatCase{0.006 * 30 * 30, "5.4"},
                                           FormatCase{0.1 + 0.2, "0.3"}, FormatCase{100, "100"},
                                           FormatCase{1234.5, "1234.5"}, FormatCase{0.1, "0.1"},
                                           FormatCase{2.0 / 3, "0.666666666666667"}));

INSTANTIATE_TEST_SUITE_P(SignsAndZero, FormatNumberWrites,
                         ::testing::Values(FormatCase{0.0, "0"}, FormatCase{-0.0, "0"},
                                           FormatCase{-2.5, "-2.5"}, FormatCase{-30, "-30"},
                                           FormatCase{-1.0 / 3, "-0.333333333333333"},
                                           FormatCase{-123456789012345.6, "-123456789012346"}));

INSTANTIATE_TEST_SUITE_P(
    LargeNumbers, FormatNumberWrites,
    ::testing::Values(FormatCase{1e14, "100000000000000"},
                      FormatCase{123456789012345, "123456789012345"},
                      FormatCase{999999999999999, "999999999999999"},
                      FormatCase{999999999999999.9, "1E+15"}, FormatCase{1e15, "1E+15"},
                      FormatCase{-1e15, "-1E+15"},
                      FormatCase{1234567890123456, "1.23456789012346E+15"},
                      FormatCase{1000000000000005, "1E+15"},  // a tie, to even
                      FormatCase{1e100, "1E+100"}, FormatCase{1.5e300, "1.5E+300"},
                      FormatCase{std::numeric_limits<double>::max(), "1.79769313486232E+308"}));

// Exact halves between two 15-digit neighbours go to the even one, whatever the magnitude.
INSTANTIATE_TEST_SUITE_P(Ties, FormatNumberWrites,
                         ::testing::Values(FormatCase{100000000000000.5, "100000000000000"},
                                           FormatCase{100000000000001.5, "100000000000002"},
                                           FormatCase{-999999999999998.5, "-999999999999998"},
                                           FormatCase{1000000000000015, "1.00000000000002E+15"},
                                           FormatCase{1000000000000025, "1.00000000000002E+15"},
                                           FormatCase{10000000000000.25, "10000000000000.2"},
                                           FormatCase{1000000000000.375, "1000000000000.38"}));

INSTANTIATE_TEST_SUITE_P(
    SmallNumbers, FormatNumberWrites,
    ::testing::Values(FormatCase{0.0001, "0.0001"}, FormatCase{0.00015, "0.00015"},
                      FormatCase{0.00001, "1E-05"}, FormatCase{0.000015, "1.5E-05"},
                      FormatCase{-0.00001, "-1E-05"}, FormatCase{0.00009999999999999999, "0.0001"},
                      FormatCase{0.000099999999999999, "9.9999999999999E-05"},
                      FormatCase{0.000123456789012345678, "0.000123456789012346"},
                      FormatCase{1e-300, "1E-300"},
                      FormatCase{std::numeric_limits<double>::min(), "2.2250738585072E-308"},
                      FormatCase{std::numeric_limits<double>::denorm_min(),
                                 "4.94065645841247E-324"}));

// Not met by the calculation; defined so that the function is total. None of them is numeric.
INSTANTIATE_TEST_SUITE_P(NotFinite, FormatNumberWrites,
                         ::testing::Values(FormatCase{kInf, "inf"}, FormatCase{-kInf, "-inf"},
                                           FormatCase{kNaN, "nan"}));

TEST(FormatNumber, NotFiniteTextsAreNotNumeric) {
  for (const double value : {kInf, -kInf, kNaN}) {
    EXPECT_FALSE(IsNumericText(FormatNumber(value)));
    EXPECT_EQ(0.0, ParseLeadingNumber(FormatNumber(value)));
  }
}

TEST(FormatNumber, BothParsersReadTheTextsBack) {
  for (const double value : {30.0, 2.5, 1.0 / 3, 1e15, 1.5e-5, 0.0001, -1e-300, 1e300,
                             std::numeric_limits<double>::denorm_min()}) {
    const std::string text = FormatNumber(value);
    const auto strict = ParseNumberStrict(text);
    ASSERT_TRUE(strict.has_value()) << text;
    EXPECT_EQ(*strict, ParseLeadingNumber(text)) << text;
    EXPECT_EQ(text, FormatNumber(*strict));
  }
}

struct IntegerCase {
  std::int64_t value;
  std::string text;
  friend std::ostream& operator<<(std::ostream& os, const IntegerCase& c) { return os << c.text; }
};

class FormatIntegerWrites : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(FormatIntegerWrites, TheDigits) {
  EXPECT_EQ(GetParam().text, FormatInteger(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatIntegerWrites,
    ::testing::Values(IntegerCase{30, "30"}, IntegerCase{0, "0"}, IntegerCase{-5, "-5"},
                      IntegerCase{4, "4"}, IntegerCase{32770, "32770"},
                      IntegerCase{-32768, "-32768"},
                      IntegerCase{std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
                      IntegerCase{std::numeric_limits<std::int64_t>::min(),
                                  "-9223372036854775808"}));

// FormatFixed: the C library's "%.*f" (std::to_chars, fixed) on ties, carries and signs, and on
// values drawn over the range a schedule's quantities and percentages take.
TEST(FormatFixed, WritesWhatToCharsWrites) {
  const auto reference = [](double value, int decimals) {
    char text[128];
    return std::string(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
  };
  const std::pair<double, int> cases[] = {
      {0, 2},      {-0.0, 2},     {0.125, 2},   {0.375, 2},     {2.5, 0},    {3.5, 0},
      {0.5, 0},    {9.995, 2},    {9.9999, 2},  {99.5, 0},      {1.005, 2},  {-0.001, 2},
      {-2.675, 2}, {350.39, 2},   {1e-300, 3},  {0x1p53, 2},    {0x1p63, 1}, {1.23456e18, 2},
      {0.1, 15},   {2.0 / 3, 15}, {123.456, 0}, {1e15 + 0.5, 1}};
  for (const auto& [value, decimals] : cases) {
    EXPECT_EQ(reference(value, decimals), FormatFixed(value, decimals)) << value;
  }
  std::uint64_t state = 20130907;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005U + 1442695040888963407U;
    const double value = std::ldexp(static_cast<double>(state >> 11), -40 - (i % 24) + (i % 7) * 8);
    const int decimals = i % 4;
    ASSERT_EQ(reference(value, decimals), FormatFixed(value, decimals)) << value;
  }
  EXPECT_EQ("1.84467440737096E+19", FormatFixed(0x1p64, 2));
  EXPECT_EQ("inf", FormatFixed(kInf, 2));
}

// ---------------------------------------------------------------------------------------------
// RoundToInteger16

struct RoundCase {
  double value;
  std::expected<std::int16_t, NumericFailure> result;
  friend std::ostream& operator<<(std::ostream& os, const RoundCase& c) { return os << c.value; }
};

class RoundToInteger16Gives : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInteger16Gives, TheNearestWholeOrOverflow) {
  EXPECT_EQ(GetParam().result, RoundToInteger16(GetParam().value));
}

RoundCase Whole(double value, std::int16_t whole) { return {value, whole}; }
RoundCase Overflows(double value) { return {value, std::unexpected(NumericFailure::Overflow)}; }

INSTANTIATE_TEST_SUITE_P(HalvesToEven, RoundToInteger16Gives,
                         ::testing::Values(Whole(30.5, 30), Whole(31.5, 32), Whole(4.5, 4),
                                           Whole(5.5, 6), Whole(6.5, 6), Whole(7.5, 8),
                                           Whole(0.5, 0), Whole(1.5, 2), Whole(2.5, 2),
                                           Whole(-0.5, 0), Whole(-1.5, -2), Whole(-2.5, -2),
                                           Whole(-3.5, -4)));

INSTANTIATE_TEST_SUITE_P(
    Nearest, RoundToInteger16Gives,
    ::testing::Values(Whole(114.973421728484, 115), Whole(35.4, 35), Whole(30.6, 31),
                      Whole(30.0333333333333, 30), Whole(0, 0), Whole(-0.0, 0),
                      Whole(0.49999999999999994, 0), Whole(-0.49999999999999994, 0),
                      Whole(0.5000000000000001, 1), Whole(2.5000000000000004, 3),
                      Whole(-2.4999999999999996, -2), Whole(1e-300, 0)));

INSTANTIATE_TEST_SUITE_P(SixteenBitEdges, RoundToInteger16Gives,
                         ::testing::Values(Whole(32767, 32767), Whole(32767.49, 32767),
                                           Whole(32766.5, 32766), Overflows(32767.5),
                                           Overflows(32768), Whole(-32768, -32768),
                                           Whole(-32768.5, -32768), Whole(-32768.49, -32768),
                                           Overflows(-32768.51), Overflows(-32769), Overflows(1e10),
                                           Overflows(-1e300)));

INSTANTIATE_TEST_SUITE_P(NotFinite, RoundToInteger16Gives,
                         ::testing::Values(Overflows(kInf), Overflows(-kInf), Overflows(kNaN)));

}  // namespace
}  // namespace coldesign
