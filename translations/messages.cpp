#include "translations/messages.h"

#include <QStringList>
#include <QTranslator>
#include <span>
#include <string>

#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString Figure(double value) { return Text(FormatNumber(value)); }

// A message of one text of the catalogue, its arguments filled in.
template <typename... Arguments>
Message Said(CatalogueText text, Arguments... arguments) {
  return Message([text, arguments...](Say say) {
    if constexpr (sizeof...(arguments) == 0) {
      return say(text);
    } else {
      return say(text).arg(arguments...);
    }
  });
}

// A schedule's column as the file's header names it.
CatalogueText NameOf(ScheduleField field) {
  switch (field) {
    case ScheduleField::Mark:
      return QT_TRANSLATE_NOOP3("ColumnDesigner", "الرمز", "csv.mark");
    case ScheduleField::Load:
      return QT_TRANSLATE_NOOP3("ColumnDesigner", "الحمل", "csv.load");
    case ScheduleField::Floors:
      return QT_TRANSLATE_NOOP3("ColumnDesigner", "الأدوار", "csv.floors");
    case ScheduleField::Count:
      return QT_TRANSLATE_NOOP3("ColumnDesigner", "العدد", "csv.count");
    case ScheduleField::MomentX:
      return QT_TRANSLATE_NOOP3("ColumnDesigner", "عزم x", "csv.moment-x");
    case ScheduleField::MomentY:
      return QT_TRANSLATE_NOOP3("ColumnDesigner", "عزم y", "csv.moment-y");
  }
  return {};
}

// An option's line of the help: its name in both languages, then what it takes.
QString OptionHelp(std::string_view option, CatalogueText name, const QString& takes) {
  return u"  "_s + Text(option).leftJustified(18) + InArabic(name) + u" / "_s + InEnglish(name) +
         takes + u'\n';
}

QString Default(double value) { return u" ("_s + Figure(value) + u')'; }

}  // namespace

QString InArabic(CatalogueText text) { return QString::fromUtf8(text.arabic); }

QString InEnglish(CatalogueText text) {
  static const QTranslator* const english = [] {
    auto* catalogue = new QTranslator;  // kept to the end of the process
    // Without it, the Arabic stands in for the English.
    static_cast<void>(catalogue->load(u"column-designer_en"_s, u":/translations"_s));
    return catalogue;
  }();
  const QString translation = english->translate("ColumnDesigner", text.arabic, text.key);
  return translation.isEmpty() ? InArabic(text) : translation;
}

