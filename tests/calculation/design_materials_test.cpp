// The engineer's materials: their ranges, the bar areas and the carrying stress they give.

#include "calculation/design_materials.h"

#include <gtest/gtest.h>

#include <expected>
#include <limits>
#include <optional>
#include <ostream>

#include "calculation/materials_text.h"

namespace coldesign {
namespace {

struct MaterialsCase {
  DesignMaterials materials;
  std::optional<MaterialsChoice> out_of_range;
  friend std::ostream& operator<<(std::ostream& os, const MaterialsCase& c) {
    const DesignMaterials& m = c.materials;
    return os << "fcu " << m.concrete_strength_kg_per_cm2 << ", fy " << m.steel_yield_kg_per_cm2
              << ", b " << m.width_cm << ", d " << m.bar_diameter_mm << ", factor "
              << m.load_factor;
  }
};

class CheckMaterialsFinds : public ::testing::TestWithParam<MaterialsCase> {};

TEST_P(CheckMaterialsFinds, TheFirstChoiceOutOfRange) {
  EXPECT_EQ(GetParam().out_of_range, CheckMaterials(GetParam().materials));
}

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr std::optional<MaterialsChoice> kInRange;

// Materials from the defaults with one or two choices changed.
DesignMaterials With(double fcu, double fy, int b, int d, double factor) {
  return {.concrete_strength_kg_per_cm2 = fcu,
          .steel_yield_kg_per_cm2 = fy,
          .width_cm = b,
          .bar_diameter_mm = d,
          .load_factor = factor};
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, CheckMaterialsFinds,
    ::testing::Values(MaterialsCase{DesignMaterials{}, kInRange},
                      MaterialsCase{With(150, 2400, 20, 10, 1.0), kInRange},
                      MaterialsCase{With(600, 5200, 100, 32, 2.0), kInRange},
                      MaterialsCase{With(149, 3600, 30, 16, 1.1), MaterialsChoice::Fcu},
                      MaterialsCase{With(601, 6000, 30, 16, 1.1), MaterialsChoice::Fcu},
                      MaterialsCase{With(kNotANumber, 3600, 30, 16, 1.1), MaterialsChoice::Fcu},
                      MaterialsCase{With(250, 2399, 30, 16, 1.1), MaterialsChoice::Fy},
                      MaterialsCase{With(250, 5201, 30, 16, 1.1), MaterialsChoice::Fy},
                      MaterialsCase{With(250, 3600, 19, 16, 1.1), MaterialsChoice::Width},
                      MaterialsCase{With(250, 3600, 101, 15, 1.1), MaterialsChoice::Width},
                      MaterialsCase{With(250, 3600, 30, 15, 1.1), MaterialsChoice::BarDiameter},
                      MaterialsCase{With(250, 3600, 30, 0, 1.1), MaterialsChoice::BarDiameter},
                      MaterialsCase{With(250, 3600, 30, 16, 0.99), MaterialsChoice::LoadFactor},
                      MaterialsCase{With(250, 3600, 30, 16, 2.01), MaterialsChoice::LoadFactor},
                      MaterialsCase{With(250, 3600, 30, 16, kNotANumber),
                                    MaterialsChoice::LoadFactor}));

struct BarCase {
  int diameter_mm;
  double area_cm2;
};

class BarAreaIs : public ::testing::TestWithParam<BarCase> {};

// π d² / 4 to 0.1 cm², the same double as the decimal written.
TEST_P(BarAreaIs, TheQuarterCircleToATenth) {
  EXPECT_EQ(GetParam().area_cm2, BarAreaCm2(GetParam().diameter_mm));
}

INSTANTIATE_TEST_SUITE_P(Diameters, BarAreaIs,
                         ::testing::Values(BarCase{10, 0.8}, BarCase{12, 1.1}, BarCase{14, 1.5},
                                           BarCase{16, 2}, BarCase{18, 2.5}, BarCase{20, 3.1},
                                           BarCase{22, 3.8}, BarCase{25, 4.9}, BarCase{28, 6.2},
                                           BarCase{32, 8}));

TEST(CarryingStress, IsTheTablesLiteralForTheDefaultsAndTheFormulaOtherwise) {
  EXPECT_EQ(111.62, CarryingStressKgPerCm2(DesignMaterials{}));
  // 0.35 × 300 + 0.67 × 4000 × 1 % = 105 + 26.8.
  EXPECT_DOUBLE_EQ(131.8, CarryingStressKgPerCm2(With(300, 4000, 30, 16, 1.1)));
  // Only the concrete changed: 0.35 × 400 + 24.12.
  EXPECT_DOUBLE_EQ(164.12, CarryingStressKgPerCm2(With(400, 3600, 30, 16, 1.1)));
  // Only the steel changed: 87.5 + 26.8, not the literal of the defaults.
  EXPECT_DOUBLE_EQ(114.3, CarryingStressKgPerCm2(With(250, 4000, 30, 16, 1.1)));
}

// The materials as typed in the dialog or the page, or given as options: any digits the fields
// accept; the first choice in order refused, and why; a choice not given keeps its default.
struct TypedCase {
  MaterialsTexts texts;
  std::expected<DesignMaterials, RefusedChoice> read;
};

class ReadMaterialsGives : public ::testing::TestWithParam<TypedCase> {};

TEST_P(ReadMaterialsGives, TheMaterialsOrTheFirstChoiceRefused) {
  EXPECT_EQ(GetParam().read, ReadMaterials(GetParam().texts));
}

std::unexpected<RefusedChoice> Refused(MaterialsChoice choice, ChoiceProblem problem) {
  return std::unexpected(RefusedChoice{choice, problem});
}

using enum MaterialsChoice;
using enum ChoiceProblem;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadMaterialsGives,
    ::testing::Values(
        TypedCase{{"250", "3600", "30", "16", "1.1"}, DesignMaterials{}},
        TypedCase{{"٣٠٠", "۴۰۰۰", "٤٠", "20", "1٫2"}, With(300, 4000, 40, 20, 1.2)},
        TypedCase{{" 250 ", "3600", "30", "16", "1.1"}, DesignMaterials{}},
        TypedCase{{"", "3600", "30", "16", "1.1"}, Refused(Fcu, NotANumber)},
        TypedCase{{"250", "  ", "30", "16", "1.1"}, Refused(Fy, NotANumber)},
        TypedCase{{"100", "3600", "30", "16", "1.1"}, Refused(Fcu, OutOfRange)},
        TypedCase{{"250", "٦٠٠٠", "30", "16", "1.1"}, Refused(Fy, OutOfRange)},
        TypedCase{{"700", "x", "30", "16", "1.1"}, Refused(Fcu, OutOfRange)},
        TypedCase{{"250", "x", "30.5", "16", "1.1"}, Refused(Fy, NotANumber)},
        TypedCase{{"250", "3600", "30.5", "16", "1.1"}, Refused(Width, NotWholeNumber)},
        TypedCase{{"250", "3600", "25.5", "16", "1.1"}, Refused(Width, NotWholeNumber)},
        TypedCase{{"250", "3600", "1e10", "16", "1.1"}, Refused(Width, OutOfRange)},
        TypedCase{{"250", "3600", "1e300", "16", "1.1"}, Refused(Width, OutOfRange)},
        TypedCase{{"250", "3600", "-1e300", "16", "1.1"}, Refused(Width, OutOfRange)},
        TypedCase{{"250", "3600", "30", "16.0001", "1.1"}, Refused(BarDiameter, NotWholeNumber)},
        TypedCase{{"250", "3600", "30", "15", "1.1"}, Refused(BarDiameter, OutOfRange)},
        TypedCase{{"250", "3600", "30", "16", "1,1"}, Refused(LoadFactor, NotANumber)},
        TypedCase{{"250", "3600", "30", "16", "2.5"}, Refused(LoadFactor, OutOfRange)},
        // Options, each given alone.
        TypedCase{{}, DesignMaterials{}},
        TypedCase{{.concrete_strength = "300",
                   .steel_yield = "4000",
                   .width = "25",
                   .bar_diameter = "20"},
                  With(300, 4000, 25, 20, 1.1)},
        TypedCase{{.bar_diameter = "15"}, Refused(BarDiameter, OutOfRange)},
        TypedCase{{.width = "25.5"}, Refused(Width, NotWholeNumber)},
        TypedCase{{.load_factor = "abc"}, Refused(LoadFactor, NotANumber)}));

TEST(ReadFloorHeight, InTheTablesRangeOnly) {
  EXPECT_EQ(3.0, ReadFloorHeight("3"));
  EXPECT_EQ(3.5, ReadFloorHeight("٣٫٥"));
  EXPECT_EQ(2.0, ReadFloorHeight("2"));  // the range's ends are in it
  EXPECT_EQ(10.0, ReadFloorHeight("10"));
  for (const char* refused : {"1.99", "10.01", "-3", "1e300"}) {
    EXPECT_EQ(std::unexpected(ChoiceProblem::OutOfRange), ReadFloorHeight(refused)) << refused;
  }
  for (const char* refused : {"", "abc", "3,5"}) {
    EXPECT_EQ(std::unexpected(ChoiceProblem::NotANumber), ReadFloorHeight(refused)) << refused;
  }
}

}  // namespace
}  // namespace coldesign
