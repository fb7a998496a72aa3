#pragma once

// The benchmarks' common reporter: it shows the runs as the console reporter does and keeps the
// CPU time per iteration of each, so that a benchmark program can print its ratios after them.
// It keeps the real (or manual) time too, for runs whose work is done by other processes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace coldesign::bench {

class CpuTimeReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal (the flag --benchmark_color is not seen by a reporter of our own).
  CpuTimeReporter() : ConsoleReporter(isatty(fileno(stdout)) != 0 ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
        times_[run.report_label][run.run_name.function_name] = run.GetAdjustedCPUTime();
        real_times_[run.report_label][run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The CPU time of `measured` over that of `baseline`, both run with `label`; nothing when
  // either was not run (filtered out).
  std::optional<double> Ratio(const std::string& measured, const std::string& baseline,
                              const std::string& label = {}) const {
    return RatioOf(times_, measured, baseline, label);
  }

  // The same with the real time, or the manual time of runs that set their own.
  std::optional<double> RealTimeRatio(const std::string& measured, const std::string& baseline,
                                      const std::string& label = {}) const {
    return RatioOf(real_times_, measured, baseline, label);
  }

  // The CPU times of every run, by label and then by benchmark function.
  const std::map<std::string, std::map<std::string, double>>& Times() const { return times_; }

 private:
  using TimesByLabel = std::map<std::string, std::map<std::string, double>>;

  static std::optional<double> RatioOf(const TimesByLabel& times, const std::string& measured,
                                       const std::string& baseline, const std::string& label) {
    const auto by_label = times.find(label);
    if (by_label == times.end()) return std::nullopt;
    const auto top = by_label->second.find(measured);
    const auto bottom = by_label->second.find(baseline);
    if (top == by_label->second.end() || bottom == by_label->second.end() || bottom->second <= 0) {
      return std::nullopt;
    }
    return top->second / bottom->second;
  }

  TimesByLabel times_;
  TimesByLabel real_times_;
};

// Runs the benchmarks the command line selects, then prints the program's ratios.
inline int RunBenchmarks(int argc, char** argv,
                         const std::function<void(const CpuTimeReporter&)>& print_ratios) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  print_ratios(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace coldesign::bench
