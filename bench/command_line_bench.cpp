// The schedule through the command line: `column-designer schedule FILE -o OUT.csv` on a
// building of 10,000 columns of 1 to 9 floors against the same command on one column, each
// costed as the CPU time of the program's process (start-up included). Target: at most 3×.
// Two buildings: one where nearly every column has a load of its own, the hardest case since a
// load is designed once for all the columns that carry it, and one of loads rounded to 2.5 t.
// The library calls the command makes are timed in this process too, for reference.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "calculation/column_schedule.h"
#include "calculation/schedule_csv.h"

extern char** environ;

namespace {

constexpr int kBuildingColumns = 10000;

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("command_line_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

// Loads of 5 to 150 t in steps of `load_step` hundredths of a ton, 1 to 9 floors, 1 to 4 columns
// alike.
std::string BuildingCsv(int columns, int load_step) {
  std::mt19937_64 random(2024);
  std::uniform_int_distribution<int> load_steps(500 / load_step, 15000 / load_step);
  std::uniform_int_distribution<int> floors(1, 9);
  std::uniform_int_distribution<int> count(1, 4);
  std::ostringstream csv;
  csv << "mark,load,floors,count\n";
  for (int i = 1; i <= columns; ++i) {
    const int hundredths = load_steps(random) * load_step;
    csv << 'C' << i << ',' << hundredths / 100 << '.' << hundredths % 100 / 10 << hundredths % 10
        << ',' << floors(random) << ',' << count(random) << '\n';
  }
  return csv.str();
}

// Nearly every column its own load: 0.05 t steps, some 2,900 loads.
const std::string& Building() {
  static const std::string text = BuildingCsv(kBuildingColumns, 5);
  return text;
}

// Loads as a building's are often written, to the 2.5 t: some 60 loads.
const std::string& BuildingOfRoundLoads() {
  static const std::string text = BuildingCsv(kBuildingColumns, 250);
  return text;
}

std::string Written(const std::string& name, const std::string& text) {
  const std::filesystem::path path = Folder() / name;
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

// Runs the program on the file and gives the CPU time its process took, in seconds.
double ProgramCpuSeconds(const std::string& input, const std::string& output) {
  std::vector<std::string> arguments = {COLDESIGN_PROGRAM, "schedule", input, "-o", output};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return -1;
  }
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunProgram(benchmark::State& state, const std::string& input) {
  const std::string output = (Folder() / "out.csv").string();
  for (auto _ : state) {
    const double seconds = ProgramCpuSeconds(input, output);
    if (seconds < 0) {
      state.SkipWithError("the program failed");
      return;
    }
    state.SetIterationTime(seconds);
  }
}

void BM_OneColumnThroughTheProgram(benchmark::State& state) {
  RunProgram(state, Written("one.csv", "mark,load,floors,count\nC1,50,7,1\n"));
}
BENCHMARK(BM_OneColumnThroughTheProgram)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BuildingThroughTheProgram(benchmark::State& state) {
  RunProgram(state, Written("building.csv", Building()));
}
BENCHMARK(BM_BuildingThroughTheProgram)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BuildingOfRoundLoadsThroughTheProgram(benchmark::State& state) {
  RunProgram(state, Written("round.csv", BuildingOfRoundLoads()));
}
BENCHMARK(BM_BuildingOfRoundLoadsThroughTheProgram)->UseManualTime()->Unit(benchmark::kMillisecond);

// --- The library calls of the command, in this process.

void BM_ReadScheduleCsv(benchmark::State& state) {
  for (auto _ : state) {
    auto csv = coldesign::ReadScheduleCsv(Building());
    benchmark::DoNotOptimize(csv);
  }
}
BENCHMARK(BM_ReadScheduleCsv)->Unit(benchmark::kMillisecond);

void BM_DesignSchedule(benchmark::State& state) {
  const auto csv = coldesign::ReadScheduleCsv(Building());
  for (auto _ : state) {
    auto schedule = coldesign::DesignSchedule(csv->columns, {});
    benchmark::DoNotOptimize(schedule);
  }
}
BENCHMARK(BM_DesignSchedule)->Unit(benchmark::kMillisecond);

void BM_WriteScheduleCsv(benchmark::State& state) {
  const auto schedule =
      coldesign::DesignSchedule(coldesign::ReadScheduleCsv(Building())->columns, {});
  for (auto _ : state) {
    auto text = coldesign::WriteScheduleCsv(schedule);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_WriteScheduleCsv)->Unit(benchmark::kMillisecond);

void PrintTargetRatio(const coldesign::bench::CpuTimeReporter& reporter) {
  struct Target {
    const char* what;
    const char* measured;
  };
  static constexpr Target kTargets[] = {
      {"10,000 columns / one column", "BM_BuildingThroughTheProgram"},
      {"10,000 columns, round loads / one", "BM_BuildingOfRoundLoadsThroughTheProgram"},
  };
  std::printf("\nPerformance target (CPU time of the program's process, this run):\n");
  for (const Target& target : kTargets) {
    const auto ratio = reporter.RealTimeRatio(target.measured, "BM_OneColumnThroughTheProgram");
    if (!ratio) {
      std::printf("  %-36s not measured (filtered out)\n", target.what);
      continue;
    }
    std::printf("  %-36s %5.2f  (target <= 3: %s)\n", target.what, *ratio,
                *ratio <= 3 ? "met" : "MISSED");
  }
  std::filesystem::remove_all(Folder());
}

}  // namespace

int main(int argc, char** argv) {
  return coldesign::bench::RunBenchmarks(argc, argv, PrintTargetRatio);
}
