// The results as they go to the clipboard.

#include "sheet/results_text.h"

#include <gtest/gtest.h>

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(ResultsText, PlainAndHtmlHoldTheInputsAndResultsWithUnits) {
  SheetContent content;
  content.input = {"١٠٠", "7"};
  content.result = {"6898.40530370901", "230", "68.9840530370901", "34", {}};
  const QStringList wanted = {
      u"١٠٠ t"_s, u"7"_s, u"6898.40530370901 cm²"_s, u"30 × 230 cm"_s, u"68.9840530370901 cm²"_s,
      u"34 Φ16"_s};
  const QString plain = ResultsPlainText(content);
  const QString html = ResultsHtml(content);
  for (const QString& value : wanted) {
    EXPECT_TRUE(plain.contains(value)) << value.toStdString();
    EXPECT_TRUE(html.contains(value)) << value.toStdString();
  }
  EXPECT_TRUE(plain.contains(u"عدد الأسياخ: 34 Φ16\n"_s)) << plain.toStdString();
  EXPECT_TRUE(html.startsWith(u"<table dir=\"rtl\""_s)) << html.toStdString();
}

TEST(ResultsText, HtmlEscapesWhatItQuotes) {
  SheetContent content;
  content.input = {"<b>1", "7"};
  EXPECT_FALSE(ResultsHtml(content).contains(u"<b>1"_s));
}

}  // namespace
}  // namespace coldesign
