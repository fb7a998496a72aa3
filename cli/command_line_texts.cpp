#include "cli/command_line_texts.h"

#include <span>
#include <string>

#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

std::string Number(double value) { return FormatNumber(value); }

std::string Range(double least, double most) { return Number(least) + "–" + Number(most); }

std::string ArabicRange(double least, double most) {
  return "من " + Number(least) + " إلى " + Number(most);
}

struct FieldNames {
  std::string_view arabic;
  std::string_view english;
};

FieldNames NamesOf(ScheduleField field) {
  switch (field) {
    case ScheduleField::Mark:
      return {"الرمز", "mark"};
    case ScheduleField::Load:
      return {"الحمل", "load"};
    case ScheduleField::Floors:
      return {"الأدوار", "floors"};
    case ScheduleField::Count:
      return {"العدد", "count"};
  }
  return {};
}

}  // namespace

Message ProblemMessage(ScheduleProblem problem) {
  switch (problem) {
    case ScheduleProblem::MissingValue:
      return {"القيمة فارغة", "the value is empty"};
    case ScheduleProblem::MarkTooLong:
      return {"الرمز أطول من " + Number(rules::kMostMarkBytes) + " بايت",
              "the mark is longer than " + Number(rules::kMostMarkBytes) + " bytes"};
    case ScheduleProblem::NotANumber:
      return {"القيمة ليست رقما", "the value is not a number"};
    case ScheduleProblem::NegativeLoad:
      return {"الحمل لا يكون سالبا", "the load cannot be negative"};
    case ScheduleProblem::NotWholeNumber:
      return {"القيمة ليست عددا صحيحا", "the value is not a whole number"};
    case ScheduleProblem::FloorsOutOfRange:
      return {"عدد الأدوار " + ArabicRange(1, rules::kMostFloors),
              "the number of floors must be " + Range(1, rules::kMostFloors)};
    case ScheduleProblem::CountOutOfRange:
      return {"عدد الأعمدة " + ArabicRange(1, rules::kMostColumnCount),
              "the count must be " + Range(1, rules::kMostColumnCount)};
    case ScheduleProblem::FileTooLarge:
      return {"الملف أكبر من " + Number(rules::kMostScheduleFileBytes) + " بايت",
              "the file is larger than " + Number(rules::kMostScheduleFileBytes) + " bytes"};
    case ScheduleProblem::NoHeader:
      return {"الملف فارغ", "the file is empty"};
    case ScheduleProblem::NotUtf8:
      return {"الملف ليس نصا بترميز UTF-8", "the file is not UTF-8 text"};
    case ScheduleProblem::UnknownColumn:
      return {"عمود غير معروف؛ الأعمدة هي الرمز والحمل والأدوار والعدد",
              "unknown column; the columns are mark, load, floors and count"};
    case ScheduleProblem::RepeatedColumn:
      return {"العمود مذكور مرتين في سطر العناوين", "the header names the column twice"};
    case ScheduleProblem::MissingColumn:
      return {"سطر العناوين لا يذكر هذا العمود", "the header lacks this column"};
    case ScheduleProblem::NoRows:
      return {"لا أعمدة بعد سطر العناوين", "no columns follow the header"};
    case ScheduleProblem::UnclosedQuote:
      return {"علامة تنصيص لم تغلق", "a quotation mark is not closed"};
    case ScheduleProblem::TextAfterQuote:
      return {"نص بعد علامة التنصيص الختامية", "text after a closing quotation mark"};
    case ScheduleProblem::TooManyValues:
      return {"قيم أكثر من أعمدة سطر العناوين", "more values than the header has columns"};
    case ScheduleProblem::TooManyLevels:
      return {"الجدول يتجاوز " + Number(rules::kMostScheduleLevels) + " مستوى",
              "the schedule has more than " + Number(rules::kMostScheduleLevels) + " levels"};
  }
  return {};
}

Message MaterialsMessage(MaterialsChoice choice) {
  switch (choice) {
    case MaterialsChoice::ConcreteStrength:
      return {
          "مقاومة الخرسانة fcu " +
              ArabicRange(rules::kLeastConcreteStrengthKgPerCm2,
                          rules::kMostConcreteStrengthKgPerCm2) +
              " kg/cm²",
          "the concrete strength fcu must be " +
              Range(rules::kLeastConcreteStrengthKgPerCm2, rules::kMostConcreteStrengthKgPerCm2) +
              " kg/cm²"};
    case MaterialsChoice::SteelYield:
      return {"إجهاد خضوع الحديد fy " +
                  ArabicRange(rules::kLeastSteelYieldKgPerCm2, rules::kMostSteelYieldKgPerCm2) +
                  " kg/cm²",
              "the steel yield stress fy must be " +
                  Range(rules::kLeastSteelYieldKgPerCm2, rules::kMostSteelYieldKgPerCm2) +
                  " kg/cm²"};
    case MaterialsChoice::Width:
      return {"عرض العمود عدد صحيح " +
                  ArabicRange(rules::kLeastSectionWidthCm, rules::kMostSectionWidthCm) + " cm",
              "the column width must be a whole number " +
                  Range(rules::kLeastSectionWidthCm, rules::kMostSectionWidthCm) + " cm"};
    case MaterialsChoice::BarDiameter: {
      std::string diameters;
      for (const int d : rules::kBarDiametersMm)
        diameters += (diameters.empty() ? "" : " ") + Number(d);
      return {"قطر السيخ أحد هذه: " + diameters + " mm",
              "the bar diameter must be one of " + diameters + " mm"};
    }
    case MaterialsChoice::LoadFactor:
      return {"معامل زيادة الحمل " + ArabicRange(rules::kLeastLoadFactor, rules::kMostLoadFactor),
              "the load factor must be " + Range(rules::kLeastLoadFactor, rules::kMostLoadFactor)};
  }
  return {};
}

