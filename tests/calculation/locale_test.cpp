// The conversions ignore the process locale: under de_DE.UTF-8 (decimal comma) FormatNumber
// still writes "." and the parsers still read ".". Needs the locale to be generated
// (scripts/test.sh does so); skipped when it cannot be set.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>
#include <stdexcept>
#include <string>

#include "calculation/design_calculation.h"

namespace coldesign {
namespace {

class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
      GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
    }
    try {
      std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
      std::setlocale(LC_ALL, "C");
      GTEST_SKIP() << "the C++ locale de_DE.UTF-8 cannot be made";
    }
    // The locale is in force: C's own conversions now use the comma.
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    ASSERT_EQ(std::string("2,5"), text);
  }

  void TearDown() override {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
  }
};

TEST_F(GermanLocale, FormatNumberWritesThePoint) {
  EXPECT_EQ("2.5", FormatNumber(2.5));
  EXPECT_EQ("492.743235979215", FormatNumber(55000 / 111.62));
  EXPECT_EQ("1.5E-05", FormatNumber(1.5e-5));
  EXPECT_EQ("1234567", FormatNumber(1234567));  // no group separator
  EXPECT_EQ("-32768", FormatInteger(-32768));
}

TEST_F(GermanLocale, ParsersReadThePointAndNotTheComma) {
  EXPECT_EQ(12.5, ParseNumberStrict(" 12.5 ").value());
  EXPECT_EQ(1500, ParseNumberStrict("1.5e3").value());
  EXPECT_FALSE(IsNumericText("12,5"));
  EXPECT_FALSE(IsNumericText("1.000,5"));
  EXPECT_EQ(16.4247745326405, ParseLeadingNumber("16.4247745326405"));
  EXPECT_EQ(12, ParseLeadingNumber("12,5"));
}

TEST_F(GermanLocale, DesignColumnGivesTheWorkedExample) {
  const auto result = DesignColumn({"50", "7"});
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ("3449.20265185451", result->required_area_text);
  EXPECT_EQ("115", result->length_text);
  EXPECT_EQ("34.4920265185451", result->steel_area_text);
  EXPECT_EQ("18", result->bar_count_text);
}

}  // namespace
}  // namespace coldesign
