// Benchmarks of the calculation library beside the standard conversions it builds on. After
// the runs it prints the three ratios of the performance targets:
//   FormatNumber       / std::to_chars(v, general, 15)                    target <= 1.5
//   ParseNumberStrict  / std::from_chars(general)                          target <= 2
//   DesignColumn       / the FormatNumber, FormatInteger, ParseNumberStrict and
//                        ParseLeadingNumber calls it makes, run raw on the same texts
//                                                                          target <= 1.5
//   DesignBendingColumn with moments about both axes / DesignColumn       target <= 250
// and, for reference, the schedule of 10,000 columns with moments beside the same without.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "calculation/bending_design.h"
#include "calculation/column_schedule.h"
#include "calculation/design_calculation.h"

namespace {

using coldesign::ColumnDesignInput;

constexpr std::size_t kCount = 1024;  // a power of two: the loops index with a mask
constexpr std::size_t kMask = kCount - 1;

// Real results of the kind the calculation writes: full 53-bit mantissas, 1E-3 to 1E+6.
const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-3, 5);
    std::vector<double> out;
    for (std::size_t i = 0; i < kCount; ++i) {
      double scale = 1;
      for (int e = exponent(random); e > 0; --e) scale *= 10;
      for (int e = exponent(random); e < 0; ++e) scale /= 10;
      out.push_back(mantissa(random) * scale);
    }
    return out;
  }();
  return values;
}

// FormatNumber's texts of those values: what the parsers read in the calculation.
const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> out;
    for (const double v : Values()) out.push_back(coldesign::FormatNumber(v));
    return out;
  }();
  return texts;
}

// The same texts written with Arabic-Indic digits and separator (not a target; for reference).
const std::vector<std::string>& ArabicTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> out;
    for (const std::string& text : Texts()) {
      std::string arabic;
      for (const char c : text) {
        if (c >= '0' && c <= '9') {
          arabic += '\xD9';
          arabic += static_cast<char>(0xA0 + (c - '0'));
        } else if (c == '.') {
          arabic += "\xD9\xAB";
        } else {
          arabic += c;
        }
      }
      out.push_back(std::move(arabic));
    }
    return out;
  }();
  return texts;
}

void BM_ToCharsGeneral15(benchmark::State& state) {
  const auto& values = Values();
  std::size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, values[i++ & kMask],
                                      std::chars_format::general, 15);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ToCharsGeneral15);

void BM_FormatNumber(benchmark::State& state) {
  const auto& values = Values();
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = coldesign::FormatNumber(values[i++ & kMask]);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatNumber);

void BM_FromChars(benchmark::State& state) {
  const auto& texts = Texts();
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& text = texts[i++ & kMask];
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(result.ptr);
  }
}
BENCHMARK(BM_FromChars);

