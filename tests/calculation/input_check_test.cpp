// The check of the inputs before a design: the first problem, or none.

#include "calculation/input_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string_view>

namespace coldesign {
namespace {

struct InputCase {
  std::string_view load;
  std::string_view floors;
  std::optional<InputProblem> problem;
  friend std::ostream& operator<<(std::ostream& os, const InputCase& c) {
    return os << '"' << c.load << "\" t x \"" << c.floors << "\" floors";
  }
};

class CheckDesignInputsFinds : public ::testing::TestWithParam<InputCase> {};

TEST_P(CheckDesignInputsFinds, TheFirstProblem) {
  const auto& [load, floors, problem] = GetParam();
  EXPECT_EQ(problem, CheckDesignInputs(load, floors));
}

constexpr std::optional<InputProblem> kAccepted;

INSTANTIATE_TEST_SUITE_P(EmptyFirst, CheckDesignInputsFinds,
                         ::testing::Values(InputCase{"", "", InputProblem::LoadEmpty},
                                           InputCase{"", "5", InputProblem::LoadEmpty},
                                           InputCase{"", "-5", InputProblem::LoadEmpty},
                                           InputCase{"10", "", InputProblem::FloorsEmpty},
                                           InputCase{"-10", "", InputProblem::FloorsEmpty}));

INSTANTIATE_TEST_SUITE_P(Negative, CheckDesignInputsFinds,
                         ::testing::Values(InputCase{"-10", "5", InputProblem::Negative},
                                           InputCase{"10", "-5", InputProblem::Negative},
                                           InputCase{"-10", "-5", InputProblem::Negative},
                                           InputCase{" -0.5 ", "5", InputProblem::Negative},
                                           InputCase{"-1e-300", "5", InputProblem::Negative},
                                           InputCase{"-١٠", "٥", InputProblem::Negative},
                                           InputCase{"10", "-۵٫۵", InputProblem::Negative}));

// A number still waiting for its digits, in either field, before a negative value.
INSTANTIATE_TEST_SUITE_P(Unfinished, CheckDesignInputsFinds,
                         ::testing::Values(InputCase{"-", "5", InputProblem::Unfinished},
                                           InputCase{"10", ".", InputProblem::Unfinished},
                                           InputCase{"-10", "5e-", InputProblem::Unfinished},
                                           InputCase{" +", "5", InputProblem::Unfinished},
                                           InputCase{"1E", "5", InputProblem::Unfinished},
                                           InputCase{"-\xD9\xAB", "5", InputProblem::Unfinished},
                                           InputCase{"", "-", InputProblem::LoadEmpty}));

// Texts that are not negative numbers pass: zero, and what the calculation itself reports
// (blanks, not a number, beyond the range of a double).
INSTANTIATE_TEST_SUITE_P(
    Accepted, CheckDesignInputsFinds,
    ::testing::Values(InputCase{"10", "5", kAccepted}, InputCase{"0", "0", kAccepted},
                      InputCase{"-0", "5", kAccepted}, InputCase{"10", "-0.0", kAccepted},
                      InputCase{"١٠", "٥", kAccepted}, InputCase{" ", "5", kAccepted},
                      InputCase{"10", " ", kAccepted}, InputCase{"-x", "5", kAccepted},
                      InputCase{"abc", "-x", kAccepted}, InputCase{"-1e400", "5", kAccepted},
                      InputCase{"-1e-400", "5", kAccepted}));

}  // namespace
}  // namespace coldesign
