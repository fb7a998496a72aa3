// The schedule's CSV: what the reader takes, where it says a file is wrong, what the writer
// writes, and that written columns read back the same.

#include "calculation/schedule_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace coldesign {
namespace {

using enum ScheduleField;
using enum ScheduleProblem;

struct ReadCase {
  const char* what;
  std::string text;
  std::vector<ColumnInput> columns;
  std::vector<std::size_t> lines;
  friend std::ostream& operator<<(std::ostream& os, const ReadCase& c) { return os << c.what; }
};

class ReadScheduleCsvTakes : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadScheduleCsvTakes, TheColumnsAndTheirLines) {
  const auto csv = ReadScheduleCsv(GetParam().text);
  ASSERT_TRUE(csv.has_value()) << "line " << csv.error().line << ", column " << csv.error().column
                               << ", problem " << static_cast<int>(csv.error().problem);
  EXPECT_EQ(GetParam().columns, csv->columns);
  EXPECT_EQ(GetParam().lines, csv->lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadScheduleCsvTakes,
    ::testing::Values(
        ReadCase{"English, commas, no count in the last row",
                 "mark,load,floors,count\nC1,30,4,2\nC2,10,5,\n",
                 {{"C1", "30", 4, 2}, {"C2", "10", 5, 1}},
                 {2, 3}},
        ReadCase{
            "BOM, Arabic names, semicolons, CRLF, a blank line, a quoted mark, regional digits",
            "\xEF\xBB\xBFالرمز;الحمل;الأدوار\r\n\r\n\"C;1 \"\"a\"\"\";١٢٫٥;٣\r\n ; \r\n",
            {{"C;1 \"a\"", "١٢٫٥", 3, 1}},
            {3}},
        ReadCase{
            "Another order, capitals, an unnamed column, a mark over two lines, no final break",
            "floors,Load,MARK,\n3,10,\"A\nB\",\n4,5,C,",
            {{"A\nB", "10", 3, 1}, {"C", "5", 4, 1}},
            {2, 4}},
        ReadCase{"Arabic names, floors without the hamza; a row may stop early",
                 "الرمز;الحمل;الادوار;العدد\nC1;7;2\n",
                 {{"C1", "7", 2, 1}},
                 {2}}));

struct ErrorCase {
  const char* what;
  std::string text;
  CsvError error;
  friend std::ostream& operator<<(std::ostream& os, const ErrorCase& c) { return os << c.what; }
};

class ReadScheduleCsvRefuses : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ReadScheduleCsvRefuses, NamingTheLineAndTheColumn) {
  const auto csv = ReadScheduleCsv(GetParam().text);
  ASSERT_FALSE(csv.has_value());
  EXPECT_EQ(GetParam().error.line, csv.error().line);
  EXPECT_EQ(GetParam().error.column, csv.error().column);
  EXPECT_EQ(GetParam().error.field, csv.error().field);
  EXPECT_EQ(GetParam().error.problem, csv.error().problem);
}

// 5,001 columns of 200 floors: one level more than a schedule may have, at the last row.
std::string TallBuildings() {
  std::string text = "mark,load,floors\n";
  for (int i = 0; i < 5001; ++i) text += "C,1,200\n";
  return text;
}

const std::string kTenMegabytes(10'000'000, '7');

INSTANTIATE_TEST_SUITE_P(
    Files, ReadScheduleCsvRefuses,
    ::testing::Values(
        ErrorCase{"empty", "", {0, "", {}, NoHeader}},
        ErrorCase{"a BOM and blank lines", "\xEF\xBB\xBF\r\n \n\t\n", {0, "", {}, NoHeader}},
        ErrorCase{"a header only", "mark,load,floors\r\n\r\n", {1, "", {}, NoRows}},
        ErrorCase{"an unknown column", "\nmark,load,height\n", {2, "height", {}, UnknownColumn}},
        ErrorCase{"a column twice", "mark,load,floors,الرمز\n", {1, "الرمز", Mark, RepeatedColumn}},
        ErrorCase{"no floors", "mark,load\nC1,5\n", {1, "floors", Floors, MissingColumn}},
        ErrorCase{
            "floors 0", "mark,load,floors\nC1,10,0\n", {2, "floors", Floors, FloorsOutOfRange}},
        ErrorCase{
            "a decimal comma", "mark;الحمل;floors\nC1;12,5;3\n", {2, "الحمل", Load, NotANumber}},
        ErrorCase{"a negative load after a blank line",
                  "mark,load,floors\n\nC1,-1,3\n",
                  {3, "load", Load, NegativeLoad}},
        ErrorCase{"a floors value left out",
                  "mark,load,floors\nC1,1,\n",
                  {2, "floors", Floors, MissingValue}},
        ErrorCase{"half a column",
                  "mark,load,floors,count\nC1,1,2,2.5\n",
                  {2, "count", Count, NotWholeNumber}},
        ErrorCase{"a value too many", "mark,load,floors\nC1,1,2,3\n", {2, "", {}, TooManyValues}},
        ErrorCase{
            "an unclosed quote", "mark,load,floors\n\"C1,1,2\n", {2, "mark", Mark, UnclosedQuote}},
        ErrorCase{"text after a quote",
                  "mark,load,floors\nC1,\"1\"0,2\n",
                  {2, "load", Load, TextAfterQuote}},
        ErrorCase{"a byte that is no UTF-8",
                  "mark,load,floors\nC1,1,2\nC\xFF,1,2\n",
                  {3, "", {}, NotUtf8}},
        ErrorCase{"a name cut short",
                  "mark,load,floors,0123456789012345678901234567890123456789XYZ\n",
                  {1, "0123456789012345678901234567890123456789…", {}, UnknownColumn}},
        ErrorCase{"too many levels", TallBuildings(), {5002, "floors", Floors, TooManyLevels}},
        ErrorCase{"a 10 MB mark",
                  "mark,load,floors\n" + kTenMegabytes + ",1,1\n",
                  {2, "mark", Mark, MarkTooLong}},
        ErrorCase{"a 10 MB load",
                  "mark,load,floors\nC1,x" + kTenMegabytes + ",1\n",
                  {2, "load", Load, NotANumber}},
        ErrorCase{
            "a 10 MB header of commas", std::string(10'000'000, ','), {1, "", {}, TooManyValues}}));

