// The input guard on a 100 kB paste beside one IsNumericText call on the same text. After the
// runs it prints, for each kind of paste, the ratio of the two CPU times: a guard linear in the
// length of the text stays within a small constant of the single parse.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "calculation/input_guard.h"
#include "calculation/numeric_text.h"

namespace {

constexpr std::size_t kPasteBytes = 100'000;

std::string Repeated(const std::string& unit, std::size_t bytes) {
  std::string out;
  while (out.size() < bytes) out += unit;
  return out;
}

// A paste into an empty field (the caret after it), and what it is made of.
struct Paste {
  const char* name;
  std::string text;
};

const std::vector<Paste>& Pastes() {
  static const std::vector<Paste> pastes = {
      {"letters", Repeated("a", kPasteBytes)},
      {"digits", Repeated("7", kPasteBytes)},
      {"arabic_digits", Repeated("\xD9\xA3", kPasteBytes)},
      {"digits_with_exponent", Repeated("7", kPasteBytes - 5) + "e-300"},
      {"mixed", Repeated("1a2b3c ", kPasteBytes)},
      {"digits_in_marks", "\xE2\x80\x8F" + Repeated("7", kPasteBytes) + "\xC2\xA0"},
      {"thousands", Repeated("1,000", kPasteBytes)},
  };
  return pastes;
}

void BM_GuardedText(benchmark::State& state) {
  const std::string& text = Pastes()[static_cast<std::size_t>(state.range(0))].text;
  for (auto _ : state) {
    auto guarded = coldesign::GuardedText(text, text.size(), "");
    benchmark::DoNotOptimize(guarded);
  }
  state.SetLabel(Pastes()[static_cast<std::size_t>(state.range(0))].name);
}

void BM_IsNumericText(benchmark::State& state) {
  const std::string& text = Pastes()[static_cast<std::size_t>(state.range(0))].text;
  for (auto _ : state) {
    bool numeric = coldesign::IsNumericText(text);
    benchmark::DoNotOptimize(numeric);
  }
  state.SetLabel(Pastes()[static_cast<std::size_t>(state.range(0))].name);
}

void AllPastes(benchmark::internal::Benchmark* benchmark) {
  for (std::size_t i = 0; i < Pastes().size(); ++i) {
    benchmark->Arg(static_cast<std::int64_t>(i));
  }
  benchmark->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_GuardedText)->Apply(AllPastes);
BENCHMARK(BM_IsNumericText)->Apply(AllPastes);

// Prints, for each kind of paste, the guard's CPU time beside the single parse's.
void PrintPasteRatios(const coldesign::bench::CpuTimeReporter& reporter) {
  std::printf("\nGuardedText / IsNumericText on a 100 kB paste (CPU time, this run):\n");
  for (const auto& [paste, times] : reporter.Times()) {
    const auto ratio = reporter.Ratio("BM_GuardedText", "BM_IsNumericText", paste);
    if (!ratio) continue;
    std::printf("  %-22s %8.1f us  %8.1f us  ratio %6.1f\n", paste.c_str(),
                times.at("BM_GuardedText"), times.at("BM_IsNumericText"), *ratio);
  }
}

}  // namespace

int main(int argc, char** argv) {
  return coldesign::bench::RunBenchmarks(argc, argv, PrintPasteRatios);
}
