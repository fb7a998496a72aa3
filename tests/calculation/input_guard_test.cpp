// The input guard of the number fields.

#include "calculation/input_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

// Regional characters, spelt out in UTF-8.
const std::string kOne = "\xD9\xA1";          // ١
const std::string kTwo = "\xD9\xA2";          // ٢
const std::string kThree = "\xD9\xA3";        // ٣
const std::string kSeven = "\xD9\xA7";        // ٧
const std::string kEasternFive = "\xDB\xB5";  // ۵
const std::string kArabicPoint = "\xD9\xAB";  // ٫
const std::string kArabicComma = "\xD8\x8C";  // ،
const std::string kThousands = "\xD9\xAC";    // ٬
const std::string kBeh = "\xD8\xA8";          // ب
const std::string kNine = "\xD9\xA9";         // ٩
const std::string kEasternNine = "\xDB\xB9";  // ۹
const std::string kZain = "\xD8\xB2";         // ز, the period key of the Arabic layout
const std::string kWaw = "\xD9\x88";          // و, its comma key
const std::string kNoBreakSpace = "\xC2\xA0";
const std::string kNarrowNoBreakSpace = "\xE2\x80\xAF";
const std::string kRightToLeftMark = "\xE2\x80\x8F";
const std::string kRightToLeftEmbedding = "\xE2\x80\xAB";
const std::string kPopDirectional = "\xE2\x80\xAC";
const std::string kZeroWidthSpace = "\xE2\x80\x8B";
const std::string kByteOrderMark = "\xEF\xBB\xBF";

std::string Repeated(std::string_view unit, std::size_t count) {
  std::string out;
  out.reserve(unit.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += unit;
  return out;
}

std::string Shown(std::string_view text) {
  constexpr std::size_t kShown = 24;
  return text.size() <= kShown ? std::string(text)
                               : std::string(text.substr(0, kShown)) + "... (" +
                                     std::to_string(text.size()) + " bytes)";
}

// The rule applied literally, one character and a few IsNumericText calls at a time: quadratic,
// for checking.

std::size_t CharLength(std::string_view t, std::size_t at) {
  std::size_t end = at + 1;
  while (end < t.size() && (static_cast<unsigned char>(t[end]) & 0xC0) == 0x80) ++end;
  return end - at;
}

// The character that starts at `at`, as a code point (only the ones the rule names matter).
char32_t CodePointAt(std::string_view t, std::size_t at) {
  const std::size_t length = CharLength(t, at);
  auto code = static_cast<char32_t>(static_cast<unsigned char>(t[at]));
  if (length == 2) code &= 0x1F;
  if (length == 3) code &= 0x0F;
  for (std::size_t i = 1; i < length; ++i) {
    code = (code << 6) | (static_cast<unsigned char>(t[at + i]) & 0x3F);
  }
  return code;
}

bool IsDigit(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= 0x660 && c <= 0x669) || (c >= 0x6F0 && c <= 0x6F9);
}
bool IsComma(char32_t c) { return c == U',' || c == 0x60C || c == 0x66C; }
bool IsBlank(char32_t c) {
  return c == U' ' || (c >= 0x09 && c <= 0x0D) || c == 0xA0 || c == 0x61C || c == 0x2007 ||
         c == 0x2009 || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202F) ||
         (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}
bool IsOfANumber(char32_t c) {
  return IsDigit(c) || IsComma(c) || c == U'.' || c == 0x66B || c == U'+' || c == U'-';
}

// Where the character that ends at `at` (> 0) starts.
std::size_t PreviousStart(std::string_view t, std::size_t at) {
  do {
    --at;
  } while (at > 0 && (static_cast<unsigned char>(t[at]) & 0xC0) == 0x80);
  return at;
}

bool DigitBefore(std::string_view t, std::size_t at) {
  return at > 0 && IsDigit(CodePointAt(t, PreviousStart(t, at)));
}

// Whether some text written after `t` makes it a number within the range of a double: for the
// short texts tried here, one of these endings does whenever any does.
bool CanBecomeNumber(const std::string& t) {
  return std::ranges::any_of(std::array{"", "0", "e-1000000", "-1000000", "1000000", "000000"},
                             [&](const char* ending) { return IsNumericText(t + ending); });
}

