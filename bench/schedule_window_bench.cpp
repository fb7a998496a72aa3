// The schedule window filled with a building's columns, as an engineer's paste or opened file
// fills it: the table's model set, the levels and types worked out once and the window painted.
// After the runs it prints
//   2,000 columns / 20 columns                     (100 when the cost grows linearly)
//   the same per column                            (1 when linear; at most 1.5 is the aim)
//   a paste over 2,000 rows, undone and redone / the fill (three changes of the table: about 3)
//   1 MB of lone quotes / 1 MB of plain rows read as a paste (1 when the quotes cost nothing)

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/cpu_time_reporter.h"
#include "windows/application_setup.h"
#include "windows/pasted_rows.h"
#include "windows/schedule_window.h"

namespace {

using coldesign::ColumnEntry;
using namespace Qt::Literals::StringLiterals;

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

// Rows copied from a spreadsheet over every row of the table, then Ctrl+Z and Ctrl+Y.
void BM_PasteOverManyColumnsUndoRedo(benchmark::State& state) {
  coldesign::ScheduleWindow window({});
  window.show();
  QApplication::processEvents();
  const std::vector<ColumnEntry> columns = Columns(kMany);
  QString pasted;
  for (const ColumnEntry& column : columns) {
    pasted += QString::fromStdString("P" + column.mark + '\t' + column.load_text + '\t' +
                                     column.floors_text + '\t' + column.count_text + '\n');
  }
  const auto settle = [&window] {
    while (window.schedule().columns.size() != static_cast<std::size_t>(kMany)) {
      QApplication::processEvents();
    }
    QApplication::processEvents();  // the change's recompute
    window.repaint();
  };
  for (auto _ : state) {
    state.PauseTiming();
    window.columnsModel()->setEntries(columns);
    settle();
    state.ResumeTiming();
    window.edits()->paste(pasted, window.columnsModel()->index(0, 0));
    settle();
    window.edits()->steps()->undo();
    settle();
    window.edits()->steps()->redo();
    settle();
  }
}
BENCHMARK(BM_PasteOverManyColumnsUndoRedo)->Unit(benchmark::kMillisecond);

constexpr int kPastedBytes = 1 << 20;

void ReadPaste(benchmark::State& state, const QString& line) {
  QString text;
  while (text.size() < kPastedBytes) text += line;
  for (auto _ : state) benchmark::DoNotOptimize(coldesign::ReadPastedRows(text));
}

void BM_ReadPastedPlainRows(benchmark::State& state) { ReadPaste(state, u"C1\t100\n"_s); }
BENCHMARK(BM_ReadPastedPlainRows)->Unit(benchmark::kMillisecond);

// Each line opens a quote that no later quote closes.
void BM_ReadPastedLoneQuotes(benchmark::State& state) { ReadPaste(state, u"\"C1\t10\n"_s); }
BENCHMARK(BM_ReadPastedLoneQuotes)->Unit(benchmark::kMillisecond);

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
  if (const auto paste = reporter.Ratio("BM_PasteOverManyColumnsUndoRedo", "BM_FillManyColumns")) {
    std::printf("  %-40s %7.2f  (three changes of the table: about 3)\n",
                "paste over 2,000 rows, undo, redo / fill", *paste);
  }
  if (const auto quotes = reporter.Ratio("BM_ReadPastedLoneQuotes", "BM_ReadPastedPlainRows")) {
    std::printf("  %-40s %7.2f  (1 when linear)\n", "1 MB of lone quotes / plain rows", *quotes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  coldesign::SetUpApplication(app);  // the program's resources, fonts and direction
  return coldesign::bench::RunBenchmarks(argc, argv, PrintRatios);
}