Message ProblemMessage(ScheduleProblem problem) {
  switch (problem) {
    case ScheduleProblem::MissingValue:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "القيمة فارغة", "problem.missing-value"));
    case ScheduleProblem::MarkTooLong:
      return Said(
          QT_TRANSLATE_NOOP3("ColumnDesigner", "الرمز أطول من %1 بايت", "problem.mark-too-long"),
          Figure(rules::kMostMarkBytes));
    case ScheduleProblem::NotANumber:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "القيمة ليست رقما", "problem.not-a-number"));
    case ScheduleProblem::NegativeLoad:
      return Said(
          QT_TRANSLATE_NOOP3("ColumnDesigner", "الحمل لا يكون سالبا", "problem.negative-load"));
    case ScheduleProblem::NotWholeNumber:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "القيمة ليست عددا صحيحا",
                                     "problem.not-whole-number"));
    case ScheduleProblem::FloorsOutOfRange:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "عدد الأدوار من %1 إلى %2",
                                     "problem.floors-out-of-range"),
                  Figure(1), Figure(rules::kMostFloors));
    case ScheduleProblem::CountOutOfRange:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "عدد الأعمدة من %1 إلى %2",
                                     "problem.count-out-of-range"),
                  Figure(1), Figure(rules::kMostColumnCount));
    case ScheduleProblem::FileTooLarge:
      return Said(
          QT_TRANSLATE_NOOP3("ColumnDesigner", "الملف أكبر من %1 بايت", "problem.file-too-large"),
          Figure(rules::kMostScheduleFileBytes));
    case ScheduleProblem::NoHeader:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "الملف فارغ", "problem.no-header"));
    case ScheduleProblem::NotUtf8:
      return Said(
          QT_TRANSLATE_NOOP3("ColumnDesigner", "الملف ليس نصا بترميز UTF-8", "problem.not-utf8"));
    case ScheduleProblem::UnknownColumn:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner",
                                     "عمود غير معروف؛ الأعمدة هي الرمز والحمل والأدوار والعدد",
                                     "problem.unknown-column"));
    case ScheduleProblem::RepeatedColumn:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "العمود مذكور مرتين في سطر العناوين",
                                     "problem.repeated-column"));
    case ScheduleProblem::MissingColumn:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "سطر العناوين لا يذكر هذا العمود",
                                     "problem.missing-column"));
    case ScheduleProblem::NoRows:
      return Said(
          QT_TRANSLATE_NOOP3("ColumnDesigner", "لا أعمدة بعد سطر العناوين", "problem.no-rows"));
    case ScheduleProblem::UnclosedQuote:
      return Said(
          QT_TRANSLATE_NOOP3("ColumnDesigner", "علامة تنصيص لم تغلق", "problem.unclosed-quote"));
    case ScheduleProblem::TextAfterQuote:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "نص بعد علامة التنصيص الختامية",
                                     "problem.text-after-quote"));
    case ScheduleProblem::TooManyValues:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "قيم أكثر من أعمدة سطر العناوين",
                                     "problem.too-many-values"));
    case ScheduleProblem::HeaderTooLong:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "سطر العناوين أطول من %1 عمودا",
                                     "problem.header-too-long"),
                  Figure(rules::kMostHeaderColumns));
    case ScheduleProblem::MarkNotPrintable:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner",
                                     "الرمز فيه سطر جديد أو حرف تحكم أو علامة اتجاه",
                                     "problem.mark-not-printable"));
    case ScheduleProblem::TooManyLevels:
      return Said(
          QT_TRANSLATE_NOOP3("ColumnDesigner", "الجدول يتجاوز %1 مستوى", "problem.too-many-levels"),
          Figure(rules::kMostScheduleLevels));
  }
  return Said(CatalogueText{});
}

Message MaterialsMessage(MaterialsChoice choice) {
  switch (choice) {
    case MaterialsChoice::Fcu:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "مقاومة الخرسانة fcu من %1 إلى %2 kg/cm²",
                                     "materials.concrete-strength-range"),
                  Figure(rules::kLeastConcreteStrengthKgPerCm2),
                  Figure(rules::kMostConcreteStrengthKgPerCm2));
    case MaterialsChoice::Fy:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "إجهاد خضوع الحديد fy من %1 إلى %2 kg/cm²",
                                     "materials.steel-yield-range"),
                  Figure(rules::kLeastSteelYieldKgPerCm2), Figure(rules::kMostSteelYieldKgPerCm2));
    case MaterialsChoice::Width:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "عرض العمود عدد صحيح من %1 إلى %2 cm",
                                     "materials.width-range"),
                  Figure(rules::kLeastSectionWidthCm), Figure(rules::kMostSectionWidthCm));
    case MaterialsChoice::BarDiameter: {
      QStringList diameters;
      for (const int d : rules::kBarDiametersMm) diameters.append(Figure(d));
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "قطر السيخ أحد هذه: %1 mm",
                                     "materials.bar-diameters"),
                  diameters.join(u' '));
    }
    case MaterialsChoice::LoadFactor:
      return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "معامل زيادة الحمل من %1 إلى %2",
                                     "materials.load-factor-range"),
                  Figure(rules::kLeastLoadFactor), Figure(rules::kMostLoadFactor));
  }
  return Said(CatalogueText{});
}

Message FloorHeightMessage() {
  return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "ارتفاع الدور من %1 إلى %2 m",
                                 "schedule.floor-height-range"),
              Figure(rules::kLeastFloorHeightM), Figure(rules::kMostFloorHeightM));
}