void BM_ParseNumberStrict(benchmark::State& state) {
  const auto& texts = Texts();
  std::size_t i = 0;
  for (auto _ : state) {
    auto value = coldesign::ParseNumberStrict(texts[i++ & kMask]);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ParseNumberStrict);

void BM_ParseNumberStrictArabicDigits(benchmark::State& state) {
  const auto& texts = ArabicTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    auto value = coldesign::ParseNumberStrict(texts[i++ & kMask]);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ParseNumberStrictArabicDigits);

void BM_ParseLeadingNumber(benchmark::State& state) {
  const auto& texts = Texts();
  std::size_t i = 0;
  for (auto _ : state) {
    double value = coldesign::ParseLeadingNumber(texts[i++ & kMask]);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ParseLeadingNumber);

// --- DesignColumn, and the raw sequence of the conversions it makes.

// One design: the inputs, and the values and texts that each of its conversions meets.
struct DesignCase {
  ColumnDesignInput input;
  double area = 0;          // Ac, formatted in step 1
  std::string area_text;    // read twice (steps 2 and 3)
  double quotient = 0;      // A / b, formatted and read back in step 2
  std::int64_t length = 0;  // formatted in step 2
  std::string length_text;  // read in step 3
  double steel = 0;         // formatted in step 3
  std::string steel_text;   // read in step 4
  double bar_quotient = 0;  // S / 2, formatted and read back in step 4
  std::int64_t bars = 0;    // formatted in step 4
};

// Loads of 5 to 150 tons in steps of 0.05 and 1 to 7 floors: the program's ordinary use.
const std::vector<DesignCase>& Designs() {
  static const std::vector<DesignCase> designs = [] {
    std::mt19937_64 random(2013);
    std::uniform_int_distribution<int> load_steps(100, 3000);
    std::uniform_int_distribution<int> floors(1, 7);
    std::vector<DesignCase> out;
    while (out.size() < kCount) {
      DesignCase d;
      const int steps = load_steps(random);
      char load_text[32];
      std::snprintf(load_text, sizeof load_text, "%d.%02d", steps / 20, steps % 20 * 5);
      d.input.load_text = load_text;
      d.input.floors_text = std::to_string(floors(random));
      const auto result = coldesign::DesignColumn(d.input);
      if (!result) continue;
      const double b = *coldesign::ParseNumberStrict(d.input.width_text);
      const double load = *coldesign::ParseNumberStrict(d.input.load_text);
      d.area = *coldesign::ParseNumberStrict(d.input.floors_text) * (load * 1.1) * 1000 / 111.62;
      d.area_text = result->required_area_text;
      d.quotient = *coldesign::ParseNumberStrict(d.area_text) / b;
      d.length_text = result->length_text;
      d.length = static_cast<std::int64_t>(*coldesign::ParseNumberStrict(d.length_text));
      const double m = (b * 0.006) * static_cast<double>(d.length);
      const double s = *coldesign::ParseNumberStrict(d.area_text) * 0.01;
      d.steel = s > m ? s : m;
      d.steel_text = result->steel_area_text;
      d.bar_quotient = *coldesign::ParseNumberStrict(d.steel_text) / 2;
      d.bars = static_cast<std::int64_t>(*coldesign::ParseNumberStrict(result->bar_count_text));
      out.push_back(std::move(d));
    }
    return out;
  }();
  return designs;
}

void BM_DesignColumn(benchmark::State& state) {
  const auto& designs = Designs();
  std::size_t i = 0;
  for (auto _ : state) {
    auto result = coldesign::DesignColumn(designs[i++ & kMask].input);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_DesignColumn);

// The baseline: 4 FormatNumber, 2 FormatInteger, 7 ParseNumberStrict and 2 ParseLeadingNumber,
// in DesignColumn's order, on the same values and texts, each result kept as a std::string.
void BM_DesignColumnConversions(benchmark::State& state) {
  const auto& designs = Designs();
  std::size_t i = 0;
  for (auto _ : state) {
    const DesignCase& d = designs[i++ & kMask];
    // Step 1
    auto floors = coldesign::ParseNumberStrict(d.input.floors_text);
    auto load = coldesign::ParseNumberStrict(d.input.load_text);
    std::string area_text = coldesign::FormatNumber(d.area);
    // Step 2
    auto width = coldesign::ParseNumberStrict(d.input.width_text);
    auto area = coldesign::ParseNumberStrict(d.area_text);
    std::string quotient_text = coldesign::FormatNumber(d.quotient);
    double q = coldesign::ParseLeadingNumber(quotient_text);
    std::string length_text = coldesign::FormatInteger(d.length);
    // Step 3
    auto length = coldesign::ParseNumberStrict(d.length_text);
    auto area_again = coldesign::ParseNumberStrict(d.area_text);
    std::string steel_text = coldesign::FormatNumber(d.steel);
    // Step 4
    auto steel = coldesign::ParseNumberStrict(d.steel_text);
    std::string bar_quotient_text = coldesign::FormatNumber(d.bar_quotient);
    double n = coldesign::ParseLeadingNumber(bar_quotient_text);
    std::string bars_text = coldesign::FormatInteger(d.bars);

    benchmark::DoNotOptimize(floors);
    benchmark::DoNotOptimize(load);
    benchmark::DoNotOptimize(area_text);
    benchmark::DoNotOptimize(width);
    benchmark::DoNotOptimize(area);
    benchmark::DoNotOptimize(q);
    benchmark::DoNotOptimize(length_text);
    benchmark::DoNotOptimize(length);
    benchmark::DoNotOptimize(area_again);
    benchmark::DoNotOptimize(steel_text);
    benchmark::DoNotOptimize(steel);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(bars_text);
  }
}
BENCHMARK(BM_DesignColumnConversions);

// --- Columns that carry moments.

// The ordinary designs with moments about both axes that govern: 0.5 to 3 times Pu × 5 cm about
// x and 0.5 to 2 times Pu × 3 cm about y, of either sign.
std::vector<coldesign::BendingDesignInput> BendingInputs(std::size_t count) {
  std::mt19937_64 random(22);
  std::uniform_real_distribution<double> share_x(0.5, 3);
  std::uniform_real_distribution<double> share_y(0.5, 2);
  std::vector<coldesign::BendingDesignInput> out;
  for (std::size_t i = 0; i < count; ++i) {
    const ColumnDesignInput& input = Designs()[i & kMask].input;
    const double load = *coldesign::ParseNumberStrict(input.load_text) *
                        *coldesign::ParseNumberStrict(input.floors_text) * 1.1;
    out.push_back({.column = input,
                   .moment_x_t_m = (i % 2 == 0 ? 1 : -1) * share_x(random) * load * 0.05,
                   .moment_y_t_m = share_y(random) * load * 0.03,
                   .length_factor = std::nullopt});
  }
  return out;
}

void BM_DesignBendingColumn(benchmark::State& state) {
  static const auto inputs = BendingInputs(kCount);
  std::size_t i = 0;
  for (auto _ : state) {
    auto result = coldesign::DesignBendingColumn(inputs[i++ & kMask]);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_DesignBendingColumn);

constexpr std::size_t kScheduleColumns = 10000;

// A building's 10,000 columns: loads of 5 to 150 tons in steps of 0.05 on 1 to 7 floors, each
// with the moments of BendingInputs for its lowest level's Pu (0.5 to 3 times Pu × 5 cm about x,
// of either sign, 0.5 to 2 times Pu × 3 cm about y), or without them.
std::vector<coldesign::ColumnInput> ScheduleColumns(bool with_moments) {
  std::mt19937_64 random(2022);
  std::uniform_int_distribution<int> load_steps(100, 3000);
  std::uniform_int_distribution<int> floors(1, 7);
  std::uniform_real_distribution<double> share_x(0.5, 3);
  std::uniform_real_distribution<double> share_y(0.5, 2);
  std::vector<coldesign::ColumnInput> columns;
  for (std::size_t i = 0; i < kScheduleColumns; ++i) {
    const int steps = load_steps(random);
    coldesign::ColumnInput& column = columns.emplace_back();
    char text[32];
    std::snprintf(text, sizeof text, "C%zu", i + 1);
    column.mark = text;
    std::snprintf(text, sizeof text, "%d.%02d", steps / 20, steps % 20 * 5);
    column.load_text = text;
    column.floors = floors(random);
    const double load = steps / 20.0 * column.floors * 1.1;
    const double moment_x = (i % 2 == 0 ? 1 : -1) * share_x(random) * load * 0.05;
    const double moment_y = share_y(random) * load * 0.03;
    if (with_moments) {
      column.moment_x_t_m = moment_x;
      column.moment_y_t_m = moment_y;
    }
  }
  return columns;
}

// The schedule of those columns, every level designed, with their moments ...
void BM_ScheduleWithMoments(benchmark::State& state) {
  static const auto columns = ScheduleColumns(true);
  for (auto _ : state) {
    auto schedule = coldesign::DesignSchedule(columns, {});
    benchmark::DoNotOptimize(schedule);
  }
}
BENCHMARK(BM_ScheduleWithMoments)->Unit(benchmark::kMillisecond);

// ... and the same columns without.
void BM_ScheduleWithoutMoments(benchmark::State& state) {
  static const auto columns = ScheduleColumns(false);
  for (auto _ : state) {
    auto schedule = coldesign::DesignSchedule(columns, {});
    benchmark::DoNotOptimize(schedule);
  }
}
BENCHMARK(BM_ScheduleWithoutMoments)->Unit(benchmark::kMillisecond);

// Prints the ratios of the performance targets.
void PrintTargetRatios(const coldesign::bench::CpuTimeReporter& reporter) {
  struct Target {
    const char* what;
    const char* measured;
    const char* baseline;
    double limit;
  };
  static constexpr Target kTargets[] = {
      {"FormatNumber / to_chars(general, 15)", "BM_FormatNumber", "BM_ToCharsGeneral15", 1.5},
      {"ParseNumberStrict / from_chars", "BM_ParseNumberStrict", "BM_FromChars", 2.0},
      {"DesignColumn / its conversions", "BM_DesignColumn", "BM_DesignColumnConversions", 1.5},
      {"DesignBendingColumn / DesignColumn", "BM_DesignBendingColumn", "BM_DesignColumn", 250},
  };
  std::printf("\nPerformance targets (CPU time ratios of this run):\n");
  for (const Target& target : kTargets) {
    const auto ratio = reporter.Ratio(target.measured, target.baseline);
    if (!ratio) {
      std::printf("  %-40s not measured (filtered out)\n", target.what);
      continue;
    }
    std::printf("  %-40s %5.2f  (target <= %.1f: %s)\n", target.what, *ratio, target.limit,
                *ratio <= target.limit ? "met" : "MISSED");
  }
  if (const auto ratio = reporter.Ratio("BM_ScheduleWithMoments", "BM_ScheduleWithoutMoments")) {
    std::printf("  %-40s %5.2f  (for reference)\n", "schedule of 10,000 with / without moments",
                *ratio);
  }
}

}  // namespace

int main(int argc, char** argv) {
  return coldesign::bench::RunBenchmarks(argc, argv, PrintTargetRatios);
}
