// The schedule's CSV: what the reader takes, where it says a file is wrong, what the writer
// writes, and that written columns read back the same.

#include "calculation/schedule_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/design_rules.h"

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
        ReadCase{"Another order, capitals, an unnamed value over two lines, no final break",
                 "floors,Load,MARK,\n3,10,A,\"x\ny\"\n4,5,C,",
                 {{"A", "10", 3, 1}, {"C", "5", 4, 1}},
                 {2, 4}},
        ReadCase{"Bare CR ends, blank and indented lines, a value over two lines",
                 "\r \rmark,load,floors,\r\r  C1,1,2,\"a\rb\"\r\t\r C2 ,3,4,\r",
                 {{"C1", "1", 2, 1}, {"C2", "3", 4, 1}},
                 {5, 8}},
        ReadCase{"Mixed ends, each a line: LF, CRLF, CR, LF CR as two",
                 "mark,load,floors\nC1,1,1\r\nC2,2,2\rC3,3,3\n\rC4,4,4",
                 {{"C1", "1", 1, 1}, {"C2", "2", 2, 1}, {"C3", "3", 3, 1}, {"C4", "4", 4, 1}},
                 {2, 3, 4, 6}},
        ReadCase{
            "Every value quoted, CRLF, blanks before an opening and after a closing quote",
            "\"mark\",\"load\",\"floors\"\r\n \"C1\" ,\t\"10\"\t, \"2\"\r\n\"C2\",\"5\",\"1\"\r\n",
            {{"C1", "10", 2, 1}, {"C2", "5", 1, 1}},
            {2, 3}},
        ReadCase{"A multi-byte character ends the file without a line break",
                 "load,floors,mark\n2,3,عمود",
                 {{"عمود", "2", 3, 1}},
                 {2}},
        ReadCase{"Neutralised values read as typed; a lone quote or one before text stays",
                 "mark,load,floors,count\n'=1+2,5,7,2\n''-x,'-0,3,\n'C,\"'-0\",1,\n',1,1,\n",
                 {{"=1+2", "5", 7, 2}, {"'-x", "-0", 3, 1}, {"'C", "-0", 1, 1}, {"'", "1", 1, 1}},
                 {2, 3, 4, 5}},
        ReadCase{"A mark of exactly the most bytes",
                 "mark,load,floors\n" + std::string(100, 'M') + ",1,1\n",
                 {{std::string(100, 'M'), "1", 1, 1}},
                 {2}},
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

// A header of `names` names: the four, then unnamed columns.
std::string Header(std::size_t names) {
  return "mark,load,floors,count" + std::string(names - 4, ',');
}

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
            "a 10 MB header of commas", std::string(10'000'000, ','), {1, "", {}, HeaderTooLong}},
        ErrorCase{"a header of 65 names", Header(65), {1, "", {}, HeaderTooLong}},
        ErrorCase{"a header of 64 names", Header(64) + "\n", {1, "", {}, NoRows}},
        ErrorCase{"an error after bare CR ends",
                  "mark,load,floors\r\rC1,1,1\r  \rC2,x,1\r",
                  {5, "load", Load, NotANumber}},
        ErrorCase{"no UTF-8 after mixed ends",
                  "mark,load,floors\rC1,1,1\r\n\nC\xFF,1,2\n",
                  {4, "", {}, NotUtf8}},
        ErrorCase{
            "an encoded surrogate", "mark,load,floors\nC\xED\xA0\x80,1,1\n", {2, "", {}, NotUtf8}},
        ErrorCase{"a character cut by the file's end",
                  "mark,load,floors\nC,1,1\xD8",
                  {2, "", {}, NotUtf8}},
        ErrorCase{"a line break in a mark, on the row's first line",
                  "mark,load,floors\nC1,1,1\n\"C\n2\",1,1\n",
                  {3, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a CR in a mark, the line after it counted",
                  "mark,load,floors\n\"C\r1\",1,1\nC2,x,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a control character",
                  "mark,load,floors\nC\x01,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a tab inside a mark",
                  "mark,load,floors\nC\t1,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"DEL", "mark,load,floors\nC\x7F,1,1\n", {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a C1 control (next line)",
                  "mark,load,floors\nC\xC2\x85,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a line separator",
                  "mark,load,floors\nC\xE2\x80\xA8,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a paragraph separator",
                  "mark,load,floors\nC\xE2\x80\xA9,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a right-to-left override",
                  "mark,load,floors\n\xE2\x80\xAElive-1C,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a left-to-right embedding",
                  "mark,load,floors\nC\xE2\x80\xAA"
                  "1,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a first-strong isolate",
                  "mark,load,floors\nC\xE2\x81\xA8,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a pop directional isolate",
                  "mark,load,floors\nC\xE2\x81\xA9,1,1\n",
                  {2, "mark", Mark, MarkNotPrintable}},
        ErrorCase{"a mark one byte too long",
                  "mark,load,floors\n" + std::string(101, 'M') + ",1,1\n",
                  {2, "mark", Mark, MarkTooLong}}));