Message CsvErrorMessage(std::string_view file, const CsvError& error) {
  return Message([file = Text(file), error](Say say) {
    QString where = file;
    if (error.line > 0) {
      where = say(QT_TRANSLATE_NOOP3("ColumnDesigner", "%1، السطر %2", "csv.line"))
                  .arg(where, Figure(static_cast<double>(error.line)));
    }
    if (error.field || !error.column.empty()) {
      // A missing column is named in the reader's language; one the file has, as the file has it.
      const bool missing = error.problem == ScheduleProblem::MissingColumn && error.field;
      where = say(QT_TRANSLATE_NOOP3("ColumnDesigner", "%1، العمود «%2»", "csv.column"))
                  .arg(where, missing ? say(NameOf(*error.field)) : Text(error.column));
    }
    return where + u": "_s + ProblemMessage(error.problem).in(say);
  });
}

Message LoadArgument() { return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "الحمل", "usage.load")); }

Message FloorsArgument() {
  return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "الأدوار", "usage.floors"));
}

Message OptionArgument(std::string_view option) {
  return Message([option = Text(option)](Say) { return option; });
}

Message ArgumentMessage(const Message& argument, std::string_view value, const Message& problem) {
  return Message([argument, value = Text(CutForMessage(value)), problem](Say say) {
    return say(QT_TRANSLATE_NOOP3("ColumnDesigner", "%1 «%2»: %3", "usage.argument"))
        .arg(argument.in(say), value, problem.in(say));
  });
}

Message RepeatedMarkMessage(std::string_view file, std::string_view mark,
                            std::span<const std::size_t> lines, bool more) {
  QStringList numbers;
  for (const std::size_t line : lines) numbers.append(Figure(static_cast<double>(line)));
  if (more) numbers.append(u"…"_s);
  return Message([file = Text(file), mark = Text(mark), numbers](Say say) {
    return say(QT_TRANSLATE_NOOP3("ColumnDesigner", "تنبيه: %1: الرمز «%2» مكرر في السطور %3",
                                  "schedule.repeated-mark-warning"))
        .arg(file, mark, numbers.join(say(kListSeparator)));
  });
}

Message DesignInputMessage(InputProblem problem, std::string_view load, std::string_view floors) {
  const bool load_concerned = problem == InputProblem::LoadEmpty ||
                              (problem == InputProblem::Unfinished && IsUnfinishedNumber(load)) ||
                              (problem == InputProblem::Negative && ParseNumberStrict(load) &&
                               *ParseNumberStrict(load) < 0);
  const Message why = problem == InputProblem::Negative ? Said(kNegativeValueText)
                      : problem == InputProblem::Unfinished
                          ? Said(kUnfinishedNumberText)
                          : ProblemMessage(ScheduleProblem::MissingValue);
  return load_concerned ? ArgumentMessage(LoadArgument(), load, why)
                        : ArgumentMessage(FloorsArgument(), floors, why);
}

Message NotFiniteMessage() {
  return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "القيمة أكبر من أن تحسب", "problem.not-finite"));
}

Message LengthFactorMessage() {
  return Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "معامل الطول الفعال k من %1 إلى %2",
                                 "bending.length-factor-range"),
              Figure(rules::kLeastLengthFactor), Figure(rules::kMostLengthFactor));
}

Message TooSlenderMessage(double slenderness, double limit) {
  return Said(
      QT_TRANSLATE_NOOP3("ColumnDesigner", "العمود نحيف أكثر مما يسمح به الكود: λ = %1 والحد %2",
                         "bending.too-slender"),
      Text(FormatFixed(slenderness, 1)), Figure(limit));
}

Message TooLargeColumnMessage() {
  return Said(QT_TRANSLATE_NOOP3("ColumnDesigner",
                                 "لا يحمل العمود الحمل مع العزوم بأي طول حتى %1 cm وعرضه كما هو",
                                 "bending.too-large"),
              Figure(rules::kMostBendingLengthCm));
}

Message UsageMessage(std::string_view detail) {
  return Said(QT_TRANSLATE_NOOP3("ColumnDesigner",
                                 "خطأ في الأوامر: %1 (انظر column-designer --help)", "usage.error"),
              Text(detail));
}

Message FileMessage(std::string_view file, std::string_view reason, bool writing) {
  return writing ? Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "تعذرت كتابة الملف %1: %2",
                                           "file.could-not-write"),
                        Text(file), Text(reason))
                 : Said(QT_TRANSLATE_NOOP3("ColumnDesigner", "تعذرت قراءة الملف %1: %2",
                                           "file.could-not-read"),
                        Text(file), Text(reason));
}

