// The schedule's CSV reader on files of 1 MB and 8 MB for each kind of line end (LF, CRLF, bare
// CR, a mix), each file rows among blank, indented and long blank lines. After the runs it prints,
// for each kind, the CPU time of the 8 MB file over that of the 1 MB one: a reader linear in the
// size of the text gives about 8 whatever the line ends.

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "bench/cpu_time_reporter.h"
#include "calculation/schedule_csv.h"

namespace {

constexpr std::size_t kSmallBytes = std::size_t{1} << 20;
constexpr std::size_t kLargeBytes = 8 * kSmallBytes;

struct LineEnds {
  const char* name;
  std::array<std::string_view, 3> ends;  // used in turn
};

constexpr std::array<LineEnds, 4> kLineEnds = {{
    {"LF", {"\n", "\n", "\n"}},
    {"CRLF", {"\r\n", "\r\n", "\r\n"}},
    {"CR", {"\r", "\r", "\r"}},
    {"mixed", {"\n", "\r", "\r\n"}},
}};

// A file of about `bytes`: a header, then rows, each followed by a blank line, an indented blank
// line, an indented row and a long line of blanks.
std::string File(const LineEnds& kind, std::size_t bytes) {
  std::string text;
  std::size_t next = 0;
  const auto line = [&](std::string_view content) {
    text.append(content);
    text.append(kind.ends[next++ % kind.ends.size()]);
  };
  line("mark,load,floors,count");
  const std::string long_blank(60, ' ');
  while (text.size() < bytes) {
    line("C1,12.5,1,2");
    line("");
    line("   \t");
    line("  C2,7,1,");
    line(long_blank);
  }
  return text;
}

void Read(benchmark::State& state, std::size_t bytes) {
  const LineEnds& kind = kLineEnds[static_cast<std::size_t>(state.range(0))];
  const std::string text = File(kind, bytes);
  for (auto _ : state) {
    auto csv = coldesign::ReadScheduleCsv(text);
    if (!csv) state.SkipWithError("the file was refused");
    benchmark::DoNotOptimize(csv);
  }
  state.SetLabel(kind.name);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_Read1MB(benchmark::State& state) { Read(state, kSmallBytes); }
void BM_Read8MB(benchmark::State& state) { Read(state, kLargeBytes); }

void EveryLineEnd(benchmark::internal::Benchmark* benchmark) {
  for (std::size_t i = 0; i < kLineEnds.size(); ++i) benchmark->Arg(static_cast<std::int64_t>(i));
  benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Read1MB)->Apply(EveryLineEnd);
BENCHMARK(BM_Read8MB)->Apply(EveryLineEnd);

void PrintSizeRatios(const coldesign::bench::CpuTimeReporter& reporter) {
  std::printf("\nReadScheduleCsv, 8 MB over 1 MB (CPU time, this run; 8 is linear):\n");
  for (const auto& [kind, times] : reporter.Times()) {
    const auto ratio = reporter.Ratio("BM_Read8MB", "BM_Read1MB", kind);
    if (!ratio) continue;
    std::printf("  %-6s %8.2f ms  %8.2f ms  ratio %5.1f\n", kind.c_str(), times.at("BM_Read1MB"),
                times.at("BM_Read8MB"), *ratio);
  }
}

}  // namespace

int main(int argc, char** argv) {
  return coldesign::bench::RunBenchmarks(argc, argv, PrintSizeRatios);
}
