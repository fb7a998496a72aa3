#include "calculation/bending_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace coldesign {
namespace {

TEST(BendingInput, ReadsTheFieldsAsTheOtherFieldsAreRead) {
  struct Case {
    BendingTexts texts;
    double moment_x;
    double moment_y;
    double height;
  };
  const std::vector<Case> cases = {
      {{"", "", "3"}, 0, 0, 3},
      {{" ", "\t", "3"}, 0, 0, 3},  // blank is no moment
      {{"12.5", "-4", "3.2"}, 12.5, -4, 3.2},
      // Arabic-Indic digits and the Arabic decimal separator.
      {{"١٢٫٥", "۴", "٣٫٥"}, 12.5, 4, 3.5},
      {{"1e1", "0", "2"}, 10, 0, 2},
      {{"0", "0", "10"}, 0, 0, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.texts.moment_x) + " / " + std::string(c.texts.moment_y) + " / " +
                 std::string(c.texts.column_height));
    const auto input = ReadBendingInput(DesignInput("40", "2", {}), c.texts);
    ASSERT_TRUE(input.has_value());
    EXPECT_EQ(c.moment_x, input->moment_x_t_m);
    EXPECT_EQ(c.moment_y, input->moment_y_t_m);
    EXPECT_EQ(c.height, input->column_height_m);
    EXPECT_EQ("40", input->column.load_text);
    EXPECT_FALSE(input->length_factor.has_value());
  }
  BendingTexts unbraced{.moment_x = "", .moment_y = "", .column_height = "3", .unbraced = true};
  EXPECT_TRUE(ReadBendingInput(DesignInput("40", "2", {}), unbraced)->unbraced);
}

TEST(BendingInput, NamesTheFirstFieldRefusedAndWhy) {
  using enum BendingInputProblem;
  using enum BendingTextProblem;
  struct Case {
    BendingTexts texts;
    RefusedBendingText refused;
  };
  const std::vector<Case> cases = {
      {{"-", "", "3"}, {MomentX, Unfinished}},
      {{"5", "٫", "3"}, {MomentY, Unfinished}},
      {{"5", "2e", "3"}, {MomentY, Unfinished}},
      {{"x", "abc", "3"}, {MomentX, NotANumber}},
      {{"5", "=1+1", "3"}, {MomentY, NotANumber}},
      {{"1e400", "0", "3"}, {MomentX, NotFinite}},
      {{"0", "-1e999", "3"}, {MomentY, NotFinite}},
      {{"", "", ""}, {ColumnHeight, Empty}},
      {{"", "", "1.99"}, {ColumnHeight, OutOfRange}},
      {{"", "", "10.01"}, {ColumnHeight, OutOfRange}},
      {{"", "", "-3"}, {ColumnHeight, OutOfRange}},
      {{"", "", "3 m"}, {ColumnHeight, NotANumber}},
      {{"x", "", ""}, {MomentX, NotANumber}},  // the first field first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.texts.moment_x) + " / " + std::string(c.texts.moment_y) + " / " +
                 std::string(c.texts.column_height));
    const auto input = ReadBendingInput(DesignInput("40", "2", {}), c.texts);
    ASSERT_FALSE(input.has_value());
    EXPECT_EQ(c.refused, input.error());
  }
}

}  // namespace
}  // namespace coldesign
