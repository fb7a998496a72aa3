// The calculation sheet beside the least a PDF with Arabic text costs. After the runs it prints
// the ratio of the performance target:
//   the sheet of 100 t on seven floors, built and written as PDF to memory
//   / a one-page PDF with one line of Arabic in the same font, written with QPdfWriter
//                                                                          target <= 2

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <map>
#include <string>

#include "sheet/calculation_sheet.h"
#include "sheet/page_painter.h"

namespace {

using namespace Qt::Literals::StringLiterals;

void BM_CalculationSheet(benchmark::State& state) {
  for (auto _ : state) {
    coldesign::SheetContent content;
    content.input = {"100", "7"};
    content.result = *coldesign::DesignColumn(content.input);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    if (!coldesign::WriteCalculationSheetPdf(content, buffer)) state.SkipWithError("not written");
    benchmark::DoNotOptimize(pdf.data());
  }
}
BENCHMARK(BM_CalculationSheet)->Unit(benchmark::kMillisecond);

void BM_OneArabicLine(benchmark::State& state) {
  for (auto _ : state) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter painter(&writer);
    painter.setFont(coldesign::SheetFont(13));
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.drawText(QRectF(0, 600, writer.width() - 600, 400), Qt::AlignRight,
                     u"ورقة حساب عمود خرساني مسلح"_s);
    painter.end();
    benchmark::DoNotOptimize(pdf.data());
  }
}
BENCHMARK(BM_OneArabicLine)->Unit(benchmark::kMillisecond);

// Keeps the CPU time per iteration of every run, to print the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatio() const {
    const auto sheet = times_.find("BM_CalculationSheet");
    const auto line = times_.find("BM_OneArabicLine");
    if (sheet == times_.end() || line == times_.end() || line->second <= 0) {
      std::printf("\nThe sheet's ratio was not measured (filtered out)\n");
      return;
    }
    const double ratio = sheet->second / line->second;
    std::printf(
        "\nPerformance target (CPU time ratio of this run):\n  %-40s %5.2f  (target <= 2: %s)\n",
        "sheet PDF / one Arabic line PDF", ratio, ratio <= 2 ? "met" : "MISSED");
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio();
  benchmark::Shutdown();
  return 0;
}