Message FloorHeightMessage() {
  return {"ارتفاع الدور " + ArabicRange(rules::kLeastFloorHeightM, rules::kMostFloorHeightM) + " m",
          "the floor height must be " + Range(rules::kLeastFloorHeightM, rules::kMostFloorHeightM) +
              " m"};
}

Message CsvErrorMessage(std::string_view file, const CsvError& error) {
  const Message problem = ProblemMessage(error.problem);
  std::string arabic(file);
  std::string english(file);
  if (error.line > 0) {
    arabic += "، السطر " + Number(static_cast<double>(error.line));
    english += ", line " + Number(static_cast<double>(error.line));
  }
  if (error.field || !error.column.empty()) {
    // A missing column is named in the reader's language; one the file has, as the file has it.
    const bool missing = error.problem == ScheduleProblem::MissingColumn && error.field;
    const std::string_view arabic_name = missing ? NamesOf(*error.field).arabic : error.column;
    arabic += "، العمود «" + std::string(arabic_name) + "»";
    english += ", column \"" + error.column + "\"";
  }
  return {arabic + ": " + problem.arabic, english + ": " + problem.english};
}

Message ArgumentMessage(const Message& argument, std::string_view value, const Message& problem) {
  const std::string shown = CutForMessage(value);
  return {argument.arabic + " «" + shown + "»: " + problem.arabic,
          argument.english + " \"" + shown + "\": " + problem.english};
}

Message RepeatedMarkMessage(std::string_view file, std::string_view mark,
                            std::span<const std::size_t> lines, bool more) {
  std::string arabic_lines;
  std::string english_lines;
  for (const std::size_t line : lines) {
    arabic_lines += (arabic_lines.empty() ? "" : "، ") + Number(static_cast<double>(line));
    english_lines += (english_lines.empty() ? "" : ", ") + Number(static_cast<double>(line));
  }
  if (more) {
    arabic_lines += "، …";
    english_lines += ", …";
  }
  return {"تنبيه: " + std::string(file) + ": الرمز «" + std::string(mark) + "» مكرر في السطور " +
              arabic_lines,
          "warning: " + std::string(file) + ": the mark \"" + std::string(mark) +
              "\" is repeated on lines " + english_lines};
}

Message UsageMessage(std::string_view detail) {
  return {"خطأ في الأوامر: " + std::string(detail) + " (انظر column-designer --help)",
          "usage error: " + std::string(detail) + " (see column-designer --help)"};
}

Message FileMessage(std::string_view file, std::string_view reason, bool writing) {
  return {std::string(writing ? "تعذرت كتابة الملف " : "تعذرت قراءة الملف ") + std::string(file) +
              ": " + std::string(reason),
          std::string(writing ? "could not write " : "could not read ") + std::string(file) + ": " +
              std::string(reason)};
}

std::string HelpText() {
  return R"(column-designer design LOAD FLOORS [--fcu N] [--fy N] [--width N] [--bar N] [--load-factor N]
column-designer schedule FILE.csv [-o OUT.csv|OUT.pdf] [the same options] [--floor-height M]

يصمم design عمودا واحدا: الحمل على كل دور بالطن وعدد الأدوار، ويكتب النتيجة بصيغة CSV.
يصمم schedule أعمدة المبنى كلها من ملف CSV (الرمز، الحمل، الأدوار، العدد) في كل مستوى،
ويكتب جدول الأعمدة بصيغة CSV، أو في ملف CSV أو PDF مع -o.
design designs one column: the load per floor in tons and the number of floors; it prints the
result as CSV. schedule designs every column of a building, at every level, from a CSV file
(mark, load, floors, count) and writes the column schedule as CSV, or to a CSV or PDF file with -o.

)" + std::string("  --fcu N           مقاومة الخرسانة / concrete strength, kg/cm² (") +
         Number(rules::kConcreteStrengthKgPerCm2) +
         ")\n  --fy N            إجهاد خضوع الحديد / steel yield stress, kg/cm² (" +
         Number(rules::kSteelYieldKgPerCm2) +
         ")\n  --width N         عرض العمود / column width, whole cm (" +
         Number(rules::kSectionWidthCm) + ")\n  --bar N           قطر السيخ / bar diameter, mm (" +
         Number(rules::kBarDiameterMm) +
         ")\n  --load-factor N   معامل زيادة الحمل / load increase factor (" +
         Number(rules::kLoadFactor) + ")\n  --floor-height M  ارتفاع الدور / floor height, m (" +
         Number(rules::kFloorHeightM) + R"()
  -o, --output F    ملف الجدول / the schedule's file, .csv or .pdf

Exit status: 0 every level designed; 1 some level could not be designed (marked in the
schedule); 2 bad input or usage (nothing written).
)";
}

}  // namespace coldesign