GuardedInput Literally(std::string_view text, std::size_t caret, std::string_view before) {
  // The edit: the text after the caret is the end of `before`, and what stands in front of the
  // inserted text is what the two texts start with.
  std::size_t start = caret;
  if (before.ends_with(text.substr(caret))) {
    start = std::min(start, before.size() - (text.size() - caret));
  }
  std::size_t same = 0;
  while (same < start && same < before.size() && text[same] == before[same]) ++same;
  start = same;
  while (start > 0 && start < text.size() &&
         (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
    --start;
  }
  const GuardedInput refused{std::string(before), start, true};
  std::string t(text);
  std::size_t chars = 0;
  for (std::size_t at = start; at < caret; at += CharLength(t, at)) ++chars;

  if (chars == 0) {
    return CanBecomeNumber(t) ? GuardedInput{t, caret, false}
                              : GuardedInput{std::string(before), start, false};
  }
  if (chars == 1) {
    if (CanBecomeNumber(t)) return {t, caret, false};
    const char32_t typed = CodePointAt(t, start);
    if (IsComma(typed) || ((typed == 0x632 || typed == 0x648) && DigitBefore(t, start))) {
      const std::string point = t.substr(0, start) + "." + t.substr(caret);
      if (CanBecomeNumber(point)) return {point, start + 1, true};
      const std::string without = t.substr(0, start) + t.substr(caret);
      if (CanBecomeNumber(without)) return {without, start, true};
      return refused;
    }
  } else {
    // A paste: refused with a comma, or with a blank between characters of a number.
    for (std::size_t at = start; at < caret; at += CharLength(t, at)) {
      const char32_t c = CodePointAt(t, at);
      if (IsComma(c)) return refused;
      if (!IsBlank(c)) continue;
      std::size_t left = at;
      while (left > 0 && IsBlank(CodePointAt(t, PreviousStart(t, left)))) {
        left = PreviousStart(t, left);
      }
      std::size_t right = at;
      while (right < t.size() && IsBlank(CodePointAt(t, right))) right += CharLength(t, right);
      if (left > 0 && IsOfANumber(CodePointAt(t, PreviousStart(t, left))) && right < t.size() &&
          IsOfANumber(CodePointAt(t, right))) {
        return refused;
      }
    }
    std::size_t first = start;
    while (first < caret && IsBlank(CodePointAt(t, first))) first += CharLength(t, first);
    std::size_t last = first;
    for (std::size_t at = first; at < caret; at += CharLength(t, at)) {
      if (!IsBlank(CodePointAt(t, at))) last = at + CharLength(t, at);
    }
    t = t.substr(0, start) + t.substr(first, last - first) + t.substr(caret);
    caret = start + (last - first);
  }

  // Characters of the edit removed one by one, nearest the caret first.
  bool dropped = false;
  bool removed_digit = false;
  while (!CanBecomeNumber(t)) {
    if (caret == start) return {std::string(before), start, dropped};
    const std::size_t at = PreviousStart(t, caret);
    dropped |= t[at] == ' ' && DigitBefore(t, at);
    removed_digit |= IsDigit(CodePointAt(t, at));
    t.erase(at, caret - at);
    caret = at;
  }
  std::size_t end = caret;
  while (end > 0 && t[end - 1] == ' ') --end;
  dropped |= removed_digit && end != caret && DigitBefore(t, end);
  return {t, caret, dropped};
}

struct EditCase {
  std::string name;
  std::string text;  // after the user's edit
  std::size_t caret;
  std::string last_numeric;
  std::string kept;
  std::size_t kept_caret;
  bool dropped_separator = false;
  friend std::ostream& operator<<(std::ostream& os, const EditCase& c) { return os << c.name; }
};

void ExpectGuarded(const EditCase& c) {
  const GuardedInput guarded = GuardedText(c.text, c.caret, c.last_numeric);
  EXPECT_TRUE(guarded.text == c.kept) << "kept " << Shown(guarded.text);
  EXPECT_EQ(guarded.caret, c.kept_caret);
  EXPECT_EQ(guarded.dropped_separator, c.dropped_separator);
}

class OneEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(OneEdit, SettlesTheField) { ExpectGuarded(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Edits, OneEdit,
    ::testing::Values(EditCase{"NumberKept", "12", 1, "2", "12", 1},
                      EditCase{"EmptyKept", "", 0, "5", "", 0},
                      EditCase{"TrailingPointKept", "1.", 2, "1", "1.", 2},
                      EditCase{"TrailingSpaceKept", "7 ", 2, "7", "7 ", 2},
                      EditCase{"TypedLetter", "12a", 3, "12", "12", 2},
                      EditCase{"SecondPoint", "1.2.3", 4, "1.23", "1.23", 3},
                      EditCase{"PasteAtEnd", "12abc", 5, "", "12", 2},
                      EditCase{"PasteAtStart", "abc12", 3, "12", "12", 0},
                      EditCase{"PasteInside", "1abc2", 4, "12", "12", 1},
                      EditCase{"ReplacedSelection", "1a3", 2, "123", "13", 1},
                      EditCase{"DeletionBeforeExponent", "e5", 0, "1e5", "1e5", 0},
                      EditCase{"DigitAfterTrailingSpace", "12 3", 4, "12 ", "12 ", 3, true},
                      EditCase{"ExponentTooLarge", "1e309", 5, "1e30", "1e30", 4},
                      EditCase{"DeletedExponentSign", "1e400", 2, "1e-400", "1e-400", 2},
                      EditCase{"LargestDoubleKept", "1.7976931348623158e308", 18, "",
                               "1.7976931348623158e308", 18},
                      EditCase{"BeyondLargestDouble", "1.7976931348623159e308", 18,
                               "1.797693134862315e308", "1.797693134862315e308", 17},
                      EditCase{"ArabicDigitsKept", kOne + kArabicPoint + kEasternFive, 6,
                               kOne + kArabicPoint, kOne + kArabicPoint + kEasternFive, 6},
                      EditCase{"ArabicLetterAfterArabicDigits", kOne + kTwo + kBeh, 6, kOne + kTwo,
                               kOne + kTwo, 4},
                      EditCase{"SpaceAfterDigit", "7 5", 2, "75", "75", 1, true},
                      EditCase{"SpaceAfterArabicDigit", kSeven + " 5", 3, kSeven + "5",
                               kSeven + "5", 2, true},
                      EditCase{"SpaceAfterLetter", "5a ", 3, "5", "5", 1, false}));

// A typed comma, or the Arabic layout's period or comma key after digits, is the decimal mark.
INSTANTIATE_TEST_SUITE_P(
    DecimalCommas, OneEdit,
    ::testing::Values(
        EditCase{"Comma", "7,5", 2, "75", "7.5", 2, true},
        EditCase{"CommaAtEnd", "7,", 2, "7", "7.", 2, true},
        EditCase{"CommaFirst", ",5", 1, "5", ".5", 1, true},
        EditCase{"ArabicComma", kSeven + kArabicComma, 4, kSeven, kSeven + ".", 3, true},
        EditCase{"ThousandsSeparator", "7" + kThousands + "5", 3, "75", "7.5", 2, true},
        EditCase{"CommaAfterPoint", "1.5,", 4, "1.5", "1.5", 3, true},
        EditCase{"CommaBeforeExponent", ",e3", 1, "1e3", "1e3", 0, true},
        EditCase{"PeriodKeyOfArabicLayout", "12" + kZain, 4, "12", "12.", 3, true},
        EditCase{"CommaKeyAfterArabicDigits", kOne + kTwo + kWaw, 6, kOne + kTwo, kOne + kTwo + ".",
                 5, true},
        EditCase{"ZainWithoutDigitsIsALetter", kZain, 2, "", "", 0}));

// What can still become a number stays while it is typed; nothing becomes another number.
INSTANTIATE_TEST_SUITE_P(Beginnings, OneEdit,
                         ::testing::Values(EditCase{"LonePoint", ".", 1, "", ".", 1},
                                           EditCase{"LoneMinus", "-", 1, "", "-", 1},
                                           EditCase{"MinusPoint", "-.", 2, "-", "-.", 2},
                                           EditCase{"ArabicPoint", kArabicPoint, 2, "",
                                                    kArabicPoint, 2},
                                           EditCase{"ExponentLetter", "5e", 2, "5", "5e", 2},
                                           EditCase{"ExponentSign", "5e-", 3, "5e", "5e-", 3},
                                           EditCase{"DeletionLeavesSign", "-", 1, "-5", "-", 1}));

// A paste with a comma, or with a blank inside a number, is refused whole; blanks and invisible
// marks around it go.
INSTANTIATE_TEST_SUITE_P(
    Pastes, OneEdit,
    ::testing::Values(
        EditCase{"Thousands", "1,000", 5, "", "", 0, true},
        EditCase{"DecimalComma", "1.000,5", 7, "", "", 0, true},
        EditCase{"CommaAfterDigits", "71,5", 4, "7", "7", 1, true},
        EditCase{"RightToLeftMarkBefore", kRightToLeftMark + "100", 6, "", "100", 3},
        EditCase{"NoBreakSpaceBefore", kNoBreakSpace + "100", 5, "", "100", 3},
        EditCase{"TabBefore", "\t100", 4, "", "100", 3},
        EditCase{"Embedding", kRightToLeftEmbedding + "100" + kPopDirectional, 9, "", "100", 3},
        EditCase{"ZeroWidthAround", kByteOrderMark + "5" + kZeroWidthSpace, 7, "", "5", 1},
        EditCase{"SpacesAround", " 12 ", 4, "", "12", 2},
        EditCase{"NoBreakSpaceInside", "1" + kNoBreakSpace + "000", 6, "", "", 0, true},
        EditCase{"NarrowNoBreakSpaceAfterDigit", "1" + kNarrowNoBreakSpace + "000", 7, "1", "1", 1,
                 true}));

// Large pastes: each settles in one linear pass (a quadratic guard takes minutes on them).
INSTANTIATE_TEST_SUITE_P(
    LargePastes, OneEdit,
    ::testing::Values(
        EditCase{"Letters", Repeated("a", 100'000), 100'000, "", "", 0},
        EditCase{"LettersAfterNumber", "12" + Repeated("a", 100'000), 100'002, "12", "12", 2},
        EditCase{"LettersBeforeNumber", Repeated("a", 100'000) + "12", 100'000, "12", "12", 0},
        EditCase{"NinesKeptWhole", Repeated("9", 100'000), 100'000, "", Repeated("9", 100'000),
                 100'000},
        EditCase{"OnesBeforeAnExponentKeep309Digits", Repeated("1", 100'000) + "xe0", 100'001, "e0",
                 Repeated("1", 309) + "e0", 309},
        EditCase{"ArabicDigits", Repeated(kThree, 50'000), 100'000, "", Repeated(kThree, 50'000),
                 100'000},
        EditCase{"SpacesBetweenDigits", "1" + Repeated(" ", 100'000) + "2", 100'001, "12", "12", 1,
                 true},
        EditCase{"ZerosBeforeNegativeExponent", "1" + Repeated("0", 100'000) + "xe-99600", 100'002,
                 "1e-99600", "1" + Repeated("0", 100'000) + "e-99600", 100'001},
        EditCase{"NinesInFractionAtLargestMagnitude", "1." + Repeated("9", 100'000) + "5e308",
                 100'002, "1.5e308", "1.5e308", 2},
        EditCase{"ZerosInExponent", "9e" + Repeated("0", 100'000) + "x308", 100'003, "9", "9308",
                 1}));

// Typing key by key, each key inserted at the caret and guarded at once.
struct TypingCase {
  std::vector<std::string> keys;
  std::string kept;
  bool dropped_separator;
  friend std::ostream& operator<<(std::ostream& os, const TypingCase& c) {
    for (const std::string& key : c.keys) os << '[' << key << ']';
    return os;
  }
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, KeepsTheNumber) {
  std::string text;
  std::size_t caret = 0;
  bool dropped = false;
  for (const std::string& key : GetParam().keys) {
    const GuardedInput guarded =
        GuardedText(text.substr(0, caret) + key + text.substr(caret), caret + key.size(), text);
    text = guarded.text;
    caret = guarded.caret;
    dropped |= guarded.dropped_separator;
    ASSERT_EQ(caret, text.size());
  }
  EXPECT_EQ(text, GetParam().kept);
  EXPECT_EQ(dropped, GetParam().dropped_separator);
}

INSTANTIATE_TEST_SUITE_P(Keys, Typing,
                         ::testing::Values(TypingCase{{"1", "2", "a"}, "12", false},
                                           TypingCase{{"1", ".", "5"}, "1.5", false},
                                           TypingCase{{".", "5"}, ".5", false},
                                           TypingCase{{"-", "5"}, "-5", false},
                                           TypingCase{{"5", "e", "-", "3"}, "5e-3", false},
                                           TypingCase{{"1", "e", "5"}, "1e5", false},
                                           TypingCase{{"1", "a", "2", "b", "3", "c"}, "123", false},
                                           TypingCase{{"1", "2", "w", "3", "4"}, "1234", false},
                                           TypingCase{{"7", ",", "5"}, "7.5", true},
                                           TypingCase{{"1", "2", kZain, "5"}, "12.5", true},
                                           TypingCase{{"7", " ", "5", "0", "0"}, "7 ", true},
                                           TypingCase{{kOne, kTwo, kArabicPoint, kEasternFive},
                                                      kOne + kTwo + kArabicPoint + kEasternFive,
                                                      false}));

// Against the rule applied literally, on many short random edits of random texts.
TEST(GuardedTextAgreesWithTheRuleAppliedLiterally, RandomEdits) {
  const std::vector<std::string> pieces = {"0",
                                           "1",
                                           "7",
                                           "9",
                                           kNine,
                                           kEasternNine,
                                           kThree,
                                           kEasternFive,
                                           ".",
                                           kArabicPoint,
                                           "e",
                                           "E",
                                           "+",
                                           "-",
                                           " ",
                                           ",",
                                           kArabicComma,
                                           kThousands,
                                           "a",
                                           kBeh,
                                           kZain,
                                           kWaw,
                                           "\t",
                                           kNoBreakSpace,
                                           kRightToLeftMark,
                                           "e308",
                                           "e-3",
                                           "1797693134862315",
                                           "8",
                                           "e30"};
  std::mt19937 random(8);
  const auto below = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  // A text of random pieces, and the character boundaries in it.
  const auto random_text = [&](std::size_t most, std::vector<std::size_t>& boundaries) {
    std::string text;
    boundaries = {0};
    for (std::size_t n = below(most + 1); n > 0; --n) {
      const std::string& p = pieces[below(pieces.size())];
      for (std::size_t i = 1; i < p.size(); ++i) {
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80)
          boundaries.push_back(text.size() + i);
      }
      text += p;
      boundaries.push_back(text.size());
    }
    return text;
  };
  std::vector<std::size_t> boundaries;
  for (int round = 0; round < 20'000; ++round) {
    std::string before = random_text(6, boundaries);
    std::string text;
    std::size_t caret = 0;
    if (round % 8 == 0) {  // a text that no edit of `before` gives
      text = random_text(9, boundaries);
      caret = boundaries[below(boundaries.size())];
    } else {  // a selection of `before` replaced by what is typed, pasted or nothing
      std::size_t from = boundaries[below(boundaries.size())];
      std::size_t to = boundaries[below(boundaries.size())];
      if (from > to) std::swap(from, to);
      const std::string inserted = random_text(3, boundaries);
      text = before.substr(0, from) + inserted + before.substr(to);
      caret = from + inserted.size();
    }
    const GuardedInput expected = Literally(text, caret, before);
    const GuardedInput guarded = GuardedText(text, caret, before);
    const auto shown = [&] {
      return "text \"" + text + "\", caret " + std::to_string(caret) + ", before \"" + before +
             "\"";
    };
    ASSERT_EQ(guarded.text, expected.text) << shown();
    ASSERT_EQ(guarded.caret, expected.caret) << shown();
    ASSERT_EQ(guarded.dropped_separator, expected.dropped_separator) << shown();
  }
}

}  // namespace
}  // namespace coldesign