// The characters just outside each refused range (a space, ~, a no-break space, U+2027, U+202F,
// U+2065, U+206A), arrows and Arabic letters are taken.
TEST(ReadScheduleCsv, TakesMarksBesideTheUnprintable) {
  for (const std::string mark :
       {"C 1", "C~", "C\xE2\x80\xA7", "C\xE2\x80\xAF", "C\xE2\x81\xA5", "C\xE2\x81\xAA",
        "\xC2\xA0"
        "C",
        "←C1→", "ع١"}) {
    const auto csv = ReadScheduleCsv("mark,load,floors\n" + mark + ",1,1\n");
    ASSERT_TRUE(csv.has_value()) << mark;
    EXPECT_EQ(mark, csv->columns.front().mark);
  }
}

// A file of exactly the most bytes is read (its header, a row and a long unnamed value); one
// byte more is refused before it is read.
TEST(ReadScheduleCsv, TakesAFileOfExactlyTheMostBytesAndNoMore) {
  std::string text = "mark,load,floors,\nC1,1,1,\"";
  text.resize(static_cast<std::size_t>(rules::kMostScheduleFileBytes) - 2, 'x');
  text += "\"\n";
  const auto csv = ReadScheduleCsv(text);
  ASSERT_TRUE(csv.has_value()) << static_cast<int>(csv.error().problem);
  EXPECT_EQ(1U, csv->columns.size());
  text += '\n';
  const auto refused = ReadScheduleCsv(text);
  ASSERT_FALSE(refused.has_value());
  EXPECT_EQ(FileTooLarge, refused.error().problem);
}

TEST(CutForMessage, CutsOnAWholeCharacter) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {std::string(40, 'a'), std::string(40, 'a')},
      {std::string(41, 'a'), std::string(40, 'a') + "…"},
      // A two-byte letter across the 40th byte is left out whole.
      {std::string(38, 'a') + "ع", std::string(38, 'a') + "ع"},
      {std::string(39, 'a') + "ع", std::string(39, 'a') + "…"},
      {std::string(38, 'a') + "عب", std::string(38, 'a') + "ع…"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, CutForMessage(c.text)) << c.text;
}

// --- Writing.

TEST(WriteScheduleCsv, WritesEveryLevelWithTheDesignsTextsAndEmptyCellsOnFailure) {
  const Schedule schedule = DesignSchedule({{"C,1", "30", 4, 2}, {"", "1e300", 1, 1}}, {});
  // A column without moments: the axial design's texts, as design moments Pu × 2 cm (the least
  // eccentricity of a 30 or 40 cm side) about each axis, Pu = floors × 1.1 × 30 t, and no
  // utilisation, which only a design the moments governed has.
  const std::string rows =
      "\"C,1\",2,1,4,1182.58376635012,30,40,11.8258376635012,6,16,ok,2.64,2.64,\n"
      "\"C,1\",2,2,3,886.937824762587,30,30,8.86937824762587,4,16,ok,1.98,1.98,\n"
      "\"C,1\",2,3,2,591.291883175058,30,30,5.91291883175058,4,16,ok,1.32,1.32,\n"
      "\"C,1\",2,4,1,295.645941587529,30,30,5.4,4,16,ok,0.66,0.66,\n"
      ",1,1,1,,,,,,,overflow,,,\n";
  const std::string header =
      "\xEF\xBB\xBFmark,count,level,floors_carried,required_area_cm2,width_cm,length_cm,"
      "steel_area_cm2,bars,bar_diameter_mm,status,design_moment_x_t_m,design_moment_y_t_m,"
      "utilisation\n";
  EXPECT_EQ(header + rows, WriteScheduleCsv(schedule));
  EXPECT_EQ(header + rows.substr(0, rows.find('\n') + 1) + ",1,1,1,,,,,,,overflow,,,\n",
            WriteScheduleCsv(schedule, CsvLevels::LowestOnly));
}

