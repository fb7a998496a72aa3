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
#include <string>

#include "bench/cpu_time_reporter.h"
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
    if (coldesign::WriteCalculationSheetPdf(content, buffer) !=
        coldesign::SheetPdfResult::Written) {
      state.SkipWithError("not written");
    }
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

void PrintTargetRatio(const coldesign::bench::CpuTimeReporter& reporter) {
  const auto ratio = reporter.Ratio("BM_CalculationSheet", "BM_OneArabicLine");
  if (!ratio) {
    std::printf("\nThe sheet's ratio was not measured (filtered out)\n");
    return;
  }
  std::printf(
      "\nPerformance target (CPU time ratio of this run):\n  %-40s %5.2f  (target <= 2: %s)\n",
      "sheet PDF / one Arabic line PDF", *ratio, *ratio <= 2 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  return coldesign::bench::RunBenchmarks(argc, argv, PrintTargetRatio);
}
