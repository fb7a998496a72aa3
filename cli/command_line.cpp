#include "cli/command_line.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <expected>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "calculation/column_schedule.h"
#include "calculation/design_calculation.h"
#include "calculation/design_materials.h"
#include "calculation/input_check.h"
#include "calculation/materials_text.h"
#include "calculation/numeric_text.h"
#include "calculation/schedule_csv.h"
#include "cli/bending_command.h"
#include "cli/schedule_pdf_output.h"
#include "cli/upper_vector_state.h"
#include "output/file_output.h"
#include "output/schedule_dxf_output.h"
#include "sheet/program_version.h"
#include "translations/messages.h"

using namespace Qt::Literals::StringLiterals;

namespace coldesign {
namespace {

constexpr int kEveryLevelDesigned = 0;
constexpr int kSomeLevelFailed = 1;
constexpr int kBadInput = 2;

// At most this many repeated marks are named, each with at most this many of its lines.
constexpr std::size_t kMostRepeatedMarksShown = 20;
constexpr std::size_t kMostLinesShown = 10;

// A message goes to stderr in Arabic, then in English.
void Warn(const Message& message) {
  std::fputs((message.in(InArabic) + u'\n' + message.in(InEnglish) + u'\n').toUtf8().constData(),
             stderr);
}

int Refuse(const Message& message) {
  Warn(message);
  return kBadInput;
}

struct Options {
  QCommandLineOption fcu{u"fcu"_s, {}, u"N"_s};
  QCommandLineOption fy{u"fy"_s, {}, u"N"_s};
  QCommandLineOption width{u"width"_s, {}, u"N"_s};
  QCommandLineOption bar{u"bar"_s, {}, u"N"_s};
  QCommandLineOption load_factor{u"load-factor"_s, {}, u"N"_s};
  QCommandLineOption floor_height{u"floor-height"_s, {}, u"M"_s};
  QCommandLineOption output{{u"o"_s, u"output"_s}, {}, u"FILE"_s};
};

// The option's text; nothing when the option is not given.
std::optional<std::string> OptionText(const QCommandLineParser& parser,
                                      const QCommandLineOption& option) {
  if (!parser.isSet(option)) return std::nullopt;
  return parser.value(option).toStdString();
}

// "--fcu «abc»: the value is not a number".
Message OptionMessage(const QCommandLineOption& option, std::string_view text,
                      ScheduleProblem problem) {
  return ArgumentMessage(OptionArgument("--" + option.names().constLast().toStdString()), text,
                         ProblemMessage(problem));
}

// The options not given keep the defaults.
std::expected<DesignMaterials, Message> ReadMaterials(const QCommandLineParser& parser,
                                                      const Options& options) {
  // In the order of MaterialsChoice.
  const QCommandLineOption* const choices[] = {&options.fcu, &options.fy, &options.width,
                                               &options.bar, &options.load_factor};
  std::optional<std::string> texts[std::size(choices)];
  for (std::size_t i = 0; i < std::size(choices); ++i) texts[i] = OptionText(parser, *choices[i]);
  const auto view = [](const std::optional<std::string>& text) {
    return text ? std::optional<std::string_view>(*text) : std::nullopt;
  };
  const auto materials = coldesign::ReadMaterials({.concrete_strength = view(texts[0]),
                                                   .steel_yield = view(texts[1]),
                                                   .width = view(texts[2]),
                                                   .bar_diameter = view(texts[3]),
                                                   .load_factor = view(texts[4])});
  if (materials) return *materials;
  const auto [choice, problem] = materials.error();
  if (problem == ChoiceProblem::OutOfRange) return std::unexpected(MaterialsMessage(choice));
  const auto index = static_cast<std::size_t>(choice);
  return std::unexpected(OptionMessage(*choices[index], texts[index].value_or(std::string()),
                                       problem == ChoiceProblem::NotANumber
                                           ? ScheduleProblem::NotANumber
                                           : ScheduleProblem::NotWholeNumber));
}

// The floor height given, or the default.
std::expected<double, Message> ReadFloorHeight(const QCommandLineParser& parser,
                                               const Options& options) {
  const auto text = OptionText(parser, options.floor_height);
  if (!text) return rules::kFloorHeightM;
  const auto height = coldesign::ReadFloorHeight(*text);
  if (height) return *height;
  if (height.error() == ChoiceProblem::NotANumber) {
    return std::unexpected(OptionMessage(options.floor_height, *text, ScheduleProblem::NotANumber));
  }
  return std::unexpected(FloorHeightMessage());
}

// Everything or nothing: stdout when no file is named, else the file replaced whole. `produce`
// hands the output over in pieces and gives false when one was not taken.
int Write(const ProduceOutput& produce, const QString& path) {
  if (path.isEmpty()) {
    const bool written =
        produce([](std::string_view piece) {
          return std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
        }) &&
        std::fflush(stdout) == 0;
    return written ? 0
                   : Refuse(FileMessage("stdout", std::generic_category().message(errno), true));
  }
  const std::string name = path.toStdString();
  const auto written = WriteWholeFile(name, produce);
  if (!written) {
    return Refuse(written.error().not_regular_file
                      ? NotRegularFileMessage(name)
                      : FileMessage(name, written.error().reason, true));
  }
  return 0;
}

// The same for output held whole.
int Write(std::string_view bytes, const QString& path) {
  return Write([bytes](const WritePiece& write) { return write(bytes); }, path);
}

// Names each mark that more than one row has, with its lines.
void WarnOfRepeatedMarks(std::string_view file, const Schedule& schedule,
                         const std::vector<std::size_t>& lines) {
  std::unordered_map<std::string_view, std::vector<std::size_t>> lines_of_mark;
  std::vector<std::string_view> marks;  // in the order of their first row
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    if (!schedule.columns[i].repeated_mark) continue;
    auto& mark_lines = lines_of_mark[schedule.columns[i].input.mark];
    if (mark_lines.empty()) marks.push_back(schedule.columns[i].input.mark);
    mark_lines.push_back(lines[i]);
  }
  for (std::size_t m = 0; m < marks.size() && m < kMostRepeatedMarksShown; ++m) {
    const std::span<const std::size_t> mark_lines = lines_of_mark[marks[m]];
    Warn(RepeatedMarkMessage(file, CutForMessage(marks[m]),
                             mark_lines.first(std::min(mark_lines.size(), kMostLinesShown)),
                             mark_lines.size() > kMostLinesShown));
  }
}

// Whether the argument is an option's name: "--" or "-" then a letter. Anything else after the
// command, "-5" and "-0" among them, is a value.
bool IsOptionName(const QString& argument) {
  const QStringView name = argument.startsWith(u"--"_s) ? QStringView(argument).mid(2)
                           : argument.startsWith(u'-')  ? QStringView(argument).mid(1)
                                                        : QStringView();
  return !name.isEmpty() && name.front().isLetter() && name.front().unicode() < 0x80;
}

// The arguments rearranged for QCommandLineParser: the program and the command, the options and
// their values, then "--" and the positional values, so that a value like "-5" is never taken
// for an option.
QStringList Rearranged(const QStringList& arguments, const Options& options,
                       const BendingOptions& bending) {
  const auto takes_value = [&](const QString& argument) {
    if (argument.contains(u'=')) return false;
    const QString name = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1);
    const std::array<const QCommandLineOption*, 7> valued = {
        &options.fcu,         &options.fy,           &options.width, &options.bar,
        &options.load_factor, &options.floor_height, &options.output};
    return bending.TakesValue(name) ||
           std::ranges::any_of(valued, [&](const QCommandLineOption* option) {
             return option->names().contains(name);
           });
  };
  QStringList named = arguments.mid(0, 2);
  QStringList values;
  for (qsizetype i = 2; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == u"--"_s) {
      values.append(arguments.mid(i + 1));
      break;
    }
    if (!IsOptionName(argument)) {
      values.append(argument);
      continue;
    }
    named.append(argument);
    if (takes_value(argument) && i + 1 < arguments.size()) named.append(arguments[++i]);
  }
  named.append(u"--"_s);
  return named + values;
}