// Each cell that a spreadsheet would take for a formula goes out after a quote, in the levels and
// in the table; a quote the user typed before such a cell is kept by one more. A separator of
// either kind or a quote puts the cell in quotes.
TEST(WriteCsv, NeutralisesCellsThatBeginAsFormulas) {
  const struct {
    std::string value;
    std::string cell;
  } cases[] = {
      {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
      {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"-2+3", "'-2+3"},
      {"+1", "'+1"},
      {"\tx", "'\tx"},
      {"\rx", "\"'\rx\""},
      {"=a;b", "\"'=a;b\""},
      {"'=x", "''=x"},
      {"''@x", "'''@x"},
      {"'x", "'x"},
      {"'", "'"},
      {"C-1=2", "C-1=2"},
      {"a;b", "\"a;b\""},
      {"a,b", "\"a,b\""},
      {"a\"b", "\"a\"\"b\""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::string(kUtf8Bom) + "mark,load,floors,count\n" + c.cell + ",1,1,\n",
              WriteEntriesCsv(std::vector<ColumnEntry>{{c.value, "1", "1", ""}}))
        << c.value;
    const std::string_view unquoted =
        c.cell.starts_with('"') ? std::string_view(c.cell).substr(1, c.cell.size() - 2) : c.cell;
    if (!unquoted.contains('"')) {
      EXPECT_EQ(c.value, WithoutNeutralisingQuote(unquoted)) << c.value;
    }
  }
  const Schedule schedule = DesignSchedule({{"@C1", "10", 1, 1}, {"-C2", "-0", 1, 1}}, {});
  const std::string levels = WriteScheduleCsv(schedule);
  EXPECT_NE(std::string::npos, levels.find("\n'@C1,1,1,1,")) << levels;
  EXPECT_NE(std::string::npos, levels.find("\n'-C2,1,1,1,")) << levels;
  // No number the design writes starts as a formula, a load of -0 among them.
  for (std::size_t at = 0; (at = levels.find(',', at)) != std::string::npos; ++at) {
    EXPECT_FALSE(NeedsNeutralisingQuote(levels.substr(at + 1, 1))) << levels.substr(at);
  }
}

// Counts, levels and floors of two and three digits.
TEST(WriteScheduleCsv, WritesWholeNumbersOfMoreThanOneDigit) {
  const Schedule schedule = DesignSchedule({{"C", "1", 12, 10}, {"D", "1", 100, 123}}, {});
  const std::string csv = WriteScheduleCsv(schedule);
  for (const std::string_view start : {"\nC,10,9,4,", "\nC,10,10,3,", "\nC,10,12,1,",
                                       "\nD,123,1,100,", "\nD,123,91,10,", "\nD,123,100,1,"}) {
    EXPECT_NE(std::string::npos, csv.find(start)) << start;
  }
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
                                            {"=cmd|' /C calc'!A0", "0", "1", "100000"},
                                            {"", "1e300", "2", ""},
                                            {"'-2+3", "\t-0", "1", ""},
                                            {"M", "40", "3", "", "-12.5", "٣"}};
  const auto csv = ReadScheduleCsv(WriteEntriesCsv(entries));
  ASSERT_TRUE(csv.has_value()) << "line " << csv.error().line;
  std::vector<ColumnInput> direct;
  for (const ColumnEntry& entry : entries) direct.push_back(*ReadEntry(entry));
  EXPECT_EQ(direct, csv->columns);
  EXPECT_EQ((std::vector<std::size_t>{2, 3, 4, 5, 6, 7, 8}), csv->lines);
  const DesignMaterials materials{.width_cm = 25, .bar_diameter_mm = 20};
  EXPECT_EQ(WriteScheduleCsv(DesignSchedule(direct, materials)),
            WriteScheduleCsv(DesignSchedule(csv->columns, materials)));
}

// The table's own file reads back exactly as typed, rows the engine refuses too; only what keeps
// the text from being rows is refused.
TEST(ReadEntriesCsv, ReadsTheTableBackAsTyped) {
  const std::vector<ColumnEntry> entries = {
      {"C1", "30", "4", "2"},   {"C7", "abc", "0", ""}, {"=cmd|' /C calc'!A0", "-5", "2.5", "x"},
      {"''=x", " ١٢ ", "", ""}, {"", "1e300", "2", ""}, {"C9", "10", "2", "", "-3", "x"}};
  EXPECT_EQ(entries, ReadEntriesCsv(WriteEntriesCsv(entries)));
  // A table without moments is written as it was before there were any.
  EXPECT_TRUE(WriteEntriesCsv(std::span(entries).first(1)).contains("mark,load,floors,count\n"));
  for (const std::string_view refused :
       {"mark,load,weight\nC1,1,1\n", "mark,load,floors\n", "mark,load,floors\n\"C1,1,1\n", ""}) {
    EXPECT_EQ(ReadEntriesCsv(refused).error(), ReadScheduleCsv(refused).error()) << refused;
  }
}

}  // namespace
}  // namespace coldesign
