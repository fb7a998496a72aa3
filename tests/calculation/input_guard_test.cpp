// The input guard of the number fields.

#include "calculation/input_guard.h"

#include <gtest/gtest.h>

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

// The rule itself, one character and one IsNumericText call at a time: quadratic, for checking.
GuardedInput OneByOne(std::string_view text, std::size_t caret, std::string_view last_numeric) {
  const auto digit_before = [](const std::string& t, std::size_t at) {
    if (at >= 1 && t[at - 1] >= '0' && t[at - 1] <= '9') return true;
    if (at < 2) return false;
    const std::string_view pair = std::string_view(t).substr(at - 2, 2);
    return (pair >= "\xD9\xA0" && pair <= "\xD9\xA9") || (pair >= "\xDB\xB0" && pair <= "\xDB\xB9");
  };
  std::string t(text);
  bool dropped = false;
  bool removed_digit = false;
  while (!t.empty() && !IsNumericText(t)) {
    if (caret == 0) return {std::string(last_numeric), last_numeric.size(), dropped};
    std::size_t start = caret - 1;
    while (start > 0 && (static_cast<unsigned char>(t[start]) & 0xC0) == 0x80) --start;
    const std::string removed = t.substr(start, caret - start);
    dropped |= removed == "," || removed == kArabicComma || removed == kThousands ||
               (removed == " " && digit_before(t, start));
    removed_digit |= digit_before(removed, removed.size());
    t.erase(start, caret - start);
    caret = start;
  }
  std::size_t end = caret;
  while (end > 0 && t[end - 1] == ' ') --end;
  dropped |= removed_digit && end != caret && digit_before(t, end);
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
    ::testing::Values(
        EditCase{"NumberKept", "12", 1, "2", "12", 1}, EditCase{"EmptyKept", "", 0, "5", "", 0},
        EditCase{"TrailingPointKept", "1.", 2, "1", "1.", 2},
        EditCase{"TrailingSpaceKept", "7 ", 2, "7", "7 ", 2},
        EditCase{"TypedLetter", "12a", 3, "12", "12", 2},
        EditCase{"SecondPoint", "1.2.3", 4, "1.23", "1.23", 3},
        EditCase{"PasteAtEnd", "12abc", 5, "", "12", 2},
        EditCase{"PasteAtStart", "abc12", 3, "12", "12", 0},
        EditCase{"PasteInside", "1abc2", 4, "12", "12", 1},
        EditCase{"ReplacedSelection", "1a3", 2, "123", "13", 1},
        EditCase{"DeletionBeforeExponent", "e5", 0, "1e5", "1e5", 3},
        EditCase{"DeletionLeavesSign", "-", 1, "-5", "", 0},
        EditCase{"DigitAfterTrailingSpace", "12 3", 4, "12 ", "12 ", 3, true},
        EditCase{"ExponentTooLarge", "1e309", 5, "1e30", "1e30", 4},
        EditCase{"DeletedExponentSign", "1e400", 2, "1e-400", "1400", 1},
        EditCase{"LargestDoubleKept", "1.7976931348623158e308", 18, "", "1.7976931348623158e308",
                 18},
        EditCase{"BeyondLargestDouble", "1.7976931348623159e308", 18, "1.797693134862315e308",
                 "1.797693134862315e308", 17},
        EditCase{"ArabicDigitsKept", kOne + kArabicPoint + kEasternFive, 6, kOne + kArabicPoint,
                 kOne + kArabicPoint + kEasternFive, 6},
        EditCase{"ArabicLetterAfterArabicDigits", kOne + kTwo + kBeh, 6, kOne + kTwo, kOne + kTwo,
                 4},
        EditCase{"Comma", "7,5", 2, "75", "75", 1, true},
        EditCase{"CommaAtEnd", "7,", 2, "7", "7", 1, true},
        EditCase{"ArabicComma", kSeven + kArabicComma, 4, kSeven, kSeven, 2, true},
        EditCase{"ThousandsSeparator", "7" + kThousands + "5", 3, "75", "75", 1, true},
        EditCase{"SpaceAfterDigit", "7 5", 2, "75", "75", 1, true},
        EditCase{"SpaceAfterArabicDigit", kSeven + " 5", 3, kSeven + "5", kSeven + "5", 2, true},
        EditCase{"SpaceAfterLetter", "5a ", 3, "5", "5", 1, false},
        EditCase{"CommaBeforeExponent", ",e3", 1, "1e3", "1e3", 3, true}));