// The design command takes the options of a column with moments; the schedule, -o.
bool Parse(QCommandLineParser& parser, const Options& options, const BendingOptions& bending,
           const QStringList& arguments, bool schedule) {
  parser.addOptions({options.fcu, options.fy, options.width, options.bar, options.load_factor,
                     options.floor_height});
  parser.addOptions(schedule ? QList<QCommandLineOption>{options.output} : bending.All());
  parser.addPositionalArgument(u"command"_s, {});
  return parser.parse(Rearranged(arguments, options, bending));
}

// The design of one column as the design window makes it: any load and floors the window takes.
int RunDesign(const QStringList& arguments) {
  QCommandLineParser parser;
  const Options options;
  const BendingOptions bending;
  if (!Parse(parser, options, bending, arguments, false)) {
    return Refuse(UsageMessage(parser.errorText().toStdString()));
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 3) return Refuse(UsageMessage("design LOAD FLOORS"));
  const auto materials = ReadMaterials(parser, options);
  if (!materials) return Refuse(materials.error());
  const auto choices = ReadBendingChoices(parser, bending);
  if (!choices) return Refuse(choices.error());
  const auto height = ReadFloorHeight(parser, options);
  if (!height) return Refuse(height.error());

  const std::string load = positional[1].toStdString();
  const std::string floors = positional[2].toStdString();
  if (const auto problem = CheckDesignInputs(load, floors)) {
    return Refuse(DesignInputMessage(*problem, load, floors));
  }
  // Text that is no number is refused here; a number too large is the design's failure, written.
  for (const auto& [argument, text] :
       {std::pair(LoadArgument(), &load), std::pair(FloorsArgument(), &floors)}) {
    const auto value = ParseNumberStrict(*text);
    if (!value && value.error() == NumericFailure::TypeMismatch) {
      return Refuse(ArgumentMessage(argument, *text, ProblemMessage(ScheduleProblem::NotANumber)));
    }
  }
  const ColumnDesignInput input = DesignInput(load, floors, *materials);
  if (choices->moments_given || choices->json) {
    const BendingOutcome outcome = DesignWithMoments(input, *choices, *height);
    if (outcome.status == kBadInput) return Refuse(*outcome.warning);
    if (const int status = Write(outcome.output, {}); status != 0) return status;
    if (outcome.warning) Warn(*outcome.warning);
    return outcome.status;
  }
  const auto result = DesignColumn(input);
  if (const int status = Write(WriteDesignCsv(input, result), {}); status != 0) return status;
  return result ? kEveryLevelDesigned : kSomeLevelFailed;
}