// --- Writing.

TEST(WriteScheduleCsv, WritesEveryLevelWithTheDesignsTextsAndEmptyCellsOnFailure) {
  const Schedule schedule = DesignSchedule({{"C,1", "30", 4, 2}, {"", "1e300", 1, 1}}, {});
  const std::string rows =
      "\"C,1\",2,1,4,1182.58376635012,30,40,11.8258376635012,6,16,ok\n"
      "\"C,1\",2,2,3,886.937824762587,30,30,8.86937824762587,4,16,ok\n"
      "\"C,1\",2,3,2,591.291883175058,30,30,5.91291883175058,4,16,ok\n"
      "\"C,1\",2,4,1,295.645941587529,30,30,5.4,4,16,ok\n"
      ",1,1,1,,,,,,,overflow\n";
  const std::string header =
      "\xEF\xBB\xBFmark,count,level,floors_carried,required_area_cm2,width_cm,length_cm,"
      "steel_area_cm2,bars,bar_diameter_mm,status\n";
  EXPECT_EQ(header + rows, WriteScheduleCsv(schedule));
  EXPECT_EQ(header + "\"C,1\",2,1,4,1182.58376635012,30,40,11.8258376635012,6,16,ok\n" +
                ",1,1,1,,,,,,,overflow\n",
            WriteScheduleCsv(schedule, CsvLevels::LowestOnly));
}

// A schedule of some 300 kB goes out in several pieces, each of whole rows, every level once;
// the first piece refused stops it.
TEST(WriteScheduleCsv, InPiecesOfWholeRowsAndStopsWhenRefused) {
  std::vector<ColumnInput> columns;
  std::size_t levels = 0;
  for (int i = 1; i <= 1000; ++i) {
    columns.push_back({"C" + std::to_string(i), std::to_string(i % 300) + ".5", 1 + i % 7, 1});
    levels += static_cast<std::size_t>(columns.back().floors);
  }
  const Schedule schedule = DesignSchedule(columns, {});
  std::vector<std::string> pieces;
  EXPECT_TRUE(WriteScheduleCsv(schedule, CsvLevels::All, [&pieces](std::string_view piece) {
    pieces.emplace_back(piece);
    return true;
  }));
  EXPECT_GT(pieces.size(), 2U);
  std::size_t lines = 0;
  for (const std::string& piece : pieces) {
    EXPECT_TRUE(piece.ends_with('\n'));
    lines += static_cast<std::size_t>(std::ranges::count(piece, '\n'));
  }
  EXPECT_EQ(1 + levels, lines);
  int offered = 0;
  EXPECT_FALSE(WriteScheduleCsv(schedule, CsvLevels::All, [&offered](std::string_view) {
    ++offered;
    return false;
  }));
  EXPECT_EQ(1, offered);

  // A mark longer than a piece (never one that ReadEntry takes) goes out whole all the same.
  const std::string long_mark(100'000, 'x');
  std::string expected = WriteScheduleCsv(DesignSchedule({{"x", "30", 2, 1}}, {}));
  for (std::size_t at = 0; (at = expected.find("\nx,", at)) != std::string::npos;) {
    expected.replace(at + 1, 1, long_mark);
    at += long_mark.size();
  }
  EXPECT_EQ(expected, WriteScheduleCsv(DesignSchedule({{long_mark, "30", 2, 1}}, {})));
}

TEST(ScheduleCsvRoundTrip, WrittenColumnsReadBackToTheSameSchedule) {
  const std::vector<ColumnEntry> entries = {{"C1", "30", "4", "2"},
                                            {"C\"2\", corner", "١٢٫٥", "٣", ""},
                                            {"عمود;3", " 7 ", "9", "1"},
                                            {"two\nlines", "0", "1", "100000"},
                                            {"", "1e300", "2", ""}};
  const auto csv = ReadScheduleCsv(WriteEntriesCsv(entries));
  ASSERT_TRUE(csv.has_value()) << "line " << csv.error().line;
  std::vector<ColumnInput> direct;
  for (const ColumnEntry& entry : entries) direct.push_back(*ReadEntry(entry));
  EXPECT_EQ(direct, csv->columns);
  EXPECT_EQ((std::vector<std::size_t>{2, 3, 4, 5, 7}), csv->lines);
  const DesignMaterials materials{.width_cm = 25, .bar_diameter_mm = 20};
  EXPECT_EQ(WriteScheduleCsv(DesignSchedule(direct, materials)),
            WriteScheduleCsv(DesignSchedule(csv->columns, materials)));
}

}  // namespace
}  // namespace coldesign
