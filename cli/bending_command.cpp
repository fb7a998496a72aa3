#include "cli/bending_command.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <variant>

#include "calculation/bending_output.h"
#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

// "--mx «abc»: the value is not a number".
Message ValueMessage(const QCommandLineOption& option, const std::string& text,
                     NumericFailure failure) {
  return ArgumentMessage(OptionArgument("--" + option.names().constLast().toStdString()), text,
                         failure == NumericFailure::TypeMismatch
                             ? ProblemMessage(ScheduleProblem::NotANumber)
                             : NotFiniteMessage());
}

// The option's number, or none when it is not given.
std::expected<std::optional<double>, Message> ReadNumber(const QCommandLineParser& parser,
                                                         const QCommandLineOption& option) {
  if (!parser.isSet(option)) return std::nullopt;
  const std::string text = parser.value(option).toStdString();
  const auto value = ParseNumberStrict(text);
  if (!value) return std::unexpected(ValueMessage(option, text, value.error()));
  return *value;
}

}  // namespace

bool BendingOptions::TakesValue(const QString& name) const {
  const std::array valued = {&moment_x, &moment_y, &length_factor, &format};
  return std::ranges::any_of(
      valued, [&](const QCommandLineOption* option) { return option->names().contains(name); });
}

std::expected<BendingChoices, Message> ReadBendingChoices(const QCommandLineParser& parser,
                                                          const BendingOptions& options) {
  BendingChoices choices;
  for (const auto& [option, moment] : {std::pair(&options.moment_x, &choices.moment_x_t_m),
                                       std::pair(&options.moment_y, &choices.moment_y_t_m)}) {
    const auto value = ReadNumber(parser, *option);
    if (!value) return std::unexpected(value.error());
    if (*value) {
      *moment = **value;
      choices.moments_given = true;
    }
  }
  const auto k = ReadNumber(parser, options.length_factor);
  if (!k) return std::unexpected(k.error());
  choices.length_factor = *k;
  // A number read is finite.
  if (choices.length_factor && (*choices.length_factor < rules::kLeastLengthFactor ||
                                *choices.length_factor > rules::kMostLengthFactor)) {
    return std::unexpected(LengthFactorMessage());
  }
  choices.unbraced = parser.isSet(options.unbraced);
  if (parser.isSet(options.format)) {
    const QString format = parser.value(options.format);
    if (format != QStringLiteral("csv") && format != QStringLiteral("json")) {
      return std::unexpected(UsageMessage("--format csv|json"));
    }
    choices.json = format == QStringLiteral("json");
  }
  return choices;
}

BendingOutcome DesignWithMoments(const ColumnDesignInput& column, const BendingChoices& choices,
                                 double column_height_m) {
  const auto designed = DesignBendingColumn({.column = column,
                                             .moment_x_t_m = choices.moment_x_t_m,
                                             .moment_y_t_m = choices.moment_y_t_m,
                                             .column_height_m = column_height_m,
                                             .unbraced = choices.unbraced,
                                             .length_factor = choices.length_factor});
  std::expected<BendingDesignResult, DesignFailure> result;
  if (designed) {
    result = *designed;
  } else if (const auto* failure = std::get_if<DesignFailure>(&designed.error())) {
    result = std::unexpected(*failure);
  } else {
    // Every input was read and checked before: a moment beyond the range of a number is the
    // one left.
    return {.output = {}, .status = 2, .warning = NotFiniteMessage()};
  }
  BendingOutcome outcome{
      .output = choices.json ? WriteBendingJson(result) : WriteBendingCsv(column, result),
      .status = result && result->status == BendingStatus::Ok ? 0 : 1,
      .warning = std::nullopt};
  if (result && result->status == BendingStatus::Slender) {
    outcome.warning =
        TooSlenderMessage(result->working.about_y.slenderness, result->working.most_slenderness);
  } else if (result && result->status == BendingStatus::Overflow) {
    outcome.warning = TooLargeColumnMessage();
  }
  return outcome;
}

}  // namespace coldesign