// Large pastes: each settles in one linear pass (a quadratic guard takes minutes on them).
INSTANTIATE_TEST_SUITE_P(
    LargePastes, OneEdit,
    ::testing::Values(
        EditCase{"Letters", Repeated("a", 100'000), 100'000, "", "", 0},
        EditCase{"LettersAfterNumber", "12" + Repeated("a", 100'000), 100'002, "12", "12", 2},
        EditCase{"LettersBeforeNumber", Repeated("a", 100'000) + "12", 100'000, "12", "12", 0},
        EditCase{"NinesCutBelowOverflow", Repeated("9", 100'000), 100'000, "", Repeated("9", 308),
                 308},
        EditCase{"OnesKeepAll309Digits", Repeated("1", 100'000), 100'000, "", Repeated("1", 309),
                 309},
        EditCase{"ArabicDigits", Repeated(kThree, 50'000), 100'000, "", Repeated(kThree, 308), 616},
        EditCase{"SpacesBetweenDigits", "1" + Repeated(" ", 100'000) + "2", 100'001, "12", "12", 1,
                 true},
        EditCase{"ZerosBeforeNegativeExponent", "1" + Repeated("0", 100'000) + "xe-99600", 100'002,
                 "1e-99600", "1" + Repeated("0", 99'908) + "e-99600", 99'909},
        EditCase{"NinesInFractionAtLargestMagnitude", "1." + Repeated("9", 100'000) + "5e308",
                 100'002, "1.5e308", "1.5e308", 2},
        EditCase{"ZerosInExponent", "9e" + Repeated("0", 100'000) + "x308", 100'003, "9", "9308",
                 1}));

// Typing key by key, each key inserted at the caret and guarded at once.
struct TypingCase {
  std::vector<std::string> keys;
  std::string kept;
  bool dropped_separator;
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
                                           TypingCase{{"1", "a", "2", "b", "3", "c"}, "123", false},
                                           TypingCase{{"1", "2", "w", "3", "4"}, "1234", false},
                                           TypingCase{{"7", ",", "5"}, "75", true},
                                           TypingCase{{"7", " ", "5", "0", "0"}, "7 ", true},
                                           TypingCase{{kOne, kTwo, kArabicPoint, kEasternFive},
                                                      kOne + kTwo + kArabicPoint + kEasternFive,
                                                      false}));

// Against the rule applied literally, on many short random edits.
TEST(GuardedTextAgreesWithOneByOne, RandomEdits) {
  const std::vector<std::string> pieces = {
      "0",          "1",        "7", "9",  kThree, kEasternFive, ".",
      kArabicPoint, "e",        "E", "+",  "-",    " ",          ",",
      kArabicComma, kThousands, "a", kBeh, "e308", "e-3",        "1797693134862315",
      "8",          "e30"};
  std::mt19937 random(8);
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 9);
  for (int round = 0; round < 20'000; ++round) {
    std::string text;
    std::vector<std::size_t> boundaries = {0};
    for (int n = length(random); n > 0; --n) {
      const std::string& p = pieces[piece(random)];
      for (std::size_t i = 0; i < p.size(); ++i) {
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80 && i > 0) {
          boundaries.push_back(text.size() + i);
        }
      }
      text += p;
      boundaries.push_back(text.size());
    }
    const std::size_t caret =
        boundaries[std::uniform_int_distribution<std::size_t>(0, boundaries.size() - 1)(random)];
    const GuardedInput expected = OneByOne(text, caret, "12");
    const GuardedInput guarded = GuardedText(text, caret, "12");
    ASSERT_EQ(guarded.text, expected.text) << "text \"" << text << "\", caret " << caret;
    ASSERT_EQ(guarded.caret, expected.caret) << "text \"" << text << "\", caret " << caret;
    ASSERT_EQ(guarded.dropped_separator, expected.dropped_separator)
        << "text \"" << text << "\", caret " << caret;
  }
}

}  // namespace
}  // namespace coldesign
