// The schedule window filled with a building's columns, as an engineer's paste or opened file
// fills it: the table's model set, the levels and types worked out once and the window painted.
// After the runs it prints
//   2,000 columns / 20 columns                     (100 when the cost grows linearly)
//   the same per column                            (1 when linear; at most 1.5 is the aim)

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "windows/application_setup.h"
#include "windows/schedule_window.h"

namespace {

using coldesign::ColumnEntry;

constexpr int kFew = 20;
constexpr int kMany = 2000;

// Columns of one to nine floors, as in a building of mixed heights.
std::vector<ColumnEntry> Columns(int count) {
  std::vector<ColumnEntry> columns;
  for (int i = 0; i < count; ++i) {
    ColumnEntry& column = columns.emplace_back();
    column.mark = 'C';
    column.mark += std::to_string(i + 1);
    column.load_text = std::to_string(10 * (i % 9 + 1));
    column.floors_text = std::to_string(i % 9 + 1);
    column.count_text = std::to_string(i % 3 + 1);
  }
  return columns;
}

void Fill(benchmark::State& state, int count) {
  coldesign::ScheduleWindow window({});
  window.show();
  QApplication::processEvents();
  const std::vector<ColumnEntry> columns = Columns(count);
  for (auto _ : state) {
    window.columnsModel()->setEntries(columns);
    while (window.schedule().columns.size() != static_cast<std::size_t>(count)) {
      QApplication::processEvents();
    }
    window.repaint();
    state.PauseTiming();
    window.columnsModel()->setEntries({});
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_FillFewColumns(benchmark::State& state) { Fill(state, kFew); }
BENCHMARK(BM_FillFewColumns)->Unit(benchmark::kMillisecond);

void BM_FillManyColumns(benchmark::State& state) { Fill(state, kMany); }
BENCHMARK(BM_FillManyColumns)->Unit(benchmark::kMillisecond);

void PrintRatios(const coldesign::bench::CpuTimeReporter& reporter) {
  const auto ratio = reporter.Ratio("BM_FillManyColumns", "BM_FillFewColumns");
  if (!ratio) {
    std::printf("\nThe schedule window's ratio was not measured (filtered out)\n");
    return;
  }
  const double per_column = *ratio / (static_cast<double>(kMany) / kFew);
  std::printf(
      "\nSchedule window (CPU time ratio of this run):\n"
      "  %-40s %7.2f\n  %-40s %7.2f  (aim <= 1.5: %s)\n",
      "2,000 columns / 20 columns", *ratio, "the same per column", per_column,
      per_column <= 1.5 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  coldesign::SetUpApplication(app);  // the program's resources, fonts and direction
  return coldesign::bench::RunBenchmarks(argc, argv, PrintRatios);
}