int RunSchedule(const QStringList& arguments) {
  QCommandLineParser parser;
  const Options options;
  if (!Parse(parser, options, BendingOptions(), arguments, true)) {
    return Refuse(UsageMessage(parser.errorText().toStdString()));
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) return Refuse(UsageMessage("schedule FILE.csv"));
  const QString output = parser.value(options.output);
  const bool pdf = output.endsWith(u".pdf"_s, Qt::CaseInsensitive);
  const bool dxf = output.endsWith(u".dxf"_s, Qt::CaseInsensitive);
  if (!output.isEmpty() && !pdf && !dxf && !output.endsWith(u".csv"_s, Qt::CaseInsensitive)) {
    return Refuse(UsageMessage("-o OUT.csv|OUT.pdf|OUT.dxf"));
  }
  const auto materials = ReadMaterials(parser, options);
  if (!materials) return Refuse(materials.error());
  const auto height = ReadFloorHeight(parser, options);
  if (!height) return Refuse(height.error());

  const QString& input_path = positional[1];
  const std::string input_name = input_path.toStdString();
  QFile input(input_path);
  if (!input.open(QIODevice::ReadOnly)) {
    return Refuse(FileMessage(input_name, input.errorString().toStdString(), false));
  }
  // One byte more than a schedule may have, so that a larger file is seen and refused.
  const QByteArray text = input.read(rules::kMostScheduleFileBytes + 1);
  ClearUpperVectorState();  // after the arguments and the file, before the engine's work
  auto csv = ReadScheduleCsv(std::string_view(text.constData(), text.size()));
  if (!csv) return Refuse(CsvErrorMessage(input_name, csv.error()));

  // The CSV shows the levels alone; the PDF and the drawing the types too.
  const Schedule schedule =
      DesignSchedule(std::move(csv->columns), *materials, *height,
                     pdf || dxf ? ScheduleParts::Whole : ScheduleParts::Levels);
  WarnOfRepeatedMarks(input_name, schedule, csv->lines);
  // The CSV goes out in pieces as it is written: a large schedule is never held whole.
  const int status = dxf   ? Write(ScheduleDxfFile(schedule), output)
                     : pdf ? Write(SchedulePdfWithoutDisplay(schedule).toStdString(), output)
                           : Write(
                                 [&schedule](const WritePiece& write) {
                                   return WriteScheduleCsv(schedule, CsvLevels::All, write);
                                 },
                                 output);
  if (status != 0) return status;
  return schedule.all_designed ? kEveryLevelDesigned : kSomeLevelFailed;
}

QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

}  // namespace

bool IsCommandLine(int argc, char* argv[]) {
  if (argc < 2) return false;
  const std::string_view first = argv[1];
  return first == "design" || first == "schedule" || first == "--help" || first == "-h" ||
         first == "--version";
}

int RunCommandLine(int argc, char* argv[]) {
  const QStringList arguments = Arguments(argc, argv);
  if (arguments.contains(u"--help"_s) || arguments.contains(u"-h"_s)) {
    std::fputs(HelpText().c_str(), stdout);
    return 0;
  }
  if (arguments.contains(u"--version"_s)) {
    std::fputs(("column-designer " + kProgramVersion.toString().toStdString() + '\n').c_str(),
               stdout);
    return 0;
  }
  return arguments[1] == u"design"_s ? RunDesign(arguments) : RunSchedule(arguments);
}

}  // namespace coldesign
