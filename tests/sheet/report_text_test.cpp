// A design's report said in the program's language: every text it names is in the catalogue,
// its arguments filled once each.

#include "sheet/report_text.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScopeGuard>

#include "translations/program_language.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// Every text of the report, the sentences' parts one by one.
std::vector<ReportText> Texts(const DesignReport& report) {
  std::vector<ReportText> texts = {
      report.title,         report.subtitle,     report.document_title,
      report.inputs_title,  report.steps_title,  report.chosen_title,
      report.drawing_title, report.limits_title, report.results_heading};
  for (const auto* rows : {&report.inputs, &report.chosen, &report.results}) {
    for (const ReportRow& row : *rows) texts.push_back(row.label);
  }
  for (const ReportStep& step : report.steps) {
    texts.push_back(step.title);
    texts.insert(texts.end(), step.note.begin(), step.note.end());
  }
  for (const ReportSentence& line : report.limits)
    texts.insert(texts.end(), line.begin(), line.end());
  texts.insert(texts.end(), report.drawing_assumptions.begin(), report.drawing_assumptions.end());
  return texts;
}

// Designs whose reports between them name every rule: raised to the least length and bars,
// raised to a multiple and to an even count, nothing raised, and beyond the floors' limit.
TEST(ReportText, EveryTextIsInTheCatalogueInEnglish) {
  UseLanguage(Language::English);
  const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
  static const QRegularExpression kArabic(u"[\\x{0600}-\\x{06FF}]"_s);
  for (const auto& [load, floors] :
       {std::pair{"10", "8"}, {"30", "4"}, {"50", "7"}, {"100", "7"}}) {
    const ColumnDesignInput input = DesignInput(load, floors, {});
    for (const ReportText& text : Texts(ReportDesign(input, *DesignColumn(input)))) {
      const QString said = Said(text);
      EXPECT_FALSE(said.isEmpty() || said == QString::fromUtf8(text.key)) << text.key;
      EXPECT_FALSE(said.contains(kArabic)) << text.key << ": " << said.toStdString();
      EXPECT_FALSE(said.contains(QRegularExpression(u"%\\d"_s))) << text.key;
    }
  }
}

// Each place filled once, as QString::arg fills them; a figure with its unit kept together.
TEST(ReportText, FillsEachPlaceOnce) {
  EXPECT_EQ(Said(ReportText{"sheet.bars-raised-to-even", {{"%2"}, {"18"}}}),
            u"قرب الناتج إلى %2 ثم رفع إلى العدد الزوجي 18."_s);
  EXPECT_EQ(Said(ReportText{"sheet.bars-raised-to-least", {{"4"}}}),
            u"الناتج أقل من 4، فرفع العدد إلى الحد الأدنى 4 أسياخ."_s);
  EXPECT_EQ(Said(ReportSentence{{"sheet.drawing-cover", {{"25 mm", true}}}, {"sheet.bars-kept"}}),
            u"• غطاء خرساني صاف \u202A25 mm\u202Cلم ترفع القاعدة العدد."_s);
}

}  // namespace
}  // namespace coldesign
