// A design's report and the schedule's tables said in the program's language: every text they
// name is in the catalogue, its arguments filled once each.

#include "sheet/report_text.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScopeGuard>
#include <algorithm>
#include <optional>
#include <vector>

#include "calculation/bending_report.h"
#include "calculation/schedule_rows.h"
#include "translations/program_language.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// Designs whose reports between them name every rule: raised to the least length and bars,
// raised to a multiple and to an even count, nothing raised, and beyond the floors' limit.
TEST(ReportText, EveryTextIsInTheCatalogueInEnglish) {
  UseLanguage(Language::English);
  const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
  static const QRegularExpression kArabic(u"[\\x{0600}-\\x{06FF}]"_s);
  for (const auto& [load, floors] :
       {std::pair{"10", "8"}, {"30", "4"}, {"50", "7"}, {"100", "7"}}) {
    const ColumnDesignInput input = DesignInput(load, floors, {});
    for (const ReportLine& line : ReportDesign(input, *DesignColumn(input))) {
      const ReportText& text = line.text;
      if (text.key.empty()) continue;  // a formula, the same in every language
      const QString said = Said(text);
      EXPECT_FALSE(said.isEmpty() || said == QString::fromUtf8(text.key)) << text.key;
      EXPECT_FALSE(said.contains(kArabic)) << text.key << ": " << said.toStdString();
      EXPECT_FALSE(said.contains(QRegularExpression(u"%\\d"_s))) << text.key;
    }
  }
}

// Moment sheets between them name every text of the moment section: short and slender about
// each axis, braced and unbraced, k given and not, moments within the least eccentricity's.
TEST(ReportText, EveryMomentTextIsInTheCatalogueInEnglish) {
  UseLanguage(Language::English);
  const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
  static const QRegularExpression kArabic(u"[\\x{0600}-\\x{06FF}]"_s);
  const auto input = [](double mx, double my, double height, bool unbraced,
                        std::optional<double> k) {
    return BendingDesignInput{.column = DesignInput("40", "2", {}),
                              .moment_x_t_m = mx,
                              .moment_y_t_m = my,
                              .column_height_m = height,
                              .unbraced = unbraced,
                              .length_factor = k};
  };
  for (const BendingDesignInput& moments :
       {input(12, 3, 3, false, std::nullopt), input(0.5, 0, 3, false, std::nullopt),
        input(4, 0, 3, true, 1.2), input(0, 0, 6, false, std::nullopt)}) {
    const auto result = DesignBendingColumn(moments);
    ASSERT_TRUE(result.has_value());
    for (const ReportLine& line : ReportBendingDesign(moments, *result)) {
      if (line.text.key.empty()) continue;
      const QString said = Said(line.text);
      EXPECT_FALSE(said.isEmpty() || said == QString::fromUtf8(line.text.key)) << line.text.key;
      EXPECT_FALSE(said.contains(kArabic)) << line.text.key << ": " << said.toStdString();
      EXPECT_FALSE(said.contains(QRegularExpression(u"%\\d"_s))) << line.text.key;
    }
  }
}

// The schedule's tables of a building with a failed level and a repeated mark name every text
// they can: each said in English, its places filled.
TEST(ReportText, EveryScheduleTextIsInTheCatalogueInEnglish) {
  UseLanguage(Language::English);
  const auto back_to_arabic = qScopeGuard([] { UseLanguage(Language::Arabic); });
  static const QRegularExpression kArabic(u"[\\x{0600}-\\x{06FF}]"_s);
  const Schedule schedule =
      DesignSchedule({{"C1", "100", 2, 1}, {"C1", "1e300", 1, 1}}, DesignMaterials{});
  std::vector<ReportText> texts = ScheduleSummaryLines(schedule);
  const auto key = [&texts](std::string_view text) { texts.push_back({text, {}}); };
  std::ranges::for_each(kLevelTitles, key);
  std::ranges::for_each(kTypeTitles, key);
  std::vector<ScheduleCell> cells;
  for (const TypesRow& row : TypesRows(schedule))
    cells.insert(cells.end(), row.cells.begin(), row.cells.end());
  for (const ScheduleColumn& column : schedule.columns) {
    for (int cell = 0; cell <= static_cast<int>(LevelCell::BarSet); ++cell) {
      cells.push_back(LevelCellOf(schedule, column, 1, static_cast<LevelCell>(cell)));
    }
  }
  for (const ScheduleCell& cell : cells) {
    if (cell.kind == CellKind::Text) key(cell.text);
    if (!cell.note.empty()) key(cell.note);
  }
  ASSERT_GE(texts.size(), 3U + kLevelTitles.size() + kTypeTitles.size() + 4U);
  for (const ReportText& text : texts) {
    const QString said = Said(text, FigureMarks::Isolate);
    EXPECT_FALSE(said.isEmpty() || said == QString::fromUtf8(text.key)) << text.key;
    EXPECT_FALSE(said.contains(kArabic)) << text.key << ": " << said.toStdString();
    EXPECT_FALSE(said.contains(QRegularExpression(u"%\\d"_s))) << text.key;
  }
}

// Each place filled once, as QString::arg fills them; a figure with its unit kept together.
TEST(ReportText, FillsEachPlaceOnce) {
  EXPECT_EQ(Said(ReportText{"sheet.bars-raised-to-even", {{"%2"}, {"18"}}}),
            u"قرب الناتج إلى %2 ثم رفع إلى العدد الزوجي 18."_s);
  EXPECT_EQ(Said(ReportText{"sheet.bars-raised-to-least", {{"4"}}}),
            u"الناتج أقل من 4، فرفع العدد إلى الحد الأدنى 4 أسياخ."_s);
  EXPECT_EQ(Said(ReportText{"sheet.drawing-cover", {{"25 mm", true}}}),
            u"• غطاء خرساني صاف \u202A25 mm\u202C"_s);
}

}  // namespace
}  // namespace coldesign
