// The schedule's drawing through the command line: `column-designer schedule FILE -o OUT.dxf`
// and `-o OUT.pdf` (the tables, then the drawing's pages) on a building of 2,000 columns of 1
// to 9 floors, each beside `-o OUT.csv` on the same file, costed as the CPU time of the
// program's process (start-up included); and the size of the DXF file. The drawing's own steps
// are timed in this process too, for reference.

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
#include "calculation/schedule_drawing.h"
#include "dxf/schedule_dxf.h"

extern char** environ;

namespace {

constexpr int kBuildingColumns = 2000;

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("drawing_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

// Loads of 5 to 150 t to the 2.5 t, as a building's loads are often written, 1 to 9 floors, 1 to
// 4 columns alike.
const std::string& Building() {
  static const std::string text = [] {
    std::mt19937_64 random(2024);
    std::uniform_int_distribution<int> steps(2, 60);
    std::uniform_int_distribution<int> floors(1, 9);
    std::uniform_int_distribution<int> count(1, 4);
    std::ostringstream csv;
    csv << "mark,load,floors,count\n";
    for (int i = 1; i <= kBuildingColumns; ++i) {
      const int tenths = steps(random) * 25;
      csv << 'C' << i << ',' << tenths / 10 << '.' << tenths % 10 << ',' << floors(random) << ','
          << count(random) << '\n';
    }
    return csv.str();
  }();
  return text;
}

const std::string& BuildingFile() {
  static const std::string path = [] {
    const std::filesystem::path file = Folder() / "building.csv";
    std::ofstream(file, std::ios::binary) << Building();
    return file.string();
  }();
  return path;
}

// Runs the program on the building and gives the CPU time its process took, in seconds.
double ProgramCpuSeconds(const std::string& output) {
  std::vector<std::string> arguments = {COLDESIGN_PROGRAM, "schedule", BuildingFile(), "-o",
                                        output};
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

void RunProgram(benchmark::State& state, const char* output_name) {
  const std::string output = (Folder() / output_name).string();
  for (auto _ : state) {
    const double seconds = ProgramCpuSeconds(output);
    if (seconds < 0) {
      state.SkipWithError("the program failed");
      return;
    }
    state.SetIterationTime(seconds);
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(output));
}

void BM_CsvThroughTheProgram(benchmark::State& state) { RunProgram(state, "out.csv"); }
BENCHMARK(BM_CsvThroughTheProgram)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DxfThroughTheProgram(benchmark::State& state) { RunProgram(state, "out.dxf"); }
BENCHMARK(BM_DxfThroughTheProgram)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PdfThroughTheProgram(benchmark::State& state) { RunProgram(state, "out.pdf"); }
BENCHMARK(BM_PdfThroughTheProgram)->UseManualTime()->Unit(benchmark::kMillisecond);

// --- The drawing's steps, in this process.

const coldesign::Schedule& WholeSchedule() {
  static const coldesign::Schedule schedule =
      coldesign::DesignSchedule(coldesign::ReadScheduleCsv(Building())->columns, {});
  return schedule;
}

void BM_DrawSchedule(benchmark::State& state) {
  for (auto _ : state) {
    auto drawing = coldesign::DrawSchedule(WholeSchedule(), {});
    benchmark::DoNotOptimize(drawing);
  }
}
BENCHMARK(BM_DrawSchedule)->Unit(benchmark::kMillisecond);

// The texts as their figures alone: the catalogue is the program's, not this process's.
void BM_ScheduleDxf(benchmark::State& state) {
  const coldesign::ScheduleDrawing drawing = coldesign::DrawSchedule(WholeSchedule(), {});
  const auto figures = [](const coldesign::DrawingText& text) {
    return text.figures.empty() ? std::string() : text.figures.front();
  };
  for (auto _ : state) {
    auto dxf = coldesign::ScheduleDxf(drawing, figures);
    benchmark::DoNotOptimize(dxf);
  }
  state.counters["types"] = static_cast<double>(WholeSchedule().types.size());
}
BENCHMARK(BM_ScheduleDxf)->Unit(benchmark::kMillisecond);

void PrintRatios(const coldesign::bench::CpuTimeReporter& reporter) {
  std::printf("\nThe drawing beside the CSV (CPU time of the program's process, this run):\n");
  for (const auto& [what, measured] :
       {std::pair{"DXF / CSV", "BM_DxfThroughTheProgram"},
        std::pair{"PDF with drawing / CSV", "BM_PdfThroughTheProgram"}}) {
    const auto ratio = reporter.RealTimeRatio(measured, "BM_CsvThroughTheProgram");
    if (ratio) {
      std::printf("  %-24s %6.2f\n", what, *ratio);
    } else {
      std::printf("  %-24s not measured (filtered out)\n", what);
    }
  }
  const std::filesystem::path dxf = Folder() / "out.dxf";
  if (std::filesystem::exists(dxf)) {
    std::printf("  DXF file: %.1f MB\n",
                static_cast<double>(std::filesystem::file_size(dxf)) / (1024.0 * 1024.0));
  }
  std::filesystem::remove_all(Folder());
}

}  // namespace

int main(int argc, char** argv) { return coldesign::bench::RunBenchmarks(argc, argv, PrintRatios); }