Message NotRegularFileMessage(std::string_view file) {
  return Said(
      QT_TRANSLATE_NOOP3("ColumnDesigner", "تعذرت كتابة الملف %1: ليس ملفا عاديا ولا اسما جديدا",
                         "file.not-regular"),
      Text(file));
}

std::string HelpText() {
  const CatalogueText about = QT_TRANSLATE_NOOP3(
      "ColumnDesigner",
      "يصمم design عمودا واحدا: الحمل على كل دور بالطن وعدد الأدوار (كسر أو صفر كما في نافذة\n"
      "التصميم)، ويكتب النتيجة بصيغة CSV. يصمم schedule أعمدة المبنى كلها من ملف CSV (الرمز، "
      "الحمل،\n"
      "الأدوار عددا صحيحا من 1 إلى %1، العدد) في كل مستوى، ويكتب جدول الأعمدة بصيغة CSV، أو في\n"
      "ملف CSV أو PDF مع -o.",
      "help.about");
  const QString help =
      u"column-designer design LOAD FLOORS [--fcu N] [--fy N] [--width N] [--bar N] "
      u"[--load-factor N]\n"
      u"    [--mx T_M] [--my T_M] [--floor-height M] [--unbraced] [--k K] [--format csv|json]\n"
      u"column-designer schedule FILE.csv [-o OUT.csv|OUT.pdf|OUT.dxf] [the same options] "
      u"[--floor-height M]\n\n"_s +
      InArabic(about).arg(Figure(rules::kMostFloors)) + u'\n' +
      InEnglish(about).arg(Figure(rules::kMostFloors)) + u"\n\n"_s +
      OptionHelp("--fcu N",
                 QT_TRANSLATE_NOOP3("ColumnDesigner", "مقاومة الخرسانة", "help.concrete-strength"),
                 u", kg/cm²"_s + Default(rules::kConcreteStrengthKgPerCm2)) +
      OptionHelp("--fy N",
                 QT_TRANSLATE_NOOP3("ColumnDesigner", "إجهاد خضوع الحديد", "help.steel-yield"),
                 u", kg/cm²"_s + Default(rules::kSteelYieldKgPerCm2)) +
      OptionHelp("--width N", QT_TRANSLATE_NOOP3("ColumnDesigner", "عرض العمود", "help.width"),
                 u", whole cm"_s + Default(rules::kSectionWidthCm)) +
      OptionHelp("--bar N", kBarDiameterCaption, u", mm"_s + Default(rules::kBarDiameterMm)) +
      OptionHelp("--load-factor N", kLoadFactorCaption, Default(rules::kLoadFactor)) +
      OptionHelp("--floor-height M",
                 QT_TRANSLATE_NOOP3("ColumnDesigner", "ارتفاع الدور", "help.floor-height"),
                 u", m"_s + Default(rules::kFloorHeightM)) +
      OptionHelp("--mx T_M, --my T_M",
                 QT_TRANSLATE_NOOP3("ColumnDesigner", "العزم حول محور x أو y", "help.moments"),
                 u", t·m (0)"_s) +
      OptionHelp("--unbraced",
                 QT_TRANSLATE_NOOP3("ColumnDesigner", "عمود غير مقيد الحركة", "help.unbraced"),
                 {}) +
      OptionHelp("--k K", QT_TRANSLATE_NOOP3("ColumnDesigner", "معامل الطول الفعال", "help.k"),
                 u" (%1 / %2)"_s.arg(Figure(rules::kBracedLengthFactor),
                                     Figure(rules::kUnbracedLengthFactor))) +
      OptionHelp("--format F",
                 QT_TRANSLATE_NOOP3("ColumnDesigner", "صيغة نتيجة design", "help.format"),
                 u", csv or json (csv)"_s) +
      OptionHelp("-o, --output F",
                 QT_TRANSLATE_NOOP3("ColumnDesigner", "ملف الجدول", "help.output"),
                 u", .csv, .pdf or .dxf (the drawing)"_s) +
      u"\nExit status: 0 every level designed; 1 some level could not be designed (marked in the\n"
      u"schedule); 2 bad input or usage (nothing written).\n"_s;
  return help.toStdString();
}

}  // namespace coldesign
